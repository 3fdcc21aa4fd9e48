// The pictures at 200 %: each is the 100 % picture drawn finer, so that the
// program's reduction of it to any smaller size shows the same picture, and
// the note sheets' shapes stay clean of their colour key when reduced.
#include <gtest/gtest.h>

#include <cstdio>
// jpeglib.h relies on stdio.h's FILE and size_t being declared first.
#include <jpeglib.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "asset_files.h"
#include "imaging/gif_decoder.h"
#include "imaging/renderings.h"
#include "imaging/resample.h"

namespace asset_tests {
namespace {

using imaging::Pixels;

Pixels DecodeJpeg(const Bytes& file) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), file.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  Pixels pixels{static_cast<int>(info.output_width), static_cast<int>(info.output_height), {}};
  std::vector<JSAMPLE> row(info.output_width * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (std::size_t x = 0; x < info.output_width; ++x)
      pixels.argb.push_back(imaging::kOpaque | std::uint32_t{row[3 * x]} << 16 |
                            std::uint32_t{row[3 * x + 1]} << 8 | row[3 * x + 2]);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return pixels;
}

// A picture file decoded as the program decodes it.
Pixels Load(const std::string& file) {
  const Bytes bytes = ReadAsset("pictures/" + file);
  if (file.ends_with(".jpg")) return DecodeJpeg(bytes);
  return imaging::DecodeGif(bytes.data(), bytes.size()).value_or(Pixels{});
}

bool Opaque(const Pixels& p, int x, int y) {
  return x >= 0 && y >= 0 && x < p.width && y < p.height &&
         (p.argb[static_cast<std::size_t>(y) * p.width + x] & imaging::kOpaque);
}

int Channel(std::uint32_t pixel, int channel) { return (pixel >> (16 - 8 * channel)) & 0xFF; }
int Brightness(std::uint32_t pixel) {
  return Channel(pixel, 0) + Channel(pixel, 1) + Channel(pixel, 2);
}

struct PictureFacts {
  const char* stem;
  const char* extension;
  // Mean difference per channel allowed between the reduced 200 % picture
  // and the 100 % one: lettering and edges are drawn anew at each scale,
  // and the photographs are stored lossily.
  double meanDifference;
};

const PictureFacts kPictures[] = {{"note_orange", ".gif", 0.5}, {"note_red", ".gif", 0.5},
                                  {"note_yellow", ".gif", 0.5}, {"note_pink", ".gif", 0.5},
                                  {"note_blue", ".gif", 0.5},   {"note_green", ".gif", 0.5},
                                  {"close", ".gif", 3.0},       {"emblem", ".gif", 3.0},
                                  {"about", ".jpg", 1.0},       {"alert", ".jpg", 4.0}};

class ScaledPictureTest : public testing::TestWithParam<PictureFacts> {
 protected:
  void SetUp() override {
    actual_ = Load(std::string(GetParam().stem) + GetParam().extension);
    large_ = Load(std::string(GetParam().stem) + "_200" + GetParam().extension);
    ASSERT_GT(actual_.width, 0);
    ASSERT_GT(large_.width, 0);
  }
  Pixels actual_, large_;
};

TEST_P(ScaledPictureTest, IsTwiceTheSize) {
  EXPECT_EQ(large_.width, imaging::ScaledLength(actual_.width, 200));
  EXPECT_EQ(large_.height, imaging::ScaledLength(actual_.height, 200));
}

// The shape is exactly the 100 % one; the colours differ by a small mean.
TEST_P(ScaledPictureTest, ReducesToThe100PercentPicture) {
  const Pixels reduced = imaging::Resample(large_, actual_.width, actual_.height);
  int shapeDifferences = 0, compared = 0;
  long long difference = 0;
  for (int y = 0; y < actual_.height; ++y) {
    for (int x = 0; x < actual_.width; ++x) {
      const bool opaque = Opaque(actual_, x, y);
      if (Opaque(reduced, x, y) != opaque) {
        ++shapeDifferences;
      } else if (opaque) {
        const std::size_t at = static_cast<std::size_t>(y) * actual_.width + x;
        for (int channel = 0; channel < 3; ++channel)
          difference +=
              std::abs(Channel(reduced.argb[at], channel) - Channel(actual_.argb[at], channel));
        compared += 3;
      }
    }
  }
  EXPECT_EQ(shapeDifferences, 0);
  ASSERT_GT(compared, 0);
  EXPECT_LE(double(difference) / compared, GetParam().meanDifference);
}

// Reduced to the sizes of 100 % to 200 %, no edge takes in the black behind
// the transparent pixels: every opaque pixel is at least as bright as the
// darkest opaque pixel drawn, and none is black; the rest stays exactly 0.
class ShapedPictureTest : public ScaledPictureTest {};

TEST_P(ShapedPictureTest, ReducedShapesHaveNoFringeOfTheKeyColour) {
  int darkest = 3 * 255;
  for (std::uint32_t pixel : large_.argb)
    if (pixel & imaging::kOpaque) darkest = std::min(darkest, Brightness(pixel));
  for (int percent : {100, 125, 150, 175, 200}) {
    SCOPED_TRACE(std::to_string(percent) + " %");
    const Pixels reduced = imaging::Resample(large_, imaging::ScaledLength(actual_.width, percent),
                                             imaging::ScaledLength(actual_.height, percent));
    int fringe = 0, black = 0, tinted = 0;
    for (std::uint32_t pixel : reduced.argb) {
      if (!(pixel & imaging::kOpaque)) {
        tinted += pixel != 0;
        continue;
      }
      fringe += Brightness(pixel) < darkest;
      black += (pixel & 0xFFFFFF) == 0;
    }
    EXPECT_EQ(fringe, 0);
    EXPECT_EQ(black, 0);
    EXPECT_EQ(tinted, 0);
  }
}

std::string NameOf(const testing::TestParamInfo<PictureFacts>& info) { return info.param.stem; }

INSTANTIATE_TEST_SUITE_P(Pictures, ScaledPictureTest, testing::ValuesIn(kPictures), NameOf);
// The pictures with a transparent shape: the GIFs.
INSTANTIATE_TEST_SUITE_P(Pictures, ShapedPictureTest,
                         testing::ValuesIn(std::begin(kPictures), std::end(kPictures) - 2), NameOf);

}  // namespace
}  // namespace asset_tests
