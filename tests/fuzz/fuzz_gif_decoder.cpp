// The GIF decoder on any bytes: it reads nothing outside them (the sanitizers
// watch), and what it gives is a whole screen of opaque or cleared pixels.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "fuzz_check.h"
#include "imaging/gif_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<imaging::Pixels> pixels = imaging::DecodeGif(data, size);
  if (!pixels) return 0;
  FUZZ_CHECK(pixels->width > 0 && pixels->height > 0);
  FUZZ_CHECK(pixels->argb.size() == static_cast<std::size_t>(pixels->width) * pixels->height);
  for (const std::uint32_t pixel : pixels->argb) FUZZ_CHECK((pixel >> 24) == 0xFF || pixel == 0);
  return 0;
}
