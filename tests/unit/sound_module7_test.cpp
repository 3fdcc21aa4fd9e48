#include <gtest/gtest.h>

#include <memory>

#include "alarm/module7.h"
#include "fake/fake_platform.h"

namespace {

constexpr std::int64_t kLoop = 15;
constexpr std::int64_t kOnce = 7;

class SoundTest : public ::testing::Test {
 protected:
  SoundTest() { platform_.soundResource = Wave(1); }

  // A distinct sound image per `tag`.
  static std::vector<std::uint8_t> Wave(std::uint8_t tag) {
    std::vector<std::uint8_t> bytes{'R', 'I', 'F', 'F'};
    bytes.resize(256, tag);
    return bytes;
  }

  // sndPlaySoundA calls as {sound is not null, flags}.
  std::vector<std::vector<std::int64_t>> SoundCalls() const {
    std::vector<std::vector<std::int64_t>> calls;
    for (const auto& c : platform_.Calls("sndPlaySoundA")) calls.push_back(c.args);
    return calls;
  }

  fake::FakePlatform platform_;
  std::unique_ptr<alarms::Module7> sound_ = std::make_unique<alarms::Module7>(platform_);
};

TEST_F(SoundTest, PlaysLoopOnceAndStopsWithTheirFlags) {
  sound_->PlaySoundLoop(101);
  sound_->PlaySoundOnce(101);
  sound_->StopSound();
  EXPECT_EQ(SoundCalls(), (std::vector<std::vector<std::int64_t>>{{1, kLoop}, {1, kOnce}, {0, 0}}));
  for (const auto& load : platform_.Calls("LoadCustomResource")) {
    EXPECT_EQ(load.args, std::vector<std::int64_t>{101});
    EXPECT_EQ(load.text, "SOUND");
  }
  EXPECT_EQ(platform_.Calls("LoadCustomResource").size(), 2u);
}

TEST_F(SoundTest, PlaysFromSoundDataWhichStopKeeps) {
  sound_->PlaySoundLoop(101);
  EXPECT_EQ(platform_.playing, sound_->SoundData().data());
  sound_->StopSound();
  EXPECT_EQ(sound_->SoundData(), Wave(1));
}

TEST_F(SoundTest, LoadsTheResourceAnewOnEveryPlay) {
  sound_->PlaySoundOnce(101);
  platform_.soundResource = Wave(2);
  sound_->PlaySoundOnce(101);
  EXPECT_EQ(sound_->SoundData(), Wave(2));
  EXPECT_EQ(platform_.playingBytes, Wave(2));
}

// The system is still reading the old sound when the next one starts; its
// buffer must live until then, whatever the order of plays and stops.
TEST_F(SoundTest, NeverReleasesABufferTheSystemReads) {
  std::uint8_t tag = 1;
  for (int round = 0; round < 3; ++round) {
    sound_->PlaySoundLoop(101);
    platform_.soundResource = Wave(++tag);
    sound_->PlaySoundOnce(101);
    platform_.soundResource = Wave(++tag);
    sound_->PlaySoundOnce(101);
    platform_.soundResource = Wave(++tag);
    sound_->PlaySoundLoop(101);
    sound_->StopSound();
    sound_->StopSound();
  }
  sound_->PlaySoundLoop(101);
  sound_.reset();  // the program ends with the loop still playing
  EXPECT_EQ(platform_.DeadBufferReads(), 0);
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
}

TEST_F(SoundTest, EndsQuietlyWhenNothingWasPlayed) {
  sound_.reset();
  EXPECT_TRUE(platform_.calls.empty());
}

TEST_F(SoundTest, EmptyResourcePlaysNothingAndKeepsThePlayingSound) {
  sound_->PlaySoundLoop(101);
  platform_.soundResource.clear();
  sound_->PlaySoundOnce(101);
  sound_->PlaySoundLoop(101);
  EXPECT_EQ(SoundCalls(), (std::vector<std::vector<std::int64_t>>{{1, kLoop}}));
  sound_->StopSound();
  EXPECT_EQ(platform_.DeadBufferReads(), 0);
}

TEST_F(SoundTest, EmptyResourceAtFirstPlayMakesNoCall) {
  platform_.soundResource.clear();
  sound_->PlaySoundLoop(101);
  EXPECT_TRUE(SoundCalls().empty());
  EXPECT_TRUE(sound_->SoundData().empty());
}

}  // namespace
