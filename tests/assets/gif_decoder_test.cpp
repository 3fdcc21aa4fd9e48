// The program's own GIF decoder, against giflib: every committed GIF, files
// giflib writes with what the committed ones do not use (interlacing, a full
// code table, a frame smaller than the screen, local colours), and damaged
// files, which give nothing, never a read outside them.
#include "imaging/gif_decoder.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "asset_files.h"
#include "gif_reader.h"

namespace asset_tests {
namespace {

std::optional<imaging::Pixels> Decode(const Bytes& file) {
  return imaging::DecodeGif(file.data(), file.size());
}

std::uint32_t Argb(const Colour& c) {
  return imaging::kOpaque | std::uint32_t{c[0]} << 16 | std::uint32_t{c[1]} << 8 | c[2];
}

TEST(GifDecoder, ReadsEveryCommittedGifAsGiflibDoes) {
  for (const char* name : {"close.gif", "emblem.gif", "note_blue.gif", "note_green.gif",
                           "note_orange.gif", "note_pink.gif", "note_red.gif", "note_yellow.gif"}) {
    SCOPED_TRACE(name);
    const Bytes file = ReadAsset(std::string("pictures/") + name);
    const DecodedGif reference = DecodeGif(file);
    const std::optional<imaging::Pixels> pixels = Decode(file);
    ASSERT_TRUE(pixels);
    ASSERT_EQ(pixels->width, reference.width);
    ASSERT_EQ(pixels->height, reference.height);
    for (int y = 0; y < reference.height; ++y)
      for (int x = 0; x < reference.width; ++x) {
        const int index = reference.IndexAt(x, y);
        const std::uint32_t want =
            index == reference.transparentIndex ? 0 : Argb(reference.palette[index]);
        ASSERT_EQ(pixels->argb[static_cast<std::size_t>(y) * reference.width + x], want)
            << "at " << x << "," << y;
      }
  }
}

// A single-frame GIF written by giflib.
struct Picture {
  int screenWidth, screenHeight;
  int left, top, width, height;
  bool interlaced;
  bool localColours;
  int colourBits;
  int transparent;                    // -1 for none
  std::vector<std::uint8_t> indices;  // the frame's, row by row
  std::vector<GifColorType> colours;
};

int Append(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

Bytes Encode(const Picture& p) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, Append, &error);
  EXPECT_TRUE(gif);
  ColorMapObject* map = GifMakeMapObject(1 << p.colourBits, p.colours.data());
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, p.screenWidth, p.screenHeight, p.colourBits, 0,
                    p.localColours ? nullptr : map);
  if (p.transparent >= 0) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, p.transparent};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
  }
  EGifPutImageDesc(gif, p.left, p.top, p.width, p.height, p.interlaced,
                   p.localColours ? map : nullptr);
  // giflib writes lines in the order given; an interlaced file wants them
  // pass by pass.
  for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
    for (int y = p.interlaced ? start : 0; y < p.height; y += p.interlaced ? step : 1)
      EGifPutLine(gif, const_cast<GifPixelType*>(&p.indices[static_cast<std::size_t>(y) * p.width]),
                  p.width);
    if (!p.interlaced) break;
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

Picture Random(int screenWidth, int screenHeight, int left, int top, int width, int height,
               bool interlaced, bool localColours, int colourBits, int transparent, unsigned seed) {
  Picture p{screenWidth, screenHeight, left,       top,         width, height,
            interlaced,  localColours, colourBits, transparent, {},    {}};
  std::mt19937 random(seed);
  for (int i = 0; i < 1 << colourBits; ++i)
    p.colours.push_back({static_cast<GifByteType>(random()), static_cast<GifByteType>(random()),
                         static_cast<GifByteType>(random())});
  // Runs of repeated indices between noise, so that long strings form too.
  while (p.indices.size() < static_cast<std::size_t>(width) * height) {
    const auto index = static_cast<std::uint8_t>(random() % (1u << colourBits));
    p.indices.insert(p.indices.end(), random() % 3 ? 1 : 1 + random() % 40, index);
  }
  p.indices.resize(static_cast<std::size_t>(width) * height);
  return p;
}

TEST(GifDecoder, ReadsWhatGiflibWrites) {
  const struct {
    const char* name;
    Picture picture;
  } cases[] = {
      {"noise that fills the code table", Random(300, 200, 0, 0, 300, 200, false, false, 8, -1, 1)},
      {"interlaced", Random(37, 29, 0, 0, 37, 29, true, false, 4, -1, 2)},
      {"interlaced, fewer rows than passes", Random(5, 3, 0, 0, 5, 3, true, false, 2, -1, 3)},
      {"a frame inside the screen", Random(20, 10, 3, 2, 5, 4, false, false, 3, -1, 4)},
      {"a frame past the screen's edge", Random(8, 8, 5, 6, 6, 5, false, false, 3, -1, 5)},
      {"local colours and a transparent index", Random(64, 48, 0, 0, 64, 48, false, true, 5, 7, 6)},
      {"two colours", Random(33, 17, 0, 0, 33, 17, false, false, 1, 1, 7)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture& p = c.picture;
    const std::optional<imaging::Pixels> pixels = Decode(Encode(p));
    ASSERT_TRUE(pixels);
    ASSERT_EQ(pixels->width, p.screenWidth);
    ASSERT_EQ(pixels->height, p.screenHeight);
    for (int y = 0; y < p.screenHeight; ++y)
      for (int x = 0; x < p.screenWidth; ++x) {
        const bool inFrame =
            x >= p.left && x < p.left + p.width && y >= p.top && y < p.top + p.height;
        const int index =
            inFrame ? p.indices[static_cast<std::size_t>(y - p.top) * p.width + x - p.left] : -1;
        const std::uint32_t want =
            index < 0 || index == p.transparent
                ? 0
                : Argb({p.colours[index].Red, p.colours[index].Green, p.colours[index].Blue});
        ASSERT_EQ(pixels->argb[static_cast<std::size_t>(y) * p.screenWidth + x], want)
            << "at " << x << "," << y;
      }
  }
}

TEST(GifDecoder, DamagedFilesGiveNothing) {
  const Bytes sheet = ReadAsset("pictures/note_yellow.gif");
  const auto patched = [&](std::initializer_list<std::pair<std::size_t, std::uint8_t>> changes) {
    Bytes changed = sheet;
    for (const auto& [offset, value] : changes) changed[offset] = value;
    return changed;
  };
  const auto cut = [&](std::size_t length) { return Bytes(sheet.begin(), sheet.begin() + length); };
  // After the screen, its 256 colours and the graphic control extension.
  const std::size_t image = 13 + 3 * 256 + 8;
  ASSERT_EQ(sheet[image], 0x2C);
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"empty", {}},
      {"another signature", patched({{3, '9'}})},
      {"zero width", patched({{6, 0}, {7, 0}})},
      {"a screen too large to allocate", patched({{6, 0xFF}, {7, 0xFF}, {8, 0xFF}, {9, 0xFF}})},
      {"cut inside the colour table", cut(40)},
      {"a trailer before any image", patched({{13 + 3 * 256, 0x3B}})},
      {"an unknown block", patched({{image, 0x99}})},
      {"a code size beyond eight bits", patched({{image + 10, 12}})},
      {"cut inside the code stream", cut(sheet.size() - 1000)},
  };
  for (const auto& c : cases) EXPECT_FALSE(Decode(c.file)) << c.name;
}

}  // namespace
}  // namespace asset_tests
