// Writes the dial pad's key tones DTMF1.WAV to DTMF12.WAV into a folder.
//
//   dtmf_wav OUTDIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "dtmf_tone.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (int tone = 1; tone <= vorna::res::kDtmfToneCount; ++tone) {
    const auto samples = vorna::res::DtmfSamples(tone, vorna::res::kDtmfSampleRate, vorna::res::kDtmfDurationMs);
    const std::string wav = vorna::res::PcmWavFile(samples, vorna::res::kDtmfSampleRate);
    const std::filesystem::path file = dir / ("DTMF" + std::to_string(tone) + ".WAV");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(wav.data(), static_cast<std::streamsize>(wav.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
