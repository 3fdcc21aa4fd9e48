// A clock that tests move by hand: time passing, the system clock being set,
// and a time zone given as data (its offsets from UTC and when they begin).
#pragma once

#include <cstdint>
#include <vector>

#include "ui/clock.h"

namespace fake {

class FakeClock : public ui::Clock {
 public:
  // From `from` on, the wall clock is `seconds` ahead of UTC.
  struct Offset {
    ui::Moment from;
    std::int64_t seconds;
  };

  std::uint64_t ElapsedMilliseconds() const override { return elapsedMs; }
  ui::Moment Now() const override;
  ui::LocalSeconds LocalTimeAt(ui::Moment moment) const override;

  // Time passes: both clocks run on.
  void Pass(std::int64_t milliseconds);
  // Sets the system clock to the first moment at which the wall clock shows
  // `local`, as the user does; elapsed time does not move.
  void ShowLocal(ui::LocalSeconds local);

  std::uint64_t elapsedMs = 1'000'000;
  std::int64_t systemMs = 0;  // milliseconds since the epoch of ui::Moment
  // In order of time; the first also applies before its start. None: UTC.
  std::vector<Offset> zone;
};

}  // namespace fake
