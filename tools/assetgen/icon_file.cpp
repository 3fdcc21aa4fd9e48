#include "icon_file.h"

#include <stdexcept>

#include "byte_writer.h"
#include "quantize.h"

namespace assetgen {

namespace {
constexpr int kBitmapInfoHeaderSize = 40;
constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;

int RowStride(int bitsPerRow) { return (bitsPerRow + 31) / 32 * 4; }

void DirectoryHeader(ByteWriter& out, std::size_t images) {
  out.U16(0);  // reserved
  out.U16(1);  // type: icon
  out.U16(static_cast<std::uint32_t>(images));
}

// Fields shared by the file's ICONDIRENTRY and the group's GRPICONDIRENTRY.
void EntryCommon(ByteWriter& out, const IconPicture& icon, std::size_t imageBytes) {
  out.U8(static_cast<std::uint32_t>(icon.size));
  out.U8(static_cast<std::uint32_t>(icon.size));
  out.U8(0);   // colour count: 0 for 8 bits per pixel
  out.U8(0);   // reserved
  out.U16(1);  // planes
  out.U16(8);  // bits per pixel
  out.U32(static_cast<std::uint32_t>(imageBytes));
}
}  // namespace

IconPicture MakeIconPicture(const Image& image, const Mask& coverage) {
  if (image.Width() != image.Height()) throw std::runtime_error("icon: not square");
  IconPicture icon;
  icon.size = image.Width();
  const std::vector<Rgb8> rgb = image.ToRgb8();
  std::vector<Rgb8> opaque;
  for (int y = 0; y < icon.size; ++y) {
    for (int x = 0; x < icon.size; ++x) {
      const bool hidden = coverage.At(x, y) < 0.5;
      icon.transparent.push_back(hidden);
      if (!hidden) opaque.push_back(rgb[static_cast<std::size_t>(y) * icon.size + x]);
    }
  }
  // Index 0 stays black for the transparent pixels.
  const Quantized reduced = Quantize(opaque, 255);
  for (std::size_t i = 0; i < reduced.palette.size(); ++i) icon.palette[i + 1] = reduced.palette[i];
  std::size_t next = 0;
  for (bool hidden : icon.transparent) {
    icon.indices.push_back(hidden ? 0 : static_cast<std::uint8_t>(reduced.indices[next++] + 1));
  }
  return icon;
}

std::vector<std::uint8_t> IconImageBytes(const IconPicture& icon) {
  const int xorStride = RowStride(icon.size * 8);
  const int andStride = RowStride(icon.size);
  ByteWriter out;
  out.U32(kBitmapInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(icon.size));
  out.U32(static_cast<std::uint32_t>(icon.size * 2));  // XOR image and AND mask stacked
  out.U16(1);
  out.U16(8);
  out.U32(0);  // BI_RGB
  out.U32(static_cast<std::uint32_t>((xorStride + andStride) * icon.size));
  out.U32(0);
  out.U32(0);
  out.U32(0);  // all 256 colours
  out.U32(0);
  for (const Rgb8& c : icon.palette) {
    out.U8(c.b);
    out.U8(c.g);
    out.U8(c.r);
    out.U8(0);
  }
  // Bitmaps run bottom row first.
  for (int y = icon.size - 1; y >= 0; --y) {
    for (int x = 0; x < xorStride; ++x) {
      out.U8(x < icon.size ? icon.indices[static_cast<std::size_t>(y) * icon.size + x] : 0);
    }
  }
  for (int y = icon.size - 1; y >= 0; --y) {
    for (int byte = 0; byte < andStride; ++byte) {
      std::uint32_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = byte * 8 + bit;
        if (x < icon.size && icon.transparent[static_cast<std::size_t>(y) * icon.size + x]) {
          bits |= 0x80u >> bit;
        }
      }
      out.U8(bits);
    }
  }
  return out.Take();
}

std::vector<std::uint8_t> IconFileBytes(const IconPicture& icon) {
  const std::vector<std::uint8_t> image = IconImageBytes(icon);
  ByteWriter out;
  DirectoryHeader(out, 1);
  EntryCommon(out, icon, image.size());
  out.U32(kIconDirSize + kIconDirEntrySize);  // the image follows the directory
  out.Append(image);
  return out.Take();
}

std::vector<std::uint8_t> IconGroupBytes(const std::vector<IconGroupEntry>& entries) {
  ByteWriter out;
  DirectoryHeader(out, entries.size());
  for (const IconGroupEntry& entry : entries) {
    EntryCommon(out, *entry.icon, IconImageBytes(*entry.icon).size());
    out.U16(entry.iconId);
  }
  return out.Take();
}

}  // namespace assetgen
