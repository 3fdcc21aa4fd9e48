// Reads the first image of a GIF file. The program's note sheets and glyphs
// are GIFs; decoding them here keeps the system's picture decoder, and the
// imaging components it loads, out of the way of the first note.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "imaging/pixels.h"

namespace imaging {

// The whole logical screen: the first image's pixels in their colours, its
// transparent colour and whatever the image leaves uncovered transparent.
// Nothing when the bytes are not a GIF whose first image can be read; never
// reads outside the `size` bytes at `bytes`. A code stream that ends early
// leaves the rest of its image transparent, as a truncated download would
// show.
std::optional<Pixels> DecodeGif(const std::uint8_t* bytes, std::size_t size);

}  // namespace imaging
