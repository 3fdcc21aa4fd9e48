// The sound procedures shared by the alarm dialog and the alert window: the
// program's own sound resource, played from memory by the system's sound
// service.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/platform.h"

namespace alarms {

class Module7 {
 public:
  explicit Module7(ui::Platform& platform) : platform_(platform) {}
  ~Module7();
  Module7(const Module7&) = delete;
  Module7& operator=(const Module7&) = delete;

  // Load resource `resId` of type "SOUND" anew and play it in the background,
  // repeating until stopped, or once. Either replaces whatever was playing.
  void PlaySoundLoop(std::int16_t resId);
  void PlaySoundOnce(std::int16_t resId);
  // Stops whatever sound the procedures above started.
  void StopSound();
  // A loop was started and has not been stopped or replaced since.
  bool LoopPlaying() const { return loopPlaying_; }

  // The WAVE image played last; the system reads straight from it.
  const std::vector<std::uint8_t>& SoundData() const { return SoundData_; }

 private:
  void Play(std::int16_t resId, std::uint32_t flags);

  ui::Platform& platform_;
  std::vector<std::uint8_t> SoundData_;
  bool loopPlaying_ = false;
};

}  // namespace alarms
