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

// The zone is read afresh on every call (a null zone means the current
// one), so a change of zone shows at once, with the daylight-saving rules of
// the date asked about. A moment the system cannot convert stays in UTC.
ui::LocalSeconds Win32Clock::LocalTimeAt(ui::Moment moment) const {
  const FILETIME utcFile = FileTimeOf(moment);
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  FILETIME localFile{};
  if (!::FileTimeToSystemTime(&utcFile, &utc) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ||
      !::SystemTimeToFileTime(&local, &localFile))
    return moment;
  return SecondsOf(localFile);
}

}  // namespace win32
