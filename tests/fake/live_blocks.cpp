// Replaces the global operator new and delete of the test binary: each takes
// its memory from malloc and notes the block here. The sanitizers watch malloc
// and free, so they still report a use after free, an overflow or a leak of
// these blocks; only a mismatched pair (new[] and delete, new and free) goes
// unseen by them.
#include "fake/live_blocks.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <new>

namespace fake {

namespace {

// The registry's own nodes come from malloc: taking them from operator new
// would come back here.
template <typename T>
struct MallocAllocator {
  using value_type = T;
  MallocAllocator() = default;
  template <typename U>
  MallocAllocator(const MallocAllocator<U>&) {}
  T* allocate(std::size_t n) {
    if (void* p = std::malloc(n * sizeof(T))) return static_cast<T*>(p);
    throw std::bad_alloc();
  }
  void deallocate(T* p, std::size_t) { std::free(p); }
  bool operator==(const MallocAllocator&) const = default;
};

struct Entry {
  std::size_t size;
  std::uint64_t serial;
};

struct Registry {
  std::mutex mutex;
  std::map<std::uintptr_t, Entry, std::less<>,
           MallocAllocator<std::pair<const std::uintptr_t, Entry>>>
      blocks;
  std::uint64_t lastSerial = 0;
};

// Built on first use and never destroyed: allocations happen before main and
// after the static objects are gone.
Registry& TheRegistry() {
  alignas(Registry) static unsigned char storage[sizeof(Registry)];
  static Registry* registry = new (storage) Registry;
  return *registry;
}

void* Allocate(std::size_t size, std::size_t alignment) {
  const std::size_t bytes = size ? size : 1;
  void* p = alignment > alignof(std::max_align_t)
                ? std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment)
                : std::malloc(bytes);
  if (!p) return nullptr;
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.mutex);
  r.blocks[reinterpret_cast<std::uintptr_t>(p)] = Entry{size, ++r.lastSerial};
  return p;
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment) {
  if (void* p = Allocate(size, alignment)) return p;
  throw std::bad_alloc();
}

void Release(void* p) {
  if (!p) return;
  {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.blocks.erase(reinterpret_cast<std::uintptr_t>(p));
  }
  std::free(p);
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

bool LiveBlock::Holds(const void* from, std::size_t bytes) const {
  const auto first = reinterpret_cast<std::uintptr_t>(from);
  const auto begin = reinterpret_cast<std::uintptr_t>(start);
  return first >= begin && first - begin <= size && bytes <= size - (first - begin);
}

std::optional<LiveBlock> LiveBlockAt(const void* address) {
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.mutex);
  auto it = r.blocks.upper_bound(at);
  if (it == r.blocks.begin()) return std::nullopt;
  --it;
  const std::size_t extent = it->second.size ? it->second.size : 1;
  if (at - it->first >= extent) return std::nullopt;
  return LiveBlock{reinterpret_cast<const std::uint8_t*>(it->first), it->second.size,
                   it->second.serial};
}

}  // namespace fake

// Every replaceable form, so that no block bypasses the registry.
void* operator new(std::size_t size) { return fake::AllocateOrThrow(size, fake::kPlain); }
void* operator new[](std::size_t size) { return fake::AllocateOrThrow(size, fake::kPlain); }
void* operator new(std::size_t size, std::align_val_t al) {
  return fake::AllocateOrThrow(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al) {
  return fake::AllocateOrThrow(size, static_cast<std::size_t>(al));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return fake::Allocate(size, fake::kPlain);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return fake::Allocate(size, fake::kPlain);
}
void* operator new(std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
  return fake::Allocate(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
  return fake::Allocate(size, static_cast<std::size_t>(al));
}

void operator delete(void* p) noexcept { fake::Release(p); }
void operator delete[](void* p) noexcept { fake::Release(p); }
void operator delete(void* p, std::size_t) noexcept { fake::Release(p); }
void operator delete[](void* p, std::size_t) noexcept { fake::Release(p); }
void operator delete(void* p, std::align_val_t) noexcept { fake::Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { fake::Release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { fake::Release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { fake::Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { fake::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { fake::Release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  fake::Release(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  fake::Release(p);
}
