#include "jpeg_file.h"

#include <cstdio>
#include <cstdlib>
// jpeglib.h relies on stdio.h's FILE and size_t being declared first.
#include <jpeglib.h>

#include <stdexcept>

namespace assetgen {

namespace {

[[noreturn]] void ThrowOnError(j_common_ptr info) {
  char message[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, message);
  throw std::runtime_error(std::string("jpeg: ") + message);
}

class Compressor {
 public:
  Compressor() {
    info_.err = jpeg_std_error(&errors_);
    errors_.error_exit = ThrowOnError;
    jpeg_create_compress(&info_);
  }
  ~Compressor() {
    jpeg_destroy_compress(&info_);
    std::free(buffer_);
  }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  std::vector<std::uint8_t> Run(const Image& image, int quality, bool halfResolutionColour) {
    jpeg_mem_dest(&info_, &buffer_, &size_);
    info_.image_width = static_cast<JDIMENSION>(image.Width());
    info_.image_height = static_cast<JDIMENSION>(image.Height());
    info_.input_components = 3;
    info_.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info_);
    jpeg_set_quality(&info_, quality, TRUE);
    info_.dct_method = JDCT_ISLOW;
    for (int c = 0; c < 3; ++c) {
      info_.comp_info[c].h_samp_factor = 1;
      info_.comp_info[c].v_samp_factor = 1;
    }
    if (halfResolutionColour) {
      info_.comp_info[0].h_samp_factor = 2;
      info_.comp_info[0].v_samp_factor = 2;
    }
    info_.restart_in_rows = 1;
    info_.write_JFIF_header = TRUE;
    info_.JFIF_major_version = 1;
    info_.JFIF_minor_version = 2;
    info_.density_unit = 1;
    info_.X_density = 72;
    info_.Y_density = 72;
    jpeg_start_compress(&info_, TRUE);

    const std::vector<Rgb8> pixels = image.ToRgb8();
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.Width()) * 3);
    while (info_.next_scanline < info_.image_height) {
      const std::size_t base = static_cast<std::size_t>(info_.next_scanline) * image.Width();
      for (int x = 0; x < image.Width(); ++x) {
        const Rgb8& c = pixels[base + x];
        row[3 * x] = c.r, row[3 * x + 1] = c.g, row[3 * x + 2] = c.b;
      }
      JSAMPROW rows[] = {row.data()};
      jpeg_write_scanlines(&info_, rows, 1);
    }
    jpeg_finish_compress(&info_);
    return {buffer_, buffer_ + size_};
  }

 private:
  jpeg_compress_struct info_{};
  jpeg_error_mgr errors_{};
  unsigned char* buffer_ = nullptr;
  unsigned long size_ = 0;
};

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality, bool halfResolutionColour) {
  Compressor compressor;
  return compressor.Run(image, quality, halfResolutionColour);
}

std::vector<std::uint8_t> EncodePhotograph(const Image& image, int percent) {
  constexpr int kQuality = 92;
  constexpr int kLargerQuality = 85;
  return percent == 100 ? EncodeJpeg(image, kQuality, false)
                        : EncodeJpeg(image, kLargerQuality, true);
}

}  // namespace assetgen
