#include "imaging/gif_decoder.h"

#include <array>
#include <cstring>

namespace imaging {

namespace {

// Larger screens are refused rather than allocated: the program's pictures
// are a few hundred pixels wide.
constexpr long long kMaxPixels = 4096LL * 4096LL;
constexpr int kMaxCodes = 4096;  // GIF codes are at most 12 bits

class Reader {
 public:
  Reader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  bool Has(std::size_t count) const { return size_ - position_ >= count; }
  std::uint8_t Byte() { return Has(1) ? bytes_[position_++] : Fail(); }
  int Word() {
    const int low = Byte();
    return low | Byte() << 8;
  }
  const std::uint8_t* Take(std::size_t count) {
    if (!Has(count)) {
      Fail();
      return nullptr;
    }
    const std::uint8_t* start = bytes_ + position_;
    position_ += count;
    return start;
  }
  bool Failed() const { return failed_; }

 private:
  std::uint8_t Fail() {
    failed_ = true;
    position_ = size_;
    return 0;
  }

  const std::uint8_t* bytes_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

using Palette = std::array<std::uint32_t, 256>;

// A colour table of 2^(1 + (packed & 7)) entries, as opaque pixels.
bool ReadPalette(Reader& in, int packed, Palette& palette, int& count) {
  count = 2 << (packed & 7);
  const std::uint8_t* rgb = in.Take(static_cast<std::size_t>(count) * 3);
  if (!rgb) return false;
  for (int i = 0; i < count; ++i)
    palette[i] = kOpaque | std::uint32_t{rgb[3 * i]} << 16 | std::uint32_t{rgb[3 * i + 1]} << 8 |
                 rgb[3 * i + 2];
  return true;
}

// The data sub-blocks that follow, joined; false when they run past the end.
bool ReadSubBlocks(Reader& in, std::vector<std::uint8_t>* joined) {
  for (;;) {
    const std::uint8_t length = in.Byte();
    if (in.Failed()) return false;
    if (length == 0) return true;
    const std::uint8_t* block = in.Take(length);
    if (!block) return false;
    if (joined) joined->insert(joined->end(), block, block + length);
  }
}

// Least significant bit first, as GIF packs its codes.
class CodeReader {
 public:
  explicit CodeReader(const std::vector<std::uint8_t>& data) : data_(data) {}
  // -1 once the data runs out.
  int Next(int bits) {
    while (held_ < bits) {
      if (position_ == data_.size()) return -1;
      buffer_ |= std::uint32_t{data_[position_++]} << held_;
      held_ += 8;
    }
    const int code = static_cast<int>(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    held_ -= bits;
    return code;
  }

 private:
  const std::vector<std::uint8_t>& data_;
  std::size_t position_ = 0;
  std::uint32_t buffer_ = 0;
  int held_ = 0;
};

// The frame's colour indices in stream order; the stream may end early.
std::vector<std::uint8_t> DecompressIndices(const std::vector<std::uint8_t>& data, int minCodeSize,
                                            std::size_t pixelCount) {
  std::vector<std::uint8_t> out;
  out.reserve(pixelCount);
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{};
  std::array<std::uint8_t, kMaxCodes> first{};
  std::array<std::uint8_t, kMaxCodes> stack{};
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  for (int code = 0; code < clear; ++code) {
    suffix[code] = static_cast<std::uint8_t>(code);
    first[code] = static_cast<std::uint8_t>(code);
  }
  int codeSize = minCodeSize + 1;
  int next = clear + 2;
  int previous = -1;
  CodeReader codes(data);
  while (out.size() < pixelCount) {
    const int code = codes.Next(codeSize);
    if (code < 0 || code == end) break;
    if (code == clear) {
      codeSize = minCodeSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      if (code > clear) break;  // the first code after a clear must be a root
      out.push_back(static_cast<std::uint8_t>(code));
      previous = code;
      continue;
    }
    if (code > next) break;
    // A code not yet in the table (code == next) stands for the previous
    // string followed by its own first index.
    const bool known = code < next;
    int depth = 0;
    if (!known) stack[depth++] = first[previous];
    for (int walk = known ? code : previous; walk > end; walk = prefix[walk])
      stack[depth++] = suffix[walk];
    stack[depth++] = first[known ? code : previous];
    while (depth > 0 && out.size() < pixelCount) out.push_back(stack[--depth]);
    if (next < kMaxCodes) {
      prefix[next] = static_cast<std::uint16_t>(previous);
      suffix[next] = known ? first[code] : first[previous];
      first[next] = first[previous];
      ++next;
      if (next == 1 << codeSize && codeSize < 12) ++codeSize;
    }
    previous = code;
  }
  return out;
}

// The row of the frame that the n-th row of the stream fills.
int FrameRow(int n, int height, bool interlaced) {
  if (!interlaced) return n;
  static constexpr int kStart[] = {0, 4, 2, 1};
  static constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows =
        kStart[pass] < height ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
    if (n < rows) return kStart[pass] + n * kStep[pass];
    n -= rows;
  }
  return -1;
}

}  // namespace

std::optional<Pixels> DecodeGif(const std::uint8_t* bytes, std::size_t size) {
  Reader in(bytes, size);
  const std::uint8_t* signature = in.Take(6);
  if (!signature ||
      (std::memcmp(signature, "GIF87a", 6) != 0 && std::memcmp(signature, "GIF89a", 6) != 0))
    return std::nullopt;
  Pixels pixels;
  pixels.width = in.Word();
  pixels.height = in.Word();
  const int screenFlags = in.Byte();
  in.Take(2);  // background colour and aspect ratio: not drawn
  if (in.Failed() || pixels.width == 0 || pixels.height == 0 ||
      static_cast<long long>(pixels.width) * pixels.height > kMaxPixels)
    return std::nullopt;
  Palette palette{};
  int colours = 0;
  if ((screenFlags & 0x80) && !ReadPalette(in, screenFlags, palette, colours)) return std::nullopt;

  int transparent = -1;
  for (;;) {
    const std::uint8_t introducer = in.Byte();
    if (in.Failed() || introducer == 0x3B) return std::nullopt;  // no image at all
    if (introducer == 0x21) {
      const std::uint8_t label = in.Byte();
      std::vector<std::uint8_t> data;
      if (!ReadSubBlocks(in, &data)) return std::nullopt;
      if (label == 0xF9 && data.size() >= 4) transparent = (data[0] & 1) ? data[3] : -1;
      continue;
    }
    if (introducer != 0x2C) return std::nullopt;

    const int left = in.Word();
    const int top = in.Word();
    const int width = in.Word();
    const int height = in.Word();
    const int imageFlags = in.Byte();
    if (in.Failed()) return std::nullopt;
    if ((imageFlags & 0x80) && !ReadPalette(in, imageFlags, palette, colours)) return std::nullopt;
    const int minCodeSize = in.Byte();
    std::vector<std::uint8_t> data;
    if (in.Failed() || minCodeSize < 2 || minCodeSize > 8 || !ReadSubBlocks(in, &data))
      return std::nullopt;

    pixels.argb.assign(static_cast<std::size_t>(pixels.width) * pixels.height, 0);
    const std::size_t count = static_cast<std::size_t>(width) * height;
    if (count > static_cast<std::size_t>(kMaxPixels)) return std::nullopt;
    const std::vector<std::uint8_t> indices = DecompressIndices(data, minCodeSize, count);
    const bool interlaced = (imageFlags & 0x40) != 0;
    for (std::size_t i = 0; i < indices.size(); ++i) {
      const int index = indices[i];
      const int x = left + static_cast<int>(i % width);
      const int y = top + FrameRow(static_cast<int>(i / width), height, interlaced);
      if (index == transparent || index >= colours || x >= pixels.width || y < 0 ||
          y >= pixels.height)
        continue;
      pixels.argb[static_cast<std::size_t>(y) * pixels.width + x] = palette[index];
    }
    return pixels;
  }
}

}  // namespace imaging
