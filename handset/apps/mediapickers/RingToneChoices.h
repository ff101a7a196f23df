// The rows of the ring tone picker, without any drawing: the default tone,
// the user's tones, then the handset's tones, and which one is marked.
#pragma once

#include <string>
#include <vector>

namespace mediapickers {

struct RingToneChoice {
  enum class Origin { Default, User, System, Current };
  Origin origin = Origin::Default;
  std::wstring cePath;  // empty for the default tone
  std::wstring name;    // the file's base name; empty for the default tone
};

class RingToneChoices {
 public:
  // Lists the WAV files of both folders (either may be empty or missing).
  // The preselected path marks its row; a path found in neither folder gets
  // a row of its own after the default tone, so that confirming without a
  // change keeps it. An empty preselection marks the default tone.
  RingToneChoices(const std::wstring& userFolder, const std::wstring& systemFolder, const std::wstring& preselected);

  int Count() const { return static_cast<int>(choices_.size()); }
  const RingToneChoice& At(int row) const { return choices_[static_cast<size_t>(row)]; }
  int Marked() const { return marked_; }
  // Out-of-range rows are ignored.
  void Mark(int row);
  // The row whose path is `cePath` (compared without regard to case), or -1.
  int Find(const std::wstring& cePath) const;

 private:
  std::vector<RingToneChoice> choices_;
  int marked_ = 0;
};

}  // namespace mediapickers
