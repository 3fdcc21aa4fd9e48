// The minutes box: any text. ParseNumber is checked against the C library's
// strtod (in the "C" locale, which a fuzzer process keeps) on the texts that
// use only the characters of the plain decimal notation, and
// ReadAlarmMinutes against the properties of its three outcomes.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "alarm/alarm_input.h"
#include "fuzz_check.h"

namespace {

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// strtod also reads hexadecimal, "inf", "nan" and leading white space, which
// the dialog rejects; restricted to these characters the two must agree.
bool PlainNotationOnly(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
}

std::optional<double> ReferenceParse(std::string_view text) {
  const std::string trimmed(TrimSpaces(text));
  if (!PlainNotationOnly(trimmed)) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size()) return std::nullopt;
  return value;
}

void CheckParse(std::string_view text, const std::optional<double>& parsed) {
  const std::optional<double> expected = ReferenceParse(text);
  const std::string_view trimmed = TrimSpaces(text);
  if (!PlainNotationOnly(trimmed)) {
    FUZZ_CHECK(!parsed);  // no character outside the notation
    return;
  }
  FUZZ_CHECK(parsed.has_value() == expected.has_value());
  if (!parsed) return;
  FUZZ_CHECK(!std::isnan(*parsed));
  // Below the normal range strtod may keep a subnormal value where the
  // dialog documents zero; everywhere else both round correctly.
  if (std::fabs(*expected) < DBL_MIN)
    FUZZ_CHECK(*parsed == *expected || *parsed == 0);
  else
    FUZZ_CHECK(*parsed == *expected);
}

void CheckMinutes(const std::optional<double>& parsed, const alarms::MinutesReading& reading) {
  using alarms::MinutesStatus;
  if (!parsed || !std::isfinite(*parsed)) {
    FUZZ_CHECK(reading.status == MinutesStatus::kInvalid);
    return;
  }
  if (*parsed == 0) {
    FUZZ_CHECK(reading.status == MinutesStatus::kZero && reading.seconds == 0);
    return;
  }
  // Exact: 53 bits of mantissa times 6 bits fit the 64 of a long double.
  const long double exact = static_cast<long double>(*parsed) * 60;
  FUZZ_CHECK(reading.status != MinutesStatus::kZero);
  if (reading.status == MinutesStatus::kInvalid) {
    // Only a countdown too long for 32 bits of seconds may be refused.
    FUZZ_CHECK(std::fabs(exact) >= 2147483647.0L);
    return;
  }
  // The nearest whole second, a half to the even neighbour. The product is
  // formed in double, whose rounding (2^-22 s at the top of the range) may
  // move a near-half just across.
  const long double error = static_cast<long double>(reading.seconds) - exact;
  FUZZ_CHECK(std::fabs(error) <= 0.5L + 0x1p-21L);
  FUZZ_CHECK(!(std::fabs(error) == 0.5L && reading.seconds % 2 != 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> parsed = alarms::ParseNumber(text);
  CheckParse(text, parsed);
  CheckMinutes(parsed, alarms::ReadAlarmMinutes(text));
  return 0;
}
