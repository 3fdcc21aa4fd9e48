// The heap blocks of the test program that are allocated and not yet
// released. Every operator new and delete of the test binary goes through
// this registry, so a fake can tell whether memory handed to it still
// belongs to its owner without reading it: reading released memory is
// undefined behaviour, and its bytes prove nothing either way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fake {

struct LiveBlock {
  const std::uint8_t* start = nullptr;
  std::size_t size = 0;
  // Unique per allocation, so that a new block at a released block's
  // address is told apart from it.
  std::uint64_t serial = 0;

  bool Holds(const void* from, std::size_t bytes) const;
  bool operator==(const LiveBlock&) const = default;
};

// The live block that holds the byte at `address`, if any.
std::optional<LiveBlock> LiveBlockAt(const void* address);

}  // namespace fake
