#include "alarm/module7.h"

#include <utility>

namespace alarms {

namespace {
constexpr const char* kSoundType = "SOUND";
constexpr std::uint32_t kLoopFlags =
    ui::kSndAsync | ui::kSndNoDefault | ui::kSndMemory | ui::kSndLoop;
constexpr std::uint32_t kOnceFlags = ui::kSndAsync | ui::kSndNoDefault | ui::kSndMemory;
}  // namespace

// The system may still be looping from the buffer when the program goes.
Module7::~Module7() {
  if (!SoundData_.empty()) StopSound();
}

void Module7::PlaySoundLoop(std::int16_t resId) { Play(resId, kLoopFlags); }

void Module7::PlaySoundOnce(std::int16_t resId) { Play(resId, kOnceFlags); }

void Module7::StopSound() {
  loopPlaying_ = false;
  platform_.sndPlaySoundA(nullptr, 0);
}

void Module7::Play(std::int16_t resId, std::uint32_t flags) {
  std::vector<std::uint8_t> loaded = platform_.LoadCustomResource(resId, kSoundType);
  // Nothing to play: the sound that may be playing keeps its buffer.
  if (loaded.empty()) return;
  // The system reads the sound playing now from the buffer held so far, and
  // lets go of it only inside the call that starts the new one. So the old
  // buffer is kept (in `loaded`) until that call has returned, and released
  // only then, rather than stopping first, which would add a call and a gap.
  std::swap(SoundData_, loaded);
  loopPlaying_ = (flags & ui::kSndLoop) != 0;
  platform_.sndPlaySoundA(SoundData_.data(), flags);
}

}  // namespace alarms
