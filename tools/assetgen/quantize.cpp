#include "quantize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

struct Entry {
  Rgb8 colour;
  long weight;
};
using Box = std::vector<Entry>;

int Channel(const Rgb8& c, int channel) { return channel == 0 ? c.r : channel == 1 ? c.g : c.b; }

// Widest channel and its extent; a box of one colour has extent 0.
std::pair<int, int> WidestChannel(const Box& box) {
  int bestChannel = 0, bestRange = -1;
  for (int channel = 0; channel < 3; ++channel) {
    int low = 255, high = 0;
    for (const Entry& e : box) {
      low = std::min(low, Channel(e.colour, channel));
      high = std::max(high, Channel(e.colour, channel));
    }
    if (high - low > bestRange) bestRange = high - low, bestChannel = channel;
  }
  return {bestChannel, bestRange};
}

void SplitWidestBox(std::vector<Box>& boxes) {
  std::size_t chosen = 0;
  double bestScore = -1;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].size() < 2) continue;
    long weight = 0;
    for (const Entry& e : boxes[i]) weight += e.weight;
    // Range weighted by population: busy regions of colour get more entries.
    const double score = WidestChannel(boxes[i]).second * std::sqrt(double(weight));
    if (score > bestScore) bestScore = score, chosen = i;
  }
  Box& box = boxes[chosen];
  const int channel = WidestChannel(box).first;
  std::sort(box.begin(), box.end(), [channel](const Entry& a, const Entry& b) {
    const int ca = Channel(a.colour, channel), cb = Channel(b.colour, channel);
    return ca != cb ? ca < cb : a.colour < b.colour;
  });
  long total = 0;
  for (const Entry& e : box) total += e.weight;
  long running = 0;
  std::size_t cut = 1;
  for (; cut < box.size() - 1; ++cut) {
    running += box[cut - 1].weight;
    if (2 * running >= total) break;
  }
  Box upper(box.begin() + static_cast<long>(cut), box.end());
  box.resize(cut);
  boxes.push_back(std::move(upper));
}

Rgb8 MeanColour(const Box& box) {
  double r = 0, g = 0, b = 0, weight = 0;
  for (const Entry& e : box) {
    r += e.colour.r * double(e.weight);
    g += e.colour.g * double(e.weight);
    b += e.colour.b * double(e.weight);
    weight += double(e.weight);
  }
  return ToRgb8({r / weight, g / weight, b / weight});
}

// The free colour nearest to `centre`, searched in growing cubes around it.
Rgb8 NearestFreeColour(const Rgb8& centre, const std::set<Rgb8>& taken) {
  for (int reach = 1; reach < 256; ++reach) {
    const Rgb8* best = nullptr;
    Rgb8 candidate;
    long bestDistance = 0;
    for (int dr = -reach; dr <= reach; ++dr) {
      for (int dg = -reach; dg <= reach; ++dg) {
        for (int db = -reach; db <= reach; ++db) {
          if (std::max({std::abs(dr), std::abs(dg), std::abs(db)}) != reach) continue;
          const int r = centre.r + dr, g = centre.g + dg, b = centre.b + db;
          if (r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255) continue;
          const Rgb8 colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                            static_cast<std::uint8_t>(b)};
          const long distance = long(dr) * dr + long(dg) * dg + long(db) * db;
          if (taken.contains(colour) || (best && distance >= bestDistance)) continue;
          candidate = colour, best = &candidate, bestDistance = distance;
        }
      }
    }
    if (best) return *best;
  }
  throw std::runtime_error("quantize: cannot keep the palette colours distinct");
}

// Two boxes can average to the same colour; the later one then takes the
// nearest of its own members that is still free, or failing that the free
// colour nearest to its mean, keeping the palette distinct.
Rgb8 DistinctColour(const Box& box, const std::set<Rgb8>& taken) {
  const Rgb8 mean = MeanColour(box);
  if (!taken.contains(mean)) return mean;
  const Entry* best = nullptr;
  long bestDistance = 0;
  for (const Entry& e : box) {
    if (taken.contains(e.colour)) continue;
    const long dr = e.colour.r - mean.r, dg = e.colour.g - mean.g, db = e.colour.b - mean.b;
    const long distance = dr * dr + dg * dg + db * db;
    if (!best || distance < bestDistance) best = &e, bestDistance = distance;
  }
  if (!best) return NearestFreeColour(mean, taken);
  return best->colour;
}

}  // namespace

Quantized Quantize(const std::vector<Rgb8>& pixels, int limit) {
  std::map<Rgb8, long> histogram;
  for (const Rgb8& c : pixels) ++histogram[c];
  std::vector<Box> boxes(1);
  for (const auto& [colour, weight] : histogram) boxes[0].push_back({colour, weight});
  while (static_cast<int>(boxes.size()) < limit &&
         static_cast<int>(boxes.size()) < static_cast<int>(histogram.size())) {
    SplitWidestBox(boxes);
  }
  Quantized result;
  std::set<Rgb8> taken;
  std::map<Rgb8, int> indexOf;
  for (const Box& box : boxes) {
    const Rgb8 colour = DistinctColour(box, taken);
    taken.insert(colour);
    for (const Entry& e : box) indexOf[e.colour] = static_cast<int>(result.palette.size());
    result.palette.push_back(colour);
  }
  result.indices.reserve(pixels.size());
  for (const Rgb8& c : pixels) result.indices.push_back(indexOf.at(c));
  return result;
}

Quantized QuantizeExactly(const std::vector<Rgb8>& pixels, int count) {
  Quantized result = Quantize(pixels, count);
  if (static_cast<int>(result.palette.size()) != count) {
    throw std::runtime_error("quantize: the picture has only " +
                             std::to_string(result.palette.size()) + " colours, " +
                             std::to_string(count) + " wanted");
  }
  return result;
}

}  // namespace assetgen
