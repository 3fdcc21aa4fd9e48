// The hour and minute boxes: any two texts (split at the first '|'). The
// result is checked against a reading written another way: digits with
// their leading zeros dropped, compared as text.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "alarm/alarm_input.h"
#include "fuzz_check.h"

namespace {

// The value of blank-padded plain digits up to `max`, or nothing.
std::optional<int> ReferenceField(std::string_view text, int max) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > 2) return std::nullopt;
  const int value = std::stoi(std::string(text));
  if (value > max) return std::nullopt;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t bar = input.find('|');
  const std::string_view hour = input.substr(0, bar);
  const std::string_view minute = bar == std::string_view::npos ? "" : input.substr(bar + 1);

  const std::optional<alarms::TimeOfDay> time = alarms::ReadAlarmTime(hour, minute);
  const std::optional<int> h = ReferenceField(hour, 23);
  const std::optional<int> m = ReferenceField(minute, 59);
  FUZZ_CHECK(time.has_value() == (h && m));
  if (!time) return 0;
  char expected[8];
  std::snprintf(expected, sizeof expected, "%02d:%02d", *h, *m);
  FUZZ_CHECK(time->hour == *h && time->minute == *m);
  FUZZ_CHECK(alarms::FormatTimeOfDay(*time) == expected);
  return 0;
}
