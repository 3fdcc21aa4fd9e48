#include "fake/fake_clock.h"

#include <stdexcept>

namespace fake {

namespace {

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
  return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

ui::Moment FakeClock::Now() const { return FloorDiv(systemMs, 1000); }

ui::LocalSeconds FakeClock::LocalTimeAt(ui::Moment moment) const {
  std::int64_t offset = zone.empty() ? 0 : zone.front().seconds;
  for (const Offset& o : zone)
    if (moment >= o.from) offset = o.seconds;
  return moment + offset;
}

void FakeClock::Pass(std::int64_t milliseconds) {
  elapsedMs += static_cast<std::uint64_t>(milliseconds);
  systemMs += milliseconds;
}

void FakeClock::ShowLocal(ui::LocalSeconds local) {
  std::vector<std::int64_t> offsets{0};
  for (const Offset& o : zone) offsets.push_back(o.seconds);
  bool found = false;
  ui::Moment first = 0;
  for (std::int64_t offset : offsets) {
    const ui::Moment moment = local - offset;
    if (LocalTimeAt(moment) != local || (found && moment >= first)) continue;
    first = moment;
    found = true;
  }
  if (!found) throw std::invalid_argument("the wall clock never shows that time");
  systemMs = first * 1000;
}

}  // namespace fake
