// The three window icons, every size of each, and the raw parts the resource
// script builds the icon resources from.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "asset_files.h"

namespace asset_tests {
namespace {

struct IconFacts {
  const char* name;
  int group;
  int size;  // of the window icon, the group's first image
  std::uint32_t imageBytes;
  std::uint16_t resourceId;
};

const IconFacts kIcons[] = {{"app_note", 1, 48, 3752, 30001},
                            {"controller", 2, 48, 3752, 30002},
                            {"small_sheet", 3, 32, 2216, 30003}};

// The sizes the shell asks for: small icons at 100 % to 400 %, large ones
// at 100 % to 200 %.
const int kSizes[] = {16, 20, 24, 32, 40, 48, 64};

// The window icon, then the other sizes in ascending order, each image
// numbered 30000 + 100 x group + size.
std::vector<IconFacts> ImagesOfGroup(const IconFacts& window) {
  std::vector<IconFacts> images{window};
  for (int size : kSizes) {
    if (size == window.size) continue;
    const auto bytes = std::uint32_t(40 + 1024 + size * size + (size + 31) / 32 * 4 * size);
    images.push_back(
        {window.name, window.group, size, bytes, std::uint16_t(30000 + 100 * window.group + size)});
  }
  return images;
}

// The directory shared by .ico files and icon groups: reserved 0, type 1, images.
void ExpectDirectoryHeader(const Bytes& bytes, int images) {
  EXPECT_EQ(U16(bytes, 0), 0);
  EXPECT_EQ(U16(bytes, 2), 1);
  EXPECT_EQ(U16(bytes, 4), images);
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

// The raw image of one size of a group.
std::string ImagePath(const IconFacts& window, int size) {
  if (size == window.size) return Path(window, ".icoimg");
  return std::string("icons/") + window.name + "_" + std::to_string(size) + ".icoimg";
}

class IconTest : public testing::TestWithParam<IconFacts> {};

TEST_P(IconTest, IcoFileHasOneEightBitImage) {
  const IconFacts& facts = GetParam();
  const Bytes ico = ReadAsset(Path(facts, ".ico"));
  ASSERT_EQ(ico.size(), facts.imageBytes + 22);
  ExpectDirectoryHeader(ico, 1);
  ExpectEntry(ico, 6, facts);
  EXPECT_EQ(U32(ico, 18), 22u) << "the image follows the directory";
}

// Every size is a drawing of its own: 8 bits per pixel, a palette, a
// transparent surround that leaves the screen as it is.
void ExpectIconImage(const Bytes& image, const IconFacts& facts) {
  SCOPED_TRACE(std::to_string(facts.size) + " pixels");
  ASSERT_EQ(image.size(), facts.imageBytes);
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

TEST_P(IconTest, EverySizeIsAnImageOfThatSize) {
  const IconFacts& window = GetParam();
  const Bytes ico = ReadAsset(Path(window, ".ico"));
  const Bytes windowImage = ReadAsset(Path(window, ".icoimg"));
  EXPECT_TRUE(std::equal(windowImage.begin(), windowImage.end(), ico.begin() + 22))
      << "same image as the .ico";
  std::set<Bytes> distinct;
  for (const IconFacts& image : ImagesOfGroup(window)) {
    const Bytes bytes = ReadAsset(ImagePath(window, image.size));
    ExpectIconImage(bytes, image);
    distinct.insert(bytes);
  }
  EXPECT_EQ(distinct.size(), std::size(kSizes));
}

TEST_P(IconTest, GroupNamesEverySize) {
  const IconFacts& window = GetParam();
  const Bytes group = ReadAsset(Path(window, ".grp"));
  const std::vector<IconFacts> images = ImagesOfGroup(window);
  ASSERT_EQ(group.size(), 6 + 14 * images.size());
  ExpectDirectoryHeader(group, static_cast<int>(images.size()));
  for (std::size_t i = 0; i < images.size(); ++i) {
    ExpectEntry(group, 6 + 14 * i, images[i]);
    EXPECT_EQ(U16(group, 6 + 14 * i + 12), images[i].resourceId);
  }
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
