// The two JPEG pictures: About background and alarm alert.
#include <gtest/gtest.h>

#include <cstdio>
// jpeglib.h relies on stdio.h's FILE and size_t being declared first.
#include <jpeglib.h>

#include <array>
#include <map>
#include <stdexcept>

#include "asset_files.h"

namespace asset_tests {
namespace {

struct Segment {
  int marker = 0;
  Bytes body;  // without the length field
};

struct JpegStructure {
  std::vector<Segment> segments;  // up to and including the start of scan
  int restartMarkers = 0;         // RSTn markers inside the entropy-coded data
  bool endsWithEoi = false;
};

std::uint16_t BigEndian16(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes.at(offset) << 8 | bytes.at(offset + 1));
}

JpegStructure ParseJpeg(const Bytes& file) {
  if (file.size() < 4 || file[0] != 0xFF || file[1] != 0xD8) throw std::runtime_error("no SOI");
  JpegStructure result;
  std::size_t at = 2;
  while (true) {
    if (file.at(at) != 0xFF) throw std::runtime_error("expected a marker");
    const int marker = file.at(at + 1);
    const std::size_t length = BigEndian16(file, at + 2);
    result.segments.push_back({marker, Bytes(file.begin() + static_cast<long>(at + 4),
                                             file.begin() + static_cast<long>(at + 2 + length))});
    at += 2 + length;
    if (marker == 0xDA) break;
  }
  for (; at + 1 < file.size(); ++at) {
    if (file[at] != 0xFF) continue;
    const int next = file[at + 1];
    if (next >= 0xD0 && next <= 0xD7) ++result.restartMarkers;
    if (next == 0xD9) result.endsWithEoi = at + 2 == file.size();
  }
  return result;
}

const Segment* Find(const JpegStructure& jpeg, int marker) {
  for (const Segment& s : jpeg.segments) {
    if (s.marker == marker) return &s;
  }
  return nullptr;
}

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::array<int, 3>> pixels;
  const std::array<int, 3>& At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
};

