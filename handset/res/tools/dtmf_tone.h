// Key tones of the dial pad: dual-tone multi-frequency signals, as 16-bit
// PCM WAV files. Tone n (1 to 12) is the n-th key of the pad read row by row:
// the digits 1 to 9, then "*", "0" and "#".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna::res {

struct DtmfPair {
  int low_hz = 0;   // row tone: 697, 770, 852 or 941
  int high_hz = 0;  // column tone: 1209, 1336 or 1477
};

inline constexpr int kDtmfToneCount = 12;
inline constexpr int kDtmfSampleRate = 8000;
inline constexpr int kDtmfDurationMs = 150;

// The two frequencies of tone n; both 0 when n is outside 1 to 12.
DtmfPair DtmfFrequencies(int tone);

// Mono samples of tone n at `sample_rate`, `duration_ms` long, faded in and
// out over 5 ms so that the key click does not pop; empty for a bad tone.
std::vector<std::int16_t> DtmfSamples(int tone, int sample_rate, int duration_ms);

// A complete RIFF/WAVE file (PCM, 16-bit, mono) holding `samples`.
std::string PcmWavFile(const std::vector<std::int16_t>& samples, int sample_rate);

}  // namespace vorna::res
