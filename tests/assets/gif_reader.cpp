#include "gif_reader.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace asset_tests {

namespace {

struct Source {
  const Bytes* bytes;
  std::size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t available = source->bytes->size() - source->position;
  const std::size_t count = std::min(available, static_cast<std::size_t>(length));
  std::memcpy(out, source->bytes->data() + source->position, count);
  source->position += count;
  return static_cast<int>(count);
}

}  // namespace

DecodedGif DecodeGif(const Bytes& file) {
  Source source{&file, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, ReadFromMemory, &error);
  if (!gif) throw std::runtime_error("giflib cannot open the file");
  if (DGifSlurp(gif) != GIF_OK) {
    DGifCloseFile(gif, &error);
    throw std::runtime_error("giflib cannot decode the file");
  }
  DecodedGif result;
  result.signature = Text(file, 0, 6);
  result.width = gif->SWidth;
  result.height = gif->SHeight;
  result.frames = gif->ImageCount;
  if (gif->SColorMap) {
    for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
      const GifColorType& c = gif->SColorMap->Colors[i];
      result.palette.push_back({c.Red, c.Green, c.Blue});
    }
  }
  if (gif->ImageCount > 0) {
    const SavedImage& frame = gif->SavedImages[0];
    result.frameLeft = frame.ImageDesc.Left;
    result.frameTop = frame.ImageDesc.Top;
    result.frameWidth = frame.ImageDesc.Width;
    result.frameHeight = frame.ImageDesc.Height;
    result.interlaced = frame.ImageDesc.Interlace;
    result.localPalette = frame.ImageDesc.ColorMap != nullptr;
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) {
      result.transparentIndex = control.TransparentColor;
    }
    const std::size_t count =
        static_cast<std::size_t>(frame.ImageDesc.Width) * frame.ImageDesc.Height;
    result.indices.assign(frame.RasterBits, frame.RasterBits + count);
  }
  DGifCloseFile(gif, &error);
  return result;
}

}  // namespace asset_tests
