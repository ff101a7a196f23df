// The ring tones that come with the device, synthesised: short melodies of
// struck notes, as 16-bit mono samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna::device {

inline constexpr int kRingSampleRate = 16000;

struct RingToneRecipe {
  const char* fileName;  // "Chime.wav"
  enum class Voice { Bell, Marimba, Buzz } voice;
  std::vector<std::pair<double, int>> notes;  // frequency in Hz (0: rest), length in ms
};

// The handset's own tones (for \Windows\Rings) and the one a new user finds
// among their own tones (\My Documents\My Ringtones).
const std::vector<RingToneRecipe>& SystemRingTones();
const RingToneRecipe& UserRingTone();

std::vector<std::int16_t> SynthesiseRingTone(const RingToneRecipe& recipe);

}  // namespace vorna::device
