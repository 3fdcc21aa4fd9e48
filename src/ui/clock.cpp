#include "ui/clock.h"

namespace ui {

namespace {

// Time zones change their offset at most a few times a year, so reaching a
// moment up to a day ahead takes one step, or two across a change.
constexpr int kMaxSteps = 4;

LocalSeconds StartOfDay(LocalSeconds local) {
  const LocalSeconds intoDay = local % kSecondsPerDay;
  return local - (intoDay < 0 ? intoDay + kSecondsPerDay : intoDay);
}

}  // namespace

Moment Clock::NextLocalMoment(int hour, int minute) const {
  const Moment now = Now();
  const LocalSeconds local = LocalTimeAt(now);
  const LocalSeconds wanted = StartOfDay(local) + (hour * 60 + minute) * kSecondsPerMinute;
  if (local >= wanted && local < wanted + kSecondsPerMinute) return now;
  return FirstMomentShowing(local < wanted ? wanted : wanted + kSecondsPerDay, now);
}

// The first moment from `from` on at which the wall clock shows `wanted` or
// later. Each step moves by the distance still to go on the wall clock; a
// step lands beyond `wanted` only when the clock jumped forward on the way.
Moment Clock::FirstMomentShowing(LocalSeconds wanted, Moment from) const {
  Moment moment = from;
  LocalSeconds shown = LocalTimeAt(moment);
  for (int step = 0; step < kMaxSteps && shown < wanted; ++step) {
    const Moment next = moment + (wanted - shown);
    const LocalSeconds nextShown = LocalTimeAt(next);
    if (nextShown > wanted) return FirstMomentOfJump(moment, next, wanted);
    moment = next;
    shown = nextShown;
  }
  return moment;
}

// Between `before` (the wall clock short of `wanted`) and `after` (beyond
// it) the clock jumped forward over `wanted`: the moment it did, to the
// second.
Moment Clock::FirstMomentOfJump(Moment before, Moment after, LocalSeconds wanted) const {
  while (after - before > 1) {
    const Moment middle = before + (after - before) / 2;
    (LocalTimeAt(middle) >= wanted ? after : before) = middle;
  }
  return after;
}

}  // namespace ui
