// The tour script reader: every step kind, and lines and sources it must
// refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <streambuf>

#include "TourScript.h"

namespace {

using telhub::ParseTourScript;
using telhub::StepKind;

TEST(TourScript, ReadsEveryStepKind) {
  telhub::TourScript script = ParseTourScript(
      "# the dialer\n"
      "\n"
      "tap 10 20\r\n"
      "doubletap 1 2\n"
      "hold 479 799 600\n"
      "press 5 6\n"
      "release 5 6\n"
      "drag 0 100 400 100 300\n"
      "type 138 张\n"
      "key back\n"
      "key 65\n"
      "mkey\n"
      "  wait 1000\n"
      "shot dial_1.png\n");
  ASSERT_TRUE(script.ok()) << script.error;
  ASSERT_EQ(script.steps.size(), 12u);
  EXPECT_EQ(script.steps[0].kind, StepKind::Tap);
  EXPECT_EQ(script.steps[0].line, 3);
  EXPECT_EQ(script.steps[2].kind, StepKind::Hold);
  EXPECT_EQ(script.steps[2].ms, 600u);
  EXPECT_EQ(script.steps[5].x1, 400);
  EXPECT_EQ(script.steps[6].text, L"138 张");
  EXPECT_EQ(script.steps[7].key, L'\b');
  EXPECT_EQ(script.steps[8].key, L'A');
  EXPECT_EQ(script.steps[9].kind, StepKind::MKey);
  EXPECT_EQ(script.steps[10].ms, 1000u);
  EXPECT_EQ(script.steps[11].shot, "dial_1.png");
}

TEST(TourScript, RefusesBadLinesAndScriptsBeyondItsLimitsAndKeepsNoSteps) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"tap 1 2\nfly 3 4\n", 2},           // unknown step
      {"tap 480 10\n", 1},                 // off the screen
      {"tap -1 10\n", 1},                  //
      {"tap 1\n", 1},                      // missing y
      {"tap 1 2 3\n", 1},                  // a word too many
      {"tap 1x 2\n", 1},                   // not a number
      {"wait 600001\n", 1},                // longer than ten minutes
      {"hold 1 2\n", 1},                   // no time
      {"key 0\n", 1},                      // no such key
      {"key 65536\n", 1},                  //
      {"type\n", 1},                       // nothing to type
      {"type \xff\xfe\n", 1},              // broken UTF-8
      {"shot ../x.png\n", 1},              // outside the shots folder
      {"shot sub/x.png\n", 1},             //
      {"shot x.jpg\n", 1},                 // not a PNG
      {"shot .png\n", 1},                  //
      {"shot a.png b.png\n", 1},           //
  };
  for (const auto& c : cases) {
    telhub::TourScript script = ParseTourScript(c.text);
    EXPECT_FALSE(script.ok()) << c.text;
    EXPECT_EQ(script.errorLine, c.line) << c.text;
    EXPECT_TRUE(script.steps.empty()) << c.text;
  }
  // Scripts beyond its limits.
  std::string many;
  for (size_t i = 0; i <= telhub::kMaxSteps; ++i) many += "mkey\n";
  EXPECT_FALSE(ParseTourScript(many).ok());
  EXPECT_FALSE(ParseTourScript(std::string(telhub::kMaxScriptBytes + 1, '#')).ok());
}

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

}  // namespace
