// The clocks on Win32: the tick count, which goes on while the computer
// sleeps (unlike the unbiased interrupt time), and the system time read in
// the time zone the user has chosen, at the time of reading.
#pragma once

#include "ui/clock.h"

namespace win32 {

class Win32Clock final : public ui::Clock {
 public:
  std::uint64_t ElapsedMilliseconds() const override;
  ui::Moment Now() const override;
  ui::LocalSeconds LocalTimeAt(ui::Moment moment) const override;
};

}  // namespace win32
