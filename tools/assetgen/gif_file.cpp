#include "gif_file.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

int AppendToVector(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + length);
  return length;
}

void Check(int result, const char* step) {
  if (result != GIF_OK) throw std::runtime_error(std::string("gif: ") + step + " failed");
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

struct ColourMapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

std::vector<std::uint8_t> EncodeGif(const GifPicture& picture) {
  std::vector<std::uint8_t> bytes;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, AppendToVector, &error));
  if (!gif) throw std::runtime_error("gif: cannot open the encoder");
  EGifSetGifVersion(gif.get(), true);

  std::array<GifColorType, 256> colours{};
  for (std::size_t i = 0; i < colours.size(); ++i) {
    colours[i] = {picture.palette[i].r, picture.palette[i].g, picture.palette[i].b};
  }
  std::unique_ptr<ColorMapObject, ColourMapFree> map(GifMakeMapObject(256, colours.data()));
  if (!map) throw std::runtime_error("gif: cannot make the colour table");
  Check(EGifPutScreenDesc(gif.get(), picture.width, picture.height, 8, picture.transparentIndex,
                          map.get()),
        "screen descriptor");

  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.UserInputFlag = false;
  control.DelayTime = 0;
  control.TransparentColor = picture.transparentIndex;
  GifByteType extension[4];
  const std::size_t extensionLength = EGifGCBToExtension(&control, extension);
  Check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionLength),
                         extension),
        "graphics control extension");

  Check(EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr),
        "image descriptor");
  std::vector<GifPixelType> row(static_cast<std::size_t>(picture.width));
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      row[x] = picture.indices[static_cast<std::size_t>(y) * picture.width + x];
    }
    Check(EGifPutLine(gif.get(), row.data(), picture.width), "image row");
  }
  // Closing writes the trailer; it must happen before the bytes are returned.
  GifFileType* raw = gif.release();
  if (EGifCloseFile(raw, &error) != GIF_OK) throw std::runtime_error("gif: cannot finish");
  return bytes;
}

}  // namespace assetgen
