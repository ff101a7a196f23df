// The tour script: what `telhub --headless --script FILE --shots DIR`
// replays on the headless screen, one step per line. Coordinates are screen
// pixels (480 x 800, the shell bar is the top 80); times are milliseconds of
// the virtual clock.
//
//   # a comment; blank lines are skipped
//   tap X Y                  touch and lift
//   doubletap X Y            two taps 100 ms apart
//   hold X Y MS              touch, keep the finger down MS, lift
//   press X Y / release X Y  finger down or up (a hold across other steps)
//   drag X0 Y0 X1 Y1 MS      press, move over MS, lift
//   type TEXT                each character of TEXT (UTF-8, to the end of the line)
//   key NAME                 one key: back, enter, escape, or a character code
//                            1 to 65535 (not a UTF-16 surrogate)
//   mkey                     the handset's M key
//   wait MS                  let MS pass
//   shot NAME.png            save the screen as DIR/NAME.png
//
// Names of screenshots are plain file names (letters, digits, ".", "_", "-")
// ending in ".png", so a script cannot write outside the shots folder.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace telhub {

enum class StepKind { Tap, DoubleTap, Hold, Press, Release, Drag, Type, Key, MKey, Wait, Shot };

struct TourStep {
  StepKind kind = StepKind::Wait;
  int x = 0, y = 0, x1 = 0, y1 = 0;
  unsigned ms = 0;
  wchar_t key = 0;
  std::wstring text;  // typed text
  std::string shot;   // screenshot file name
  int line = 0;       // where the step stands in the script
};

struct TourScript {
  std::vector<TourStep> steps;
  std::string error;  // empty when the whole script was read
  int errorLine = 0;
  bool ok() const { return error.empty(); }
};

// Limits that keep a hostile script from running for ever or filling memory.
inline constexpr size_t kMaxScriptBytes = 1 << 20;
inline constexpr size_t kMaxSteps = 20000;
inline constexpr unsigned kMaxStepMs = 10 * 60 * 1000;
// The virtual time of the whole script: a running timer fires all through
// it (the in-call screen's every second), so the time bounds the work too.
inline constexpr unsigned long long kMaxScriptMs = 24ull * 60 * 60 * 1000;

// Reads a whole script. On the first bad line it stops and reports it; no
// steps are returned then, so a broken script replays nothing.
TourScript ParseTourScript(std::string_view text);

// Reads a script from a file or stream: no more than the size limit is ever
// taken from it, so an endless source (a pipe, /dev/zero) is refused rather
// than read into memory.
TourScript ReadTourScript(std::istream& in);

}  // namespace telhub
