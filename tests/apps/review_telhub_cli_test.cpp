// The phone host's command line and script reading on input it must refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <streambuf>

#include "TourScript.h"
#include "temp_root.h"

namespace {

// A source of comment lines that counts what was taken from it and ends
// after `size` bytes, so a reader that takes everything still stops.
class CountingSource : public std::streambuf {
 public:
  explicit CountingSource(size_t size) : left_(size) {}
  size_t taken() const { return taken_; }

 protected:
  int_type underflow() override {
    if (left_ == 0) return traits_type::eof();
    size_t n = std::min(left_, sizeof chunk_);
    std::fill_n(chunk_, n, '#');
    chunk_[n - 1] = '\n';
    left_ -= n;
    taken_ += n;
    setg(chunk_, chunk_, chunk_ + n);
    return traits_type::to_int_type(chunk_[0]);
  }

 private:
  char chunk_[4096];
  size_t left_;
  size_t taken_ = 0;
};

TEST(TourScriptInput, OversizedSourcesLongScriptsAndHalfCharactersAreRefused) {
  CountingSource source(8 * telhub::kMaxScriptBytes);
  std::istream in(&source);
  telhub::TourScript script = telhub::ReadTourScript(in);
  EXPECT_FALSE(script.ok());
  EXPECT_LE(source.taken(), telhub::kMaxScriptBytes + 4096);

  CountingSource small(4096);
  std::istream smallIn(&small);
  EXPECT_TRUE(telhub::ReadTourScript(smallIn).ok());

  // A day of virtual time at most: a timer keeps firing all through it.
  std::string day;
  for (int i = 0; i < 144; ++i) day += "wait 600000\n";
  EXPECT_TRUE(telhub::ParseTourScript(day).ok());
  telhub::TourScript longer = telhub::ParseTourScript(day + "hold 1 1 1\n");
  EXPECT_FALSE(longer.ok());
  EXPECT_EQ(longer.errorLine, 145);

  // A key code that is half of a UTF-16 pair is not a character.
  for (const char* line : {"key 55296\n", "key 57343\n"}) EXPECT_FALSE(telhub::ParseTourScript(line).ok()) << line;
  EXPECT_TRUE(telhub::ParseTourScript("key 55295\nkey 57344\n").ok());
}

TEST(TelhubProgram, RefusesAnEmptyRootAndAFolderAsScript) {
  vorna::test::TempDeviceRoot root;
  std::filesystem::path script = root.path() / "tour.txt";
  { std::ofstream(script) << "wait 10\n"; }
  const auto telhub = vorna::test::BuiltProgramsDir() / "telhub";
  EXPECT_EQ(vorna::test::RunProgram(telhub, {"--root", "", "--headless", "--script", script.string()}), 2);
  EXPECT_EQ(vorna::test::RunProgram(telhub, {"--root", root.path().string(), "--no-demo", "--headless", "--script",
                                             root.path().string()}),
            2);
}

}  // namespace
