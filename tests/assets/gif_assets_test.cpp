// The GIF pictures: the six note sheets, the close glyph and the emblem.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "gif_reader.h"

namespace asset_tests {
namespace {

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};

struct NoteSheet {
  const char* file;
  Colour header;
  Colour body;
  Colour darkest;
};

const NoteSheet kNoteSheets[] = {
    {"pictures/note_orange.gif", {250, 200, 117}, {249, 172, 63}, {109, 110, 113}},
    {"pictures/note_red.gif", {229, 137, 137}, {219, 90, 90}, {182, 40, 40}},
    {"pictures/note_yellow.gif", {233, 229, 134}, {224, 218, 85}, {187, 180, 35}},
    {"pictures/note_pink.gif", {240, 127, 215}, {234, 75, 199}, {199, 24, 161}},
    {"pictures/note_blue.gif", {140, 178, 227}, {93, 146, 216}, {44, 102, 179}},
    {"pictures/note_green.gif", {208, 228, 138}, {190, 218, 91}, {150, 181, 42}},
};

double Luma(const Colour& c) { return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]; }

// One full-size, non-interlaced frame at the origin with a 256-entry global table.
void ExpectSingleFrame(const DecodedGif& gif, int width, int height, int transparentIndex) {
  EXPECT_EQ(gif.signature, "GIF89a");
  EXPECT_EQ(gif.width, width);
  EXPECT_EQ(gif.height, height);
  EXPECT_EQ(gif.frames, 1);
  EXPECT_EQ(gif.frameLeft, 0);
  EXPECT_EQ(gif.frameTop, 0);
  EXPECT_EQ(gif.frameWidth, width);
  EXPECT_EQ(gif.frameHeight, height);
  EXPECT_FALSE(gif.interlaced);
  EXPECT_FALSE(gif.localPalette);
  EXPECT_EQ(gif.palette.size(), 256u);
  EXPECT_EQ(gif.transparentIndex, transparentIndex);
}

struct Census {
  std::set<int> usedIndices;
  std::set<Colour> opaqueColours;
  int transparentPixels = 0;
  int opaqueBlackPixels = 0;
};

Census Count(const DecodedGif& gif) {
  Census census;
  for (std::uint8_t index : gif.indices) {
    census.usedIndices.insert(index);
    if (index == gif.transparentIndex) {
      ++census.transparentPixels;
      continue;
    }
    census.opaqueColours.insert(gif.palette[index]);
    if (gif.palette[index] == kBlack) ++census.opaqueBlackPixels;
  }
  return census;
}

