#include "alarm/alarm_input.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace alarms {

namespace {

constexpr char kBlank = ' ';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlank);
  return text.substr(first, last - first + 1);
}

// Shape of a number that the syntax check found; used only to tell an
// overflow from an underflow when the conversion reports a range error.
struct NumberShape {
  bool negative = false;
  bool allZero = true;
  // Decimal exponent of the first significant digit (1.5 -> 0, 0.02 -> -2).
  long long order = 0;
};

// Saturates well beyond any double exponent, so long digit runs stay safe.
constexpr long long kExponentCap = 1000000;

long long Saturate(long long value) {
  return value > kExponentCap ? kExponentCap : (value < -kExponentCap ? -kExponentCap : value);
}

std::optional<NumberShape> CheckSyntax(std::string_view s) {
  NumberShape shape;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) shape.negative = s[i++] == '-';
  long long intDigits = 0;  // significant digits before the point
  long long zerosAfterPoint = 0;
  bool anyDigit = false;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    anyDigit = true;
    if (s[i] != '0' || intDigits > 0) intDigits = Saturate(intDigits + 1);
    if (s[i] != '0') shape.allZero = false;
  }
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && IsDigit(s[i]); ++i) {
      anyDigit = true;
      if (s[i] != '0') shape.allZero = false;
      if (shape.allZero) zerosAfterPoint = Saturate(zerosAfterPoint + 1);
    }
  }
  if (!anyDigit) return std::nullopt;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
    if (i == s.size() || !IsDigit(s[i])) return std::nullopt;
    for (; i < s.size() && IsDigit(s[i]); ++i) exponent = Saturate(exponent * 10 + (s[i] - '0'));
    if (negativeExponent) exponent = -exponent;
  }
  if (i != s.size()) return std::nullopt;
  shape.order = (intDigits > 0 ? intDigits - 1 : -(zerosAfterPoint + 1)) + exponent;
  return shape;
}

// Plain digits with blanks around them, as a value capped above `max`.
std::optional<int> ReadPlainInteger(std::string_view text, int max) {
  const std::string_view digits = TrimBlanks(text);
  if (digits.empty()) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > max) return std::nullopt;
  }
  return value;
}

std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  std::string_view number = TrimBlanks(text);
  const std::optional<NumberShape> shape = CheckSyntax(number);
  if (!shape) return std::nullopt;
  // from_chars is independent of the C locale but takes no plus sign.
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = shape->order >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (shape->negative) value = -value;
  } else if (error != std::errc() || end != number.data() + number.size()) {
    return std::nullopt;
  }
  return value;
}

MinutesReading ReadAlarmMinutes(std::string_view text) {
  const std::optional<double> minutes = ParseNumber(text);
  if (!minutes || !std::isfinite(*minutes)) return {MinutesStatus::kInvalid, 0};
  if (*minutes == 0) return {MinutesStatus::kZero, 0};
  // The default rounding mode rounds a half to the even neighbour.
  const double seconds = std::nearbyint(*minutes * 60);
  if (!(seconds >= std::numeric_limits<std::int32_t>::min() &&
        seconds <= std::numeric_limits<std::int32_t>::max()))
    return {MinutesStatus::kInvalid, 0};
  return {MinutesStatus::kValid, static_cast<std::int32_t>(seconds)};
}

std::optional<TimeOfDay> ReadAlarmTime(std::string_view hour, std::string_view minute) {
  const std::optional<int> h = ReadPlainInteger(hour, 23);
  const std::optional<int> m = ReadPlainInteger(minute, 59);
  if (!h || !m) return std::nullopt;
  return TimeOfDay{*h, *m};
}

std::string FormatTimeOfDay(const TimeOfDay& time) {
  return TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

}  // namespace alarms