Picture Decode(const Bytes& file) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), file.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  Picture picture{static_cast<int>(info.output_width), static_cast<int>(info.output_height), {}};
  std::vector<JSAMPLE> row(info.output_width * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (int x = 0; x < picture.width; ++x) {
      picture.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return picture;
}

struct JpegFacts {
  const char* file;
  int width;
  int height;
  int restartInterval;
};

class JpegFormatTest : public testing::TestWithParam<JpegFacts> {};

TEST_P(JpegFormatTest, BaselineFullColourWithRowRestarts) {
  const JpegFacts& facts = GetParam();
  const JpegStructure jpeg = ParseJpeg(ReadAsset(facts.file));
  for (const Segment& s : jpeg.segments) {
    const bool otherFrame = s.marker >= 0xC1 && s.marker <= 0xCF && s.marker != 0xC4 &&
                            s.marker != 0xC8 && s.marker != 0xCC;
    EXPECT_FALSE(otherFrame) << "frame marker " << std::hex << s.marker << " is not baseline";
  }
  const Segment* frame = Find(jpeg, 0xC0);
  ASSERT_NE(frame, nullptr) << "no baseline frame header";
  EXPECT_EQ(frame->body.at(0), 8) << "sample precision";
  EXPECT_EQ(BigEndian16(frame->body, 1), facts.height);
  EXPECT_EQ(BigEndian16(frame->body, 3), facts.width);
  ASSERT_EQ(frame->body.at(5), 3) << "components";
  for (int c = 0; c < 3; ++c) EXPECT_EQ(frame->body.at(6 + 3 * c + 1), 0x11) << "component " << c;

  const Segment* restart = Find(jpeg, 0xDD);
  ASSERT_NE(restart, nullptr);
  EXPECT_EQ(BigEndian16(restart->body, 0), facts.restartInterval);
  EXPECT_EQ(facts.restartInterval, (facts.width + 7) / 8) << "one row of blocks";
  EXPECT_EQ(jpeg.restartMarkers, (facts.height + 7) / 8 - 1);
  EXPECT_TRUE(jpeg.endsWithEoi);

  const Segment* jfif = Find(jpeg, 0xE0);
  ASSERT_NE(jfif, nullptr);
  EXPECT_EQ(Text(jfif->body, 0, 5), std::string("JFIF\0", 5));
  EXPECT_EQ(jfif->body.at(5), 1);
  EXPECT_EQ(jfif->body.at(6), 2);
  EXPECT_EQ(jfif->body.at(7), 1) << "density in dots per inch";
  EXPECT_EQ(BigEndian16(jfif->body, 8), 72);
  EXPECT_EQ(BigEndian16(jfif->body, 10), 72);

  const Picture picture = Decode(ReadAsset(facts.file));
  EXPECT_EQ(picture.width, facts.width);
  EXPECT_EQ(picture.height, facts.height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, JpegFormatTest,
                         testing::Values(JpegFacts{"pictures/about.jpg", 452, 309, 57},
                                         JpegFacts{"pictures/alert.jpg", 256, 300, 32}),
                         [](const testing::TestParamInfo<JpegFacts>& info) {
                           return info.index == 0 ? std::string("About") : std::string("Alert");
                         });

bool Near(const std::array<int, 3>& c, const std::array<int, 3>& expected, int tolerance) {
  for (int i = 0; i < 3; ++i) {
    if (std::abs(c[i] - expected[i]) > tolerance) return false;
  }
  return true;
}

bool Bluish(const std::array<int, 3>& c) { return c[2] > c[0] + 60 && c[2] > c[1] + 30; }
int Brightness(const std::array<int, 3>& c) { return c[0] + c[1] + c[2]; }

TEST(AboutPicture, PanelStripShadowAndLettering) {
  const Picture about = Decode(ReadAsset("pictures/about.jpg"));
  for (const auto& [x, y] : {std::pair{20, 60}, {400, 150}, {226, 200}, {60, 280}}) {
    EXPECT_TRUE(Near(about.At(x, y), {159, 201, 184}, 6)) << "panel at " << x << "," << y;
  }
  for (int y = 2; y < 30; y += 6) {
    const auto& c = about.At(200, y);
    EXPECT_LE(std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}), 8)
        << "grey strip row " << y;
  }
  EXPECT_FALSE(Near(about.At(200, 36), {159, 201, 184}, 6) &&
               Near(about.At(200, 28), {159, 201, 184}, 6));
  for (const auto& [x, y] : {std::pair{450, 150}, {226, 307}}) {
    EXPECT_LT(Brightness(about.At(x, y)), Brightness({159, 201, 184}) - 150)
        << "shadow at " << x << "," << y;
  }
  // The lettering: blue pixels only in the band about 80 to 96 rows down, across the middle.
  int inside = 0, outside = 0, minX = about.width, maxX = 0;
  for (int y = 34; y < 300; ++y) {
    for (int x = 0; x < 440; ++x) {
      if (!Bluish(about.At(x, y))) continue;
      if (y >= 76 && y <= 102) {
        ++inside;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
      } else {
        ++outside;
      }
    }
  }
  EXPECT_GT(inside, 400);
  EXPECT_EQ(outside, 0);
  EXPECT_LT(std::abs((minX + maxX) / 2 - about.width / 2), 30) << "centred across the window";
}

TEST(AlertPicture, RedClockOnGreenWithLettering) {
  const Picture alert = Decode(ReadAsset("pictures/alert.jpg"));
  const auto green = [](const std::array<int, 3>& c) {
    return c[1] > c[0] + 30 && c[1] > c[2] + 20;
  };
  const auto red = [](const std::array<int, 3>& c) { return c[0] > 140 && c[0] > c[1] + 80; };
  const auto white = [](const std::array<int, 3>& c) { return std::min({c[0], c[1], c[2]}) > 225; };
  for (const auto& [x, y] : {std::pair{4, 4}, {250, 120}, {6, 200}, {128, 296}}) {
    EXPECT_TRUE(green(alert.At(x, y))) << "background at " << x << "," << y;
  }
  long redCount = 0, redX = 0, redY = 0;
  for (int y = 0; y < alert.height; ++y) {
    for (int x = 0; x < alert.width; ++x) {
      if (!red(alert.At(x, y))) continue;
      ++redCount, redX += x, redY += y;
    }
  }
  ASSERT_GT(redCount, 3000);
  EXPECT_NEAR(double(redX) / redCount, 128, 12) << "the clock is centred";
  EXPECT_LT(double(redY) / redCount, 200 * 0.75) << "the clock stands in the upper two thirds";
  EXPECT_TRUE(white(alert.At(110, 90))) << "the dial is white";
  // Two bells: red up and to each side of the dial.
  EXPECT_TRUE(red(alert.At(84, 54)));
  EXPECT_TRUE(red(alert.At(172, 54)));
  int letteringPixels = 0;
  for (int y = 230; y < alert.height; ++y) {
    for (int x = 0; x < alert.width; ++x) letteringPixels += white(alert.At(x, y));
  }
  EXPECT_GT(letteringPixels, 300) << "a line of lettering near the bottom";
}

}  // namespace
}  // namespace asset_tests
