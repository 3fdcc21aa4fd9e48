// Reading what the user types into the alarm dialog. Pure functions, so that
// the dialog and a fuzzer share them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace alarms {

// The dialog's number test. The text, apart from blanks (spaces) around it,
// must be one decimal number in the "C" locale's notation: an optional sign,
// digits with at most one decimal point "." (at least one digit in all), and
// an optional exponent "e" or "E" with an optional sign and digits. No other
// characters, no thousands separators, no "inf" or "nan". Returns the value;
// a number too large for a double reads as infinite, one too small as zero.
std::optional<double> ParseNumber(std::string_view text);

enum class MinutesStatus {
  kValid,
  kInvalid,  // not a number, not finite, or its seconds overflow 32 bits
  kZero,
};

struct MinutesReading {
  MinutesStatus status = MinutesStatus::kInvalid;
  std::int32_t seconds = 0;  // minutes x 60, rounded half to even
};

// The countdown's length from the minutes box. Fractions and negative
// numbers are accepted; a value so small that it rounds to 0 seconds is
// valid (it fires on the first tick), only the number zero itself is not.
MinutesReading ReadAlarmMinutes(std::string_view text);

struct TimeOfDay {
  int hour = 0;    // 0-23
  int minute = 0;  // 0-59
};

// The alarm's time of day from the hour and minute boxes, or nothing when
// they do not make one: each must be plain digits (blanks around them
// allowed), the hour 0-23 and the minute 0-59.
std::optional<TimeOfDay> ReadAlarmTime(std::string_view hour, std::string_view minute);

// "hh:mm", 24-hour, with leading zeros.
std::string FormatTimeOfDay(const TimeOfDay& time);

}  // namespace alarms
