// The time, as the alarm reads it. There are two clocks. Elapsed time counts
// on while the computer sleeps and is never moved by setting the clock; a
// countdown runs on it. The system clock tells the moment (in UTC, so that
// a daylight-saving change does not move it; setting the clock does), and
// the time zone turns a moment into what a wall clock shows.
#pragma once

#include <cstdint>

namespace ui {

// A moment of the system clock: whole seconds since 1601-01-01 00:00 UTC.
using Moment = std::int64_t;
// A wall-clock reading: whole seconds since 1601-01-01 00:00 local time, so
// that every local midnight is a whole number of days.
using LocalSeconds = std::int64_t;

inline constexpr std::int64_t kSecondsPerMinute = 60;
inline constexpr std::int64_t kSecondsPerDay = 24 * 60 * kSecondsPerMinute;

class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since some fixed start.
  virtual std::uint64_t ElapsedMilliseconds() const = 0;
  virtual Moment Now() const = 0;
  // The wall clock at `moment`, in the time zone now chosen, with that
  // zone's daylight-saving rules for the date of `moment`.
  virtual LocalSeconds LocalTimeAt(Moment moment) const = 0;

  // The next moment at which the wall clock shows hour:minute (0-23, 0-59):
  // now if it shows that minute already; otherwise that minute of today if
  // it is still ahead, or of tomorrow. A minute that the wall clock skips
  // (daylight saving begins) gives the moment of the jump over it. A minute
  // that it shows twice (daylight saving ends) is ahead or behind as the
  // wall clock reads now, and gives its first showing from now on.
  Moment NextLocalMoment(int hour, int minute) const;

 private:
  Moment FirstMomentShowing(LocalSeconds wanted, Moment from) const;
  Moment FirstMomentOfJump(Moment before, Moment after, LocalSeconds wanted) const;
};

}  // namespace ui
