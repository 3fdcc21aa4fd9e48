// The alarm sound: header fields and the beep pattern measured from the samples.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "asset_files.h"

namespace asset_tests {
namespace {

constexpr int kRate = 8000;
constexpr std::size_t kDataStart = 46;
constexpr std::size_t kDataLength = 32929;

Bytes Wave() { return ReadAsset("sound/alarm.wav"); }

TEST(AlarmSound, HeaderFields) {
  const Bytes wave = Wave();
  ASSERT_EQ(wave.size(), 32976u);
  EXPECT_EQ(Text(wave, 0, 4), "RIFF");
  EXPECT_EQ(U32(wave, 4), 32968u);
  EXPECT_EQ(Text(wave, 8, 4), "WAVE");
  EXPECT_EQ(Text(wave, 12, 4), "fmt ");
  EXPECT_EQ(U32(wave, 16), 18u);
  EXPECT_EQ(U16(wave, 20), 1) << "PCM";
  EXPECT_EQ(U16(wave, 22), 1) << "mono";
  EXPECT_EQ(U32(wave, 24), 8000u);
  EXPECT_EQ(U32(wave, 28), 8000u) << "byte rate";
  EXPECT_EQ(U16(wave, 32), 1) << "block align";
  EXPECT_EQ(U16(wave, 34), 8) << "bits per sample";
  EXPECT_EQ(U16(wave, 36), 4) << "extra-size field";
  EXPECT_EQ(Text(wave, 38, 4), "data") << "no extra bytes before the data chunk";
  EXPECT_EQ(U32(wave, 42), kDataLength);
  EXPECT_EQ(kDataStart + kDataLength + 1, wave.size()) << "one pad byte ends the file";
  EXPECT_NEAR(double(kDataLength) / kRate, 4.116, 0.0005);
}

struct Burst {
  std::size_t first;  // first sample away from silence
  std::size_t last;
  int signChanges = 0;
  int peak = 0;
};

// Beeps are runs of non-silent samples; a 3 kHz tone touches 128 for at most
// a sample at a time, so a gap of 10 ms or more separates two beeps.
std::vector<Burst> FindBursts(const Bytes& wave) {
  std::vector<Burst> bursts;
  std::size_t lastSound = 0;
  int previousSign = 0;
  for (std::size_t i = 2; i < kDataLength; ++i) {
    const int level = wave[kDataStart + i] - 128;
    if (level == 0) continue;
    if (bursts.empty() || i - lastSound > kRate / 100) bursts.push_back({i, i}), previousSign = 0;
    Burst& burst = bursts.back();
    burst.last = lastSound = i;
    burst.peak = std::max(burst.peak, std::abs(level));
    const int sign = level > 0 ? 1 : -1;
    if (previousSign != 0 && sign != previousSign) ++burst.signChanges;
    previousSign = sign;
  }
  return bursts;
}

double Seconds(std::size_t sample) { return double(sample) / kRate; }

TEST(AlarmSound, ClickThenSilenceThenTwelveBeeps) {
  const Bytes wave = Wave();
  EXPECT_EQ(wave[kDataStart], 0);
  EXPECT_EQ(wave[kDataStart + 1], 0);
  const std::vector<Burst> bursts = FindBursts(wave);
  ASSERT_EQ(bursts.size(), 12u);
  EXPECT_NEAR(Seconds(bursts.front().first), 0.45, 0.02) << "silence until about 0.45 s";
  EXPECT_NEAR(Seconds(bursts.back().last + 1), 2.31, 0.005) << "the beeps end at 2.31 s";
  for (std::size_t i = 0; i < bursts.size(); ++i) {
    const Burst& b = bursts[i];
    const double on = Seconds(b.last + 1 - b.first);
    EXPECT_GT(on, 0.100) << "beep " << i;
    EXPECT_LT(on, 0.135) << "beep " << i;
    if (i > 0) {
      const double off = Seconds(b.first - bursts[i - 1].last - 1);
      EXPECT_GT(off, 0.035) << "gap before beep " << i;
      EXPECT_LT(off, 0.060) << "gap before beep " << i;
    }
    EXPECT_NEAR(b.signChanges / 2.0 / on, 3000, 200) << "pitch of beep " << i;
    EXPECT_GE(b.peak, 12) << "beep " << i;
    EXPECT_LE(b.peak, 16) << "beep " << i;
  }
  EXPECT_EQ(wave[kDataStart + kDataLength - 1], 128) << "silence to the end";
}

}  // namespace
}  // namespace asset_tests
