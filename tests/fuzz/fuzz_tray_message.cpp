// The tray callback: the shell's mouse message number arrives as a mouse
// move's x, converted from pixels to the window's unit, possibly in single
// precision. Any x, scale mode and twips per pixel must decode without
// undefined behaviour to 0 or a number within 16 bits; and every number
// within 16 bits must survive the trip through any plausible screen
// resolution.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

#include "fuzz_check.h"
#include "shell/tray_icon.h"
#include "ui/layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);

  // Anything at all, NaN and infinities included.
  const double anyX = input.ConsumeFloatingPoint<double>();
  const int anyMode = input.ConsumeIntegral<int>();
  const double anyTwips = input.ConsumeFloatingPoint<double>();
  const int decoded = shell::TrayMessageNumber(anyX, anyMode, anyTwips);
  FUZZ_CHECK(std::abs(decoded) <= 0xFFFF);

  // A real message number through a real conversion: twips per pixel from
  // 1440 dots per inch (1) down to 1 dot per inch (1440).
  const int number = input.ConsumeIntegralInRange<int>(0, 0xFFFF);
  const double twipsPerPixel = input.ConsumeFloatingPointInRange<double>(1.0, 1440.0);
  const bool single = input.ConsumeBool();
  const bool pixels = input.ConsumeBool();
  const int mode = static_cast<int>(pixels ? ui::ScaleMode::Pixels : ui::ScaleMode::Twips);
  double x = pixels ? number : number * twipsPerPixel;
  if (single) x = static_cast<float>(x);
  FUZZ_CHECK(shell::TrayMessageNumber(x, mode, twipsPerPixel) == number);
  return 0;
}
