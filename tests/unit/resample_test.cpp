// Pictures brought to a display's size: area averaging with the shape as a
// thresholded mask, and the choice of the rendering to reduce.
#include "imaging/resample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "imaging/renderings.h"

namespace {

using imaging::Pixels;

constexpr std::uint32_t kClear = 0;  // transparent
constexpr std::uint32_t Opaque(std::uint32_t rgb) { return imaging::kOpaque | rgb; }

struct ResampleCase {
  const char* rule;
  Pixels picture;
  int width, height;
  std::vector<std::uint32_t> expected;
};

const ResampleCase kResampleCases[] = {
    {"at its own size every pixel comes back unchanged",
     {3, 2, {Opaque(0x102030), kClear, Opaque(0xFFFFFF), Opaque(0), Opaque(0x0000FF), kClear}},
     3,
     2,
     {Opaque(0x102030), kClear, Opaque(0xFFFFFF), Opaque(0), Opaque(0x0000FF), kClear}},
    {"halving averages each two by two block",
     {4,
      2,
      {Opaque(0x000000), Opaque(0x040404), Opaque(0xFF0000), Opaque(0xFF0000), Opaque(0x080808),
       Opaque(0x0C0C0C), Opaque(0x0000FF), Opaque(0x0000FF)}},
     2,
     1,
     {Opaque(0x060606), Opaque(0x800080)}},
    {"a new pixel weighs the parts of the pixels it covers",
     {3, 1, {Opaque(0x000000), Opaque(0x000090), Opaque(0x000030)}},
     2,
     1,
     {Opaque(0x000030), Opaque(0x000050)}},
    {"an edge half opaque keeps the colour of its opaque part, not the key's",
     {2, 1, {Opaque(0xF0A040), kClear}},
     1,
     1,
     {Opaque(0xF0A040)}},
    {"a pixel less than half opaque is transparent",
     {3, 1, {Opaque(0xF0A040), kClear, kClear}},
     1,
     1,
     {kClear}},
    {"colours that are not black never average to black",
     {3, 1, {Opaque(0x010000), Opaque(0x000100), Opaque(0x000001)}},
     1,
     1,
     {Opaque(0x010101)}},
    {"black pixels average to black", {2, 1, {Opaque(0), Opaque(0)}}, 1, 1, {Opaque(0)}},
    {"beyond the largest rendering pixels are interpolated, not repeated",
     {2, 1, {Opaque(0x000000), Opaque(0x0000C8)}},
     4,
     1,
     {Opaque(0x000000), Opaque(0x000032), Opaque(0x000096), Opaque(0x0000C8)}},
};

class ResampleTest : public testing::TestWithParam<ResampleCase> {};

TEST_P(ResampleTest, Rule) {
  const ResampleCase& c = GetParam();
  const Pixels result = imaging::Resample(c.picture, c.width, c.height);
  EXPECT_EQ(result.width, c.width);
  EXPECT_EQ(result.height, c.height);
  EXPECT_EQ(result.argb, c.expected) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(Pictures, ResampleTest, testing::ValuesIn(kResampleCases));

TEST(Renderings, TheSmallestLargeEnoughSoThatNothingIsEnlarged) {
  const std::vector<imaging::Size> sheet{{250, 267}, {500, 534}};
  const struct {
    int width, height;
    std::size_t chosen;
  } cases[] = {{250, 267, 0}, {200, 200, 0}, {251, 267, 1}, {250, 268, 1},
               {375, 401, 1}, {500, 534, 1}, {750, 801, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(imaging::RenderingFor(sheet, c.width, c.height), c.chosen)
        << c.width << " x " << c.height;
  EXPECT_EQ(imaging::ScaledLength(267, 200), 534);
  EXPECT_EQ(imaging::ScaledLength(267, 150), 401);
}

}  // namespace
