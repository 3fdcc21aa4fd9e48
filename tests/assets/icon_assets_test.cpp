// The three window icons, and the raw parts the resource script builds the
// icon resources from.
#include <gtest/gtest.h>

#include <set>

#include "asset_files.h"

namespace asset_tests {
namespace {

struct IconFacts {
  const char* name;
  int size;
  std::uint32_t imageBytes;
  std::uint16_t resourceId;
};

const IconFacts kIcons[] = {{"app_note", 48, 3752, 30001},
                            {"controller", 48, 3752, 30002},
                            {"small_sheet", 32, 2216, 30003}};

// The directory shared by .ico files and icon groups: reserved 0, type 1, one image.
void ExpectDirectoryHeader(const Bytes& bytes) {
  EXPECT_EQ(U16(bytes, 0), 0);
  EXPECT_EQ(U16(bytes, 2), 1);
  EXPECT_EQ(U16(bytes, 4), 1);
}

// Width, height, colour count, reserved, planes, bits per pixel, image bytes.
void ExpectEntry(const Bytes& bytes, std::size_t at, const IconFacts& facts) {
  EXPECT_EQ(bytes.at(at), facts.size);
  EXPECT_EQ(bytes.at(at + 1), facts.size);
  EXPECT_EQ(bytes.at(at + 2), 0) << "colour count";
  EXPECT_EQ(bytes.at(at + 3), 0);
  EXPECT_EQ(U16(bytes, at + 4), 1) << "planes";
  EXPECT_EQ(U16(bytes, at + 6), 8) << "bits per pixel";
  EXPECT_EQ(U32(bytes, at + 8), facts.imageBytes);
}

std::string Path(const IconFacts& facts, const char* extension) {
  return std::string("icons/") + facts.name + extension;
}

class IconTest : public testing::TestWithParam<IconFacts> {};

TEST_P(IconTest, IcoFileHasOneEightBitImage) {
  const IconFacts& facts = GetParam();
  const Bytes ico = ReadAsset(Path(facts, ".ico"));
  ASSERT_EQ(ico.size(), facts.imageBytes + 22);
  ExpectDirectoryHeader(ico);
  ExpectEntry(ico, 6, facts);
  EXPECT_EQ(U32(ico, 18), 22u) << "the image follows the directory";
}

TEST_P(IconTest, ImageIsBitmapInfoPaletteXorAndMask) {
  const IconFacts& facts = GetParam();
  const Bytes image = ReadAsset(Path(facts, ".icoimg"));
  const Bytes ico = ReadAsset(Path(facts, ".ico"));
  ASSERT_EQ(image.size(), facts.imageBytes);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), ico.begin() + 22)) << "same image as the .ico";
  EXPECT_EQ(U32(image, 0), 40u) << "BITMAPINFOHEADER";
  EXPECT_EQ(U32(image, 4), std::uint32_t(facts.size));
  EXPECT_EQ(U32(image, 8), std::uint32_t(2 * facts.size)) << "height doubled";
  EXPECT_EQ(U16(image, 12), 1);
  EXPECT_EQ(U16(image, 14), 8);
  EXPECT_EQ(U32(image, 16), 0u) << "uncompressed";

  const std::size_t palette = 40, xorImage = palette + 1024;
  const std::size_t andMask = xorImage + std::size_t(facts.size) * facts.size;
  const std::size_t andStride = (facts.size + 31) / 32 * 4;
  ASSERT_EQ(andMask + andStride * facts.size, image.size());
  int transparent = 0, opaque = 0, opaqueBlack = 0;
  std::set<std::uint8_t> colours;
  for (int row = 0; row < facts.size; ++row) {
    for (int x = 0; x < facts.size; ++x) {
      const std::uint8_t index = image[xorImage + std::size_t(row) * facts.size + x];
      const bool masked = image[andMask + row * andStride + x / 8] & (0x80 >> (x % 8));
      const std::size_t entry = palette + 4 * std::size_t(index);
      const bool black = image[entry] == 0 && image[entry + 1] == 0 && image[entry + 2] == 0;
      if (masked) {
        ++transparent;
        EXPECT_TRUE(black) << "a transparent pixel must not change the screen";
      } else {
        ++opaque;
        opaqueBlack += black;
        colours.insert(index);
      }
    }
  }
  EXPECT_GT(transparent, 0);
  EXPECT_GT(opaque, facts.size * facts.size / 3);
  EXPECT_EQ(opaqueBlack, 0);
  EXPECT_GT(colours.size(), 8u) << "a drawing, not a flat shape";
}

TEST_P(IconTest, GroupNamesTheIconResource) {
  const IconFacts& facts = GetParam();
  const Bytes group = ReadAsset(Path(facts, ".grp"));
  ASSERT_EQ(group.size(), 20u);
  ExpectDirectoryHeader(group);
  ExpectEntry(group, 6, facts);
  EXPECT_EQ(U16(group, 18), facts.resourceId);
}

INSTANTIATE_TEST_SUITE_P(Windows, IconTest, testing::ValuesIn(kIcons),
                         [](const testing::TestParamInfo<IconFacts>& info) {
                           return std::string(info.param.name);
                         });

TEST(Icons, ThreeDifferentImages) {
  std::set<Bytes> images;
  for (const IconFacts& facts : kIcons) images.insert(ReadAsset(Path(facts, ".icoimg")));
  EXPECT_EQ(images.size(), 3u);
}

}  // namespace
}  // namespace asset_tests
