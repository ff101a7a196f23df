// The key tones as the build writes them: valid PCM WAV files whose two
// strongest frequencies are the row and column tones of their key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "../ce/test_helpers.h"

namespace {

const std::filesystem::path kToneDir = std::filesystem::path(VORNA_DEVICE_FILES_DIR) / "windows";

std::uint32_t ReadLe(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// Checks the canonical 44-byte header of a 16-bit mono PCM file and returns
// its samples.
std::vector<std::int16_t> ReadPcmWav(const std::filesystem::path& file, std::uint32_t& sample_rate) {
  const std::string bytes = vorna::test::ReadWhole(file);
  EXPECT_GE(bytes.size(), 44u) << file;
  if (bytes.size() < 44) return {};
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(ReadLe(bytes, 4, 4), bytes.size() - 8);
  EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(ReadLe(bytes, 20, 2), 1u);   // PCM
  EXPECT_EQ(ReadLe(bytes, 22, 2), 1u);   // mono
  sample_rate = ReadLe(bytes, 24, 4);
  EXPECT_EQ(ReadLe(bytes, 28, 4), sample_rate * 2);
  EXPECT_EQ(ReadLe(bytes, 34, 2), 16u);  // bits per sample
  EXPECT_EQ(bytes.substr(36, 4), "data");
  const std::uint32_t data_bytes = ReadLe(bytes, 40, 4);
  EXPECT_EQ(data_bytes, bytes.size() - 44);
  std::vector<std::int16_t> samples(std::min<std::size_t>(data_bytes, bytes.size() - 44) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(ReadLe(bytes, 44 + 2 * i, 2));
  }
  return samples;
}

// Signal power at one frequency (Goertzel filter over the whole signal).
double Goertzel(const std::vector<std::int16_t>& samples, double frequency, double sample_rate) {
  const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sample_rate);
  double s1 = 0, s2 = 0;
  for (const std::int16_t x : samples) {
    const double s0 = x + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

struct Tone {
  int number;
  const char* key;
  int low;
  int high;
};

// Keys in pad order: 1 to 9, then *, 0, #.
constexpr Tone kTones[] = {
    {1, "1", 697, 1209}, {2, "2", 697, 1336},  {3, "3", 697, 1477},   {4, "4", 770, 1209},
    {5, "5", 770, 1336}, {6, "6", 770, 1477},  {7, "7", 852, 1209},   {8, "8", 852, 1336},
    {9, "9", 852, 1477}, {10, "*", 941, 1209}, {11, "0", 941, 1336}, {12, "#", 941, 1477},
};

constexpr int kAllFrequencies[] = {697, 770, 852, 941, 1209, 1336, 1477};

TEST(DtmfTones, EachFileCarriesItsKeysRowAndColumnTonesUnclippedBetweenSilentEnds) {
  for (const Tone& tone : kTones) {
    const auto file = kToneDir / ("DTMF" + std::to_string(tone.number) + ".WAV");
    std::uint32_t rate = 0;
    const auto samples = ReadPcmWav(file, rate);
    ASSERT_GT(samples.size(), rate / 20) << file << " is shorter than 50 ms";
    double other = 0;
    for (int f : kAllFrequencies) {
      if (f != tone.low && f != tone.high) other = std::max(other, Goertzel(samples, f, rate));
    }
    // Both tones stand far above every other frequency of the DTMF grid.
    EXPECT_GT(Goertzel(samples, tone.low, rate), 100 * other) << "key " << tone.key << " row tone";
    EXPECT_GT(Goertzel(samples, tone.high, rate), 100 * other) << "key " << tone.key << " column tone";
    // Silent at both ends, clearly audible, never clipped.
    int peak = 0;
    for (const std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(std::abs(samples.front()), 200) << "key " << tone.key;
    EXPECT_LT(std::abs(samples.back()), 200) << "key " << tone.key;
    EXPECT_GT(peak, 16000) << "key " << tone.key;
    EXPECT_LT(peak, 32767) << "key " << tone.key;
  }
}

}  // namespace
