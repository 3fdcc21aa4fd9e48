#include "imaging/resample.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace imaging {

namespace {

// How much of source pixel `source` goes into a new pixel, in integer
// units, so that every build computes the same picture.
struct Tap {
  int source;
  std::uint32_t weight;
};

// The taps of every new pixel along one axis; each pixel's taps add up to
// `total`.
struct Axis {
  std::vector<std::vector<Tap>> taps;
  std::uint32_t total = 0;
};

// Reduction: new pixel i covers [i * from, (i + 1) * from) and source
// pixel j covers [j * to, (j + 1) * to), both in units of 1 / to of a
// source pixel; the weight is their overlap.
Axis AreaAxis(int from, int to) {
  Axis axis{std::vector<std::vector<Tap>>(static_cast<std::size_t>(to)),
            static_cast<std::uint32_t>(from)};
  for (int i = 0; i < to; ++i) {
    const long long start = static_cast<long long>(i) * from, end = start + from;
    for (int j = static_cast<int>(start / to); j < from && static_cast<long long>(j) * to < end;
         ++j) {
      const long long low =
          static_cast<long long>(j) * to > start ? static_cast<long long>(j) * to : start;
      const long long high = (j + 1LL) * to < end ? (j + 1LL) * to : end;
      if (high > low) axis.taps[i].push_back({j, static_cast<std::uint32_t>(high - low)});
    }
  }
  return axis;
}

// Enlargement: the centre of new pixel i lies at (2i + 1) * from - to in
// units of 1 / (2 * to) of a source pixel, counted from the first source
// pixel's centre; the two source pixels around it share the weight.
Axis LinearAxis(int from, int to) {
  const long long unit = 2LL * to;
  Axis axis{std::vector<std::vector<Tap>>(static_cast<std::size_t>(to)),
            static_cast<std::uint32_t>(unit)};
  for (int i = 0; i < to; ++i) {
    const long long position = (2LL * i + 1) * from - to;
    const long long left = position >= 0 ? position / unit : -((-position + unit - 1) / unit);
    const long long fraction = position - left * unit;
    const auto clamp = [from](long long j) {
      return static_cast<int>(j < 0 ? 0 : j >= from ? from - 1 : j);
    };
    std::vector<Tap>& taps = axis.taps[i];
    taps.push_back({clamp(left), static_cast<std::uint32_t>(unit - fraction)});
    if (fraction > 0) taps.push_back({clamp(left + 1), static_cast<std::uint32_t>(fraction)});
  }
  return axis;
}

Axis AxisFor(int from, int to) { return to <= from ? AreaAxis(from, to) : LinearAxis(from, to); }

// Sums over the opaque part of an area: its weight and the weighted
// channels.
struct Sums {
  std::uint64_t opaque = 0, red = 0, green = 0, blue = 0;
};

std::uint32_t Average(std::uint64_t sum, std::uint64_t weight) {
  return static_cast<std::uint32_t>((2 * sum + weight) / (2 * weight));
}

}  // namespace

Pixels Resample(const Pixels& picture, int width, int height) {
  if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0) return {};
  const Axis across = AxisFor(picture.width, width);
  const Axis down = AxisFor(picture.height, height);

  // First along the rows: every source row at the new width.
  std::vector<Sums> rows(static_cast<std::size_t>(picture.height) * width);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint32_t* source = picture.argb.data() + static_cast<std::size_t>(y) * picture.width;
    for (int x = 0; x < width; ++x) {
      Sums& sums = rows[static_cast<std::size_t>(y) * width + x];
      for (const Tap& tap : across.taps[x]) {
        const std::uint32_t pixel = source[tap.source];
        if (!(pixel & kOpaque)) continue;
        sums.opaque += tap.weight;
        sums.red += std::uint64_t{tap.weight} * ((pixel >> 16) & 0xFF);
        sums.green += std::uint64_t{tap.weight} * ((pixel >> 8) & 0xFF);
        sums.blue += std::uint64_t{tap.weight} * (pixel & 0xFF);
      }
    }
  }

  // Then down the columns.
  const std::uint64_t area = std::uint64_t{across.total} * down.total;
  Pixels result{width, height,
                std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Sums sums;
      for (const Tap& tap : down.taps[y]) {
        const Sums& row = rows[static_cast<std::size_t>(tap.source) * width + x];
        sums.opaque += tap.weight * row.opaque;
        sums.red += tap.weight * row.red;
        sums.green += tap.weight * row.green;
        sums.blue += tap.weight * row.blue;
      }
      if (2 * sums.opaque < area) continue;  // stays transparent: 0
      std::uint32_t colour = Average(sums.red, sums.opaque) << 16 |
                             Average(sums.green, sums.opaque) << 8 |
                             Average(sums.blue, sums.opaque);
      // Black would become a hole in a colour-keyed window.
      if (colour == 0 && sums.red + sums.green + sums.blue > 0) colour = 0x010101;
      result.argb[static_cast<std::size_t>(y) * width + x] = kOpaque | colour;
    }
  }
  return result;
}

}  // namespace imaging
