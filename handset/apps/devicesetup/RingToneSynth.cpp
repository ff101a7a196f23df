#include "RingToneSynth.h"

#include <algorithm>
#include <cmath>

namespace vorna::device {
namespace {

using Voice = RingToneRecipe::Voice;

// Equal-tempered notes around the fourth octave.
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.25, F5 = 698.46, G5 = 783.99, A5 = 880.0, B5 = 987.77,
                 C6 = 1046.5, E6 = 1318.5, G4 = 392.0, A4 = 440.0;

// One sample of a struck note `t` seconds after it began.
double Voiced(Voice voice, double f, double t) {
  const double w = 2 * M_PI * f * t;
  switch (voice) {
    case Voice::Bell:
      return std::exp(-3.0 * t) * (0.6 * std::sin(w) + 0.25 * std::sin(2.76 * w) + 0.15 * std::sin(5.4 * w));
    case Voice::Marimba:
      return std::exp(-9.0 * t) * (0.8 * std::sin(w) + 0.2 * std::sin(4.0 * w));
    case Voice::Buzz:
      // The old telephone bell: two close tones beating.
      return 0.5 * (std::sin(w) + std::sin(w * 1.09)) * (std::sin(2 * M_PI * 20 * t) > 0 ? 1.0 : 0.35);
  }
  return 0;
}

}  // namespace

const std::vector<RingToneRecipe>& SystemRingTones() {
  static const std::vector<RingToneRecipe> tones = {
      {"Chime.wav", Voice::Bell, {{E6, 300}, {C6, 300}, {G5, 300}, {C6, 600}, {0, 400}}},
      {"Marimba.wav", Voice::Marimba, {{C5, 150}, {E5, 150}, {G5, 150}, {C6, 300}, {G5, 150}, {C6, 450}, {0, 300}}},
      {"Morning.wav", Voice::Bell, {{G4, 250}, {C5, 250}, {E5, 250}, {G5, 250}, {E5, 250}, {G5, 500}, {0, 300}}},
      {"Old Phone.wav", Voice::Buzz, {{A4, 800}, {0, 300}, {A4, 800}, {0, 400}}},
  };
  return tones;
}

const RingToneRecipe& UserRingTone() {
  static const RingToneRecipe tone = {
      "My Tune.wav", Voice::Marimba, {{D5, 200}, {F5, 200}, {A5, 200}, {B5, 400}, {A5, 200}, {F5, 400}, {0, 300}}};
  return tone;
}

std::vector<std::int16_t> SynthesiseRingTone(const RingToneRecipe& recipe) {
  std::vector<double> mix;
  size_t start = 0;
  for (const auto& [frequency, ms] : recipe.notes) {
    const size_t length = static_cast<size_t>(ms) * kRingSampleRate / 1000;
    // A struck note rings on over the next one for up to a second.
    const size_t ring = frequency > 0 ? std::max(length, static_cast<size_t>(kRingSampleRate)) : 0;
    if (mix.size() < start + std::max(length, ring)) mix.resize(start + std::max(length, ring), 0.0);
    for (size_t i = 0; i < ring; ++i) {
      const double t = static_cast<double>(i) / kRingSampleRate;
      // The buzz stops with its note; struck notes fade by themselves.
      if (recipe.voice == Voice::Buzz && i >= length) break;
      mix[start + i] += Voiced(recipe.voice, frequency, t);
    }
    start += length;
  }
  mix.resize(start);
  double peak = 1e-9;
  for (double v : mix) peak = std::max(peak, std::abs(v));
  std::vector<std::int16_t> samples(mix.size());
  const size_t fade = kRingSampleRate / 200;  // 5 ms at each end against clicks
  for (size_t i = 0; i < mix.size(); ++i) {
    double gain = 0.8 * 32767 / peak;
    if (i < fade) gain *= static_cast<double>(i) / fade;
    if (mix.size() - i < fade) gain *= static_cast<double>(mix.size() - i) / fade;
    samples[i] = static_cast<std::int16_t>(std::lround(mix[i] * gain));
  }
  return samples;
}

}  // namespace vorna::device
