#include "wave_file.h"

#include "byte_writer.h"

namespace assetgen {

std::vector<std::uint8_t> EncodeWave(const std::vector<std::uint8_t>& samples, int sampleRate) {
  constexpr std::uint32_t kFormatChunkLength = 18;
  constexpr std::uint32_t kDeclaredExtraBytes = 4;
  const auto dataLength = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t padding = dataLength % 2;  // chunks are word aligned
  ByteWriter out;
  out.Tag("RIFF");
  out.U32(4 + (8 + kFormatChunkLength) + (8 + dataLength + padding));
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(kFormatChunkLength);
  out.U16(1);  // PCM
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(sampleRate));
  out.U32(static_cast<std::uint32_t>(sampleRate));  // one byte per sample
  out.U16(1);                                       // block align
  out.U16(8);                                       // bits per sample
  out.U16(kDeclaredExtraBytes);
  out.Tag("data");
  out.U32(dataLength);
  out.Append(samples);
  if (padding) out.U8(0);
  return out.Take();
}

}  // namespace assetgen
