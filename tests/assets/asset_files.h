// Access to the committed asset files and little-endian field reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace asset_tests {

using Bytes = std::vector<std::uint8_t>;

// Reads assets/<relativePath>; fails the calling test when the file is missing.
Bytes ReadAsset(const std::string& relativePath);

std::uint16_t U16(const Bytes& bytes, std::size_t offset);
std::uint32_t U32(const Bytes& bytes, std::size_t offset);
std::string Text(const Bytes& bytes, std::size_t offset, std::size_t length);

}  // namespace asset_tests
