#include "asset_files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace asset_tests {

Bytes ReadAsset(const std::string& relativePath) {
  const std::string path = std::string(PAPERWISP_ASSETS_DIR) + "/" + relativePath;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("missing asset " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint16_t U16(const Bytes& bytes, std::size_t offset) {
  if (offset + 2 > bytes.size()) throw std::out_of_range("read past the end of a file");
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t U32(const Bytes& bytes, std::size_t offset) {
  return U16(bytes, offset) | static_cast<std::uint32_t>(U16(bytes, offset + 2)) << 16;
}

std::string Text(const Bytes& bytes, std::size_t offset, std::size_t length) {
  if (offset + length > bytes.size()) throw std::out_of_range("read past the end of a file");
  return std::string(bytes.begin() + static_cast<long>(offset),
                     bytes.begin() + static_cast<long>(offset + length));
}

}  // namespace asset_tests
