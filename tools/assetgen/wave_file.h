// RIFF WAVE writer for 8-bit mono PCM.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// The format chunk is 18 bytes long and its extra-size field says 4, yet no
// extra bytes follow: the alarm sound keeps that historical header shape, and
// players read only the PCM fields of it.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::uint8_t>& samples, int sampleRate);

}  // namespace assetgen
