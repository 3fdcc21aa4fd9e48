// Deliberately faulty: overflows a signed integer. Run by a test that expects
// UndefinedBehaviorSanitizer to stop it.
#include <climits>
#include <cstdio>

int main() {
  volatile int big = INT_MAX;
  const int sum = big + 1;
  std::printf("overflowed to %d unnoticed\n", sum);
  return 0;
}
