// Sounds under the SDL driver open the audio device once; without a device
// they are journaled, noted once in the debug log and nothing is printed.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "../ce/test_helpers.h"
#include "temp_root.h"

namespace {

namespace fs = std::filesystem;
using vorna::test::ReadWhole;

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

// A 20 ms tone: 8 kHz, mono, 16 bits.
void WriteWav(const fs::path& file) {
  const uint32_t samples = 160, bytes = samples * 2;
  std::string wav = "RIFF";
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) wav += static_cast<char>(v >> (8 * i)); };
  auto u16 = [&](uint16_t v) { wav += static_cast<char>(v); wav += static_cast<char>(v >> 8); };
  u32(36 + bytes);
  wav += "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(8000), u32(16000), u16(2), u16(16);
  wav += "data";
  u32(bytes);
  for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>(i % 16 < 8 ? 8000 : -8000));
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << wav;
}

struct PeerRun {
  int status;
  std::string err;
};

PeerRun PlayFiveTimes(const fs::path& root, const std::string& audio) {
  const fs::path err = root / "stderr.txt";
  const std::string command = "VORNA_ROOT='" + root.string() + "' SDL_VIDEODRIVER=offscreen " + audio + " '" +
                              (vorna::test::BuiltProgramsDir() / "qzfc_sound_peer").string() +
                              "' '\\windows\\tone.wav' 5 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWhole(err)};
}

// Without a device (an audio library configured with none, whatever this
// machine has) every sound is journaled silent and the log notes it once.
// The device case runs first: a machine without ALSA skips only the other.
TEST(SoundDevice, EverySoundPlaysOrIsJournaledQuietly) {
  struct Case {
    bool device;
    const char* journaled;
  };
  for (const Case c : {Case{true, "\tsound\tplayed\t"}, Case{false, "\tsound\tsilent\t"}}) {
    vorna::test::TempDeviceRoot root;
    WriteWav(root.path() / "windows" / "tone.wav");
    const fs::path emptyConfig = root.path() / "alsa.conf";
    std::ofstream(emptyConfig) << "";
    const PeerRun run = PlayFiveTimes(
        root.path(), c.device ? "SDL_AUDIODRIVER=dummy" : "SDL_AUDIODRIVER=alsa ALSA_CONFIG_PATH='" + emptyConfig.string() + "'");
    if (run.status == 2) GTEST_SKIP() << "SDL has no offscreen video or no such audio here: " << run.err;
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "nothing on the terminal";
    EXPECT_EQ(Count(ReadWhole(root.path() / "log" / "debug.log"), "no sound device"), c.device ? 0 : 1);
    EXPECT_EQ(Count(ReadWhole(root.path() / "log" / "launches.log"), c.journaled), 5) << c.journaled;
  }
}

}  // namespace
