#include "win32/win32_clock.h"

#include <windows.h>

#include <cstdint>

namespace win32 {

namespace {

// FILETIME counts 100-nanosecond intervals since 1601-01-01 00:00.
constexpr std::int64_t kFileTimePerSecond = 10'000'000;

std::int64_t SecondsOf(const FILETIME& time) {
  const std::uint64_t ticks = std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
  return static_cast<std::int64_t>(ticks / kFileTimePerSecond);
}

FILETIME FileTimeOf(std::int64_t seconds) {
  const auto ticks = static_cast<std::uint64_t>(seconds) * kFileTimePerSecond;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

std::uint64_t Win32Clock::ElapsedMilliseconds() const { return ::GetTickCount64(); }

ui::Moment Win32Clock::Now() const {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return SecondsOf(now);
}

// The zone is read afresh on every call, so a change of zone, or of its
// daylight-saving rules, shows at once; the rules are those the zone has for
// the year of the date asked about (dynamic daylight saving), as
// SystemTimeToTzSpecificLocalTimeEx applies them, which Wine lacks. Near New
// Year the local date may fall in the other year than the UTC one: its rules
// decide then. A moment the system cannot convert stays in UTC.
ui::LocalSeconds Win32Clock::LocalTimeAt(ui::Moment moment) const {
  const FILETIME utcFile = FileTimeOf(moment);
  SYSTEMTIME utc{};
  if (!::FileTimeToSystemTime(&utcFile, &utc)) return moment;
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  const bool zoneRead = ::GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
  SYSTEMTIME local{};
  const auto convertWithRulesOf = [&](WORD year) {
    TIME_ZONE_INFORMATION rules{};
    if (zoneRead && ::GetTimeZoneInformationForYear(year, &zone, &rules))
      return ::SystemTimeToTzSpecificLocalTime(&rules, &utc, &local) != 0;
    return ::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) != 0;
  };
  if (!convertWithRulesOf(utc.wYear)) return moment;
  if (local.wYear != utc.wYear && !convertWithRulesOf(local.wYear)) return moment;
  FILETIME localFile{};
  if (!::SystemTimeToFileTime(&local, &localFile)) return moment;
  return SecondsOf(localFile);
}

}  // namespace win32
