// Deliberately faulty: reads past a heap block, or (with the argument "leak")
// loses one. Run by a test that expects AddressSanitizer to stop it.
#include <cstdio>
#include <cstring>

// Volatile, so that the compiler can neither drop the allocation nor the loss.
char* volatile lastBlock = nullptr;

int main(int argc, char** argv) {
  volatile std::size_t size = 8;
  lastBlock = new char[size];
  std::memset(lastBlock, 1, size);
  if (argc > 1 && std::strcmp(argv[1], "leak") == 0) {
    lastBlock = nullptr;  // the only pointer to the block is gone
    return 0;
  }
  const int past = lastBlock[size];
  delete[] lastBlock;
  std::printf("read %d past the end unnoticed\n", past);
  return 0;
}
