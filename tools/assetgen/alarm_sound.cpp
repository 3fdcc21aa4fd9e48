// The alarm: a click, a pause, twelve quiet 3 kHz beeps, then silence until
// the loop starts over about every 4.1 seconds.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "artwork.h"
#include "wave_file.h"

namespace assetgen {

namespace {
constexpr int kSampleRate = 8000;
constexpr int kSamples = 32929;  // 4.116 s
constexpr std::uint8_t kSilence = 128;
constexpr int kFirstBeep = 3600;  // 0.45 s
constexpr int kBeeps = 12;
// 113.75 ms on, 45 ms off: the twelfth beep ends at exactly 2.31 s.
constexpr int kBeepLength = 910;
constexpr int kBeepPeriod = 1270;
constexpr double kFrequency = 3000;
constexpr double kAmplitude = 14;
constexpr int kFade = 24;  // 3 ms ramps keep the beeps from clicking
}  // namespace

std::vector<std::uint8_t> AlarmWave() {
  std::vector<std::uint8_t> samples(kSamples, kSilence);
  samples[0] = samples[1] = 0;
  for (int beep = 0; beep < kBeeps; ++beep) {
    const int start = kFirstBeep + beep * kBeepPeriod;
    for (int i = 0; i < kBeepLength; ++i) {
      const double envelope =
          std::min({1.0, double(i) / kFade, double(kBeepLength - 1 - i) / kFade});
      const double wave = std::sin(2 * std::numbers::pi * kFrequency * i / kSampleRate);
      samples[start + i] =
          static_cast<std::uint8_t>(kSilence + std::lround(kAmplitude * envelope * wave));
    }
  }
  return EncodeWave(samples, kSampleRate);
}

}  // namespace assetgen