Colour MostFrequentColour(const DecodedGif& gif, int firstRow, int lastRow) {
  std::map<Colour, int> counts;
  for (int y = firstRow; y <= lastRow; ++y) {
    for (int x = 0; x < gif.width; ++x) {
      if (gif.IndexAt(x, y) != gif.transparentIndex) ++counts[gif.palette[gif.IndexAt(x, y)]];
    }
  }
  return std::max_element(counts.begin(), counts.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

class NoteSheetTest : public testing::TestWithParam<NoteSheet> {};

TEST_P(NoteSheetTest, FormatPaletteAndTransparency) {
  const DecodedGif gif = DecodeGif(ReadAsset(GetParam().file));
  ExpectSingleFrame(gif, 250, 267, 255);
  const Census census = Count(gif);
  EXPECT_EQ(census.usedIndices.size(), 42u);
  EXPECT_EQ(census.opaqueColours.size(), 41u) << "every opaque entry should be its own colour";
  EXPECT_EQ(census.transparentPixels, 8474);
  EXPECT_EQ(census.opaqueBlackPixels, 0) << "black pixels would be holes in the note";
  EXPECT_EQ(gif.palette[255], kWhite);
}

TEST_P(NoteSheetTest, RepresentativeColours) {
  const DecodedGif gif = DecodeGif(ReadAsset(GetParam().file));
  EXPECT_EQ(MostFrequentColour(gif, 0, 28), GetParam().header);
  EXPECT_EQ(MostFrequentColour(gif, 31, 245), GetParam().body);
  Colour darkest = kWhite;
  for (std::uint8_t index : gif.indices) {
    if (index != gif.transparentIndex && Luma(gif.palette[index]) < Luma(darkest)) {
      darkest = gif.palette[index];
    }
  }
  EXPECT_EQ(darkest, GetParam().darkest);
  // The bottom edge is the shadow: its most frequent colour is darker than the body's.
  EXPECT_LT(Luma(MostFrequentColour(gif, 246, 255)), Luma(GetParam().body));
}

INSTANTIATE_TEST_SUITE_P(AllStyles, NoteSheetTest, testing::ValuesIn(kNoteSheets),
                         [](const testing::TestParamInfo<NoteSheet>& info) {
                           std::string name = info.param.file;
                           name = name.substr(name.find('_') + 1);
                           return name.substr(0, name.find('.'));
                         });

TEST(NoteSheetLayout, AllStylesShareOnePixelMap) {
  const DecodedGif first = DecodeGif(ReadAsset(kNoteSheets[0].file));
  for (const NoteSheet& sheet : kNoteSheets) {
    EXPECT_EQ(DecodeGif(ReadAsset(sheet.file)).indices, first.indices) << sheet.file;
  }
}

TEST(NoteSheetLayout, OutlineOfTheSheet) {
  const DecodedGif gif = DecodeGif(ReadAsset(kNoteSheets[0].file));
  const auto opaque = [&gif](int x, int y) { return gif.IndexAt(x, y) != 255; };
  std::vector<int> right(256);
  for (int y = 0; y < 256; ++y) {
    const int left = y == 0 ? 6 : 5;
    int last = -1;
    for (int x = 0; x < gif.width; ++x) {
      if (opaque(x, y)) last = x;
    }
    right[y] = last;
    // One unbroken run of sheet per row, from the left edge to the right edge.
    for (int x = 0; x < gif.width; ++x) {
      ASSERT_EQ(opaque(x, y), x >= left && x <= last) << "row " << y << " column " << x;
    }
  }
  for (int y = 256; y < gif.height; ++y) {
    for (int x = 0; x < gif.width; ++x) ASSERT_FALSE(opaque(x, y)) << "row " << y;
  }
  for (int y = 0; y <= 93; ++y) EXPECT_EQ(right[y], 226) << "row " << y;
  for (int y = 94; y <= 238; ++y) {
    EXPECT_GE(right[y], right[y - 1]) << "row " << y;
    EXPECT_LE(right[y] - right[y - 1], 1) << "the curl moves out one column at a time, row " << y;
  }
  EXPECT_EQ(right[237], 249);
  EXPECT_EQ(right[238], 249);
  for (int y = 239; y <= 241; ++y) EXPECT_LT(right[y], right[y - 1]) << "row " << y;
  for (int y = 241; y <= 255; ++y) EXPECT_EQ(right[y], 237) << "row " << y;
}

TEST(CloseGlyph, BlueTileWithWhiteCross) {
  const DecodedGif gif = DecodeGif(ReadAsset("pictures/close.gif"));
  ExpectSingleFrame(gif, 16, 16, 255);
  const Census census = Count(gif);
  EXPECT_EQ(census.opaqueColours.size(), 41u);
  EXPECT_EQ(census.usedIndices.size(), 42u);
  EXPECT_EQ(census.opaqueBlackPixels, 0);
  EXPECT_EQ(gif.palette[255], kWhite);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool corner = (x == 0 || x == 15) && (y == 0 || y == 15);
      EXPECT_EQ(gif.IndexAt(x, y) == 255, corner) << x << "," << y;
    }
  }
  const auto colour = [&gif](int x, int y) { return gif.palette[gif.IndexAt(x, y)]; };
  for (int d = 6; d <= 9; ++d) {
    EXPECT_GE(Luma(colour(d, d)), 220) << "the cross runs through " << d << "," << d;
    EXPECT_GE(Luma(colour(15 - d, d)), 220) << "the cross runs through " << 15 - d << "," << d;
  }
  for (const auto& [x, y] : {std::pair{8, 2}, {2, 8}, {13, 8}, {8, 13}}) {
    const Colour c = colour(x, y);
    EXPECT_GT(c[2], c[0] + 60) << "blue between the arms at " << x << "," << y;
  }
}

TEST(Emblem, FormatAndTransparency) {
  const DecodedGif gif = DecodeGif(ReadAsset("pictures/emblem.gif"));
  ExpectSingleFrame(gif, 48, 48, 48);
  const Census census = Count(gif);
  EXPECT_EQ(census.transparentPixels, 664);
  EXPECT_EQ(census.opaqueColours.size(), 127u);
  EXPECT_EQ(census.usedIndices.size(), 128u);
  const Colour grey = gif.palette[48];
  EXPECT_TRUE(grey[0] == grey[1] && grey[1] == grey[2] && grey[0] >= 160 && grey[0] < 255)
      << "the transparent entry is light grey";
  // The sheet sits in the middle, its margins show through.
  EXPECT_NE(gif.IndexAt(24, 24), 48);
  EXPECT_EQ(gif.IndexAt(0, 0), 48);
  EXPECT_EQ(gif.IndexAt(47, 0), 48);
}

}  // namespace
}  // namespace asset_tests
