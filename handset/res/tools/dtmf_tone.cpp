#include "dtmf_tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorna::res {
namespace {

// Peak amplitudes as fractions of full scale. The column tone is a little
// louder than the row tone, as telephone exchanges expect ("twist"); together
// they stay below full scale.
constexpr double kLowAmplitude = 0.32;
constexpr double kHighAmplitude = 0.40;
constexpr int kFadeMs = 5;

void AppendLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

DtmfPair DtmfFrequencies(int tone) {
  static constexpr int kRows[] = {697, 770, 852, 941};
  static constexpr int kColumns[] = {1209, 1336, 1477};
  if (tone < 1 || tone > kDtmfToneCount) return {};
  return {kRows[(tone - 1) / 3], kColumns[(tone - 1) % 3]};
}

std::vector<std::int16_t> DtmfSamples(int tone, int sample_rate, int duration_ms) {
  const DtmfPair pair = DtmfFrequencies(tone);
  if (pair.low_hz == 0 || sample_rate <= 0 || duration_ms <= 0) return {};
  const std::size_t count = static_cast<std::size_t>(sample_rate) * static_cast<std::size_t>(duration_ms) / 1000;
  const std::size_t fade = std::min(count / 2, static_cast<std::size_t>(sample_rate) * kFadeMs / 1000);
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    double value = kLowAmplitude * std::sin(2 * std::numbers::pi * pair.low_hz * t) +
                   kHighAmplitude * std::sin(2 * std::numbers::pi * pair.high_hz * t);
    const std::size_t edge = std::min(i, count - 1 - i);
    if (edge < fade) value *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) / fade);
    samples[i] = static_cast<std::int16_t>(std::lround(value * 32767));
  }
  return samples;
}

std::string PcmWavFile(const std::vector<std::int16_t>& samples, int sample_rate) {
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  AppendLe(out, 36 + data_bytes, 4);
  out += "WAVEfmt ";
  AppendLe(out, 16, 4);                                     // format chunk size
  AppendLe(out, 1, 2);                                      // PCM
  AppendLe(out, 1, 2);                                      // mono
  AppendLe(out, static_cast<std::uint32_t>(sample_rate), 4);
  AppendLe(out, static_cast<std::uint32_t>(sample_rate) * 2, 4);  // bytes per second
  AppendLe(out, 2, 2);                                      // bytes per frame
  AppendLe(out, 16, 2);                                     // bits per sample
  out += "data";
  AppendLe(out, data_bytes, 4);
  for (const std::int16_t s : samples) AppendLe(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

}  // namespace vorna::res
