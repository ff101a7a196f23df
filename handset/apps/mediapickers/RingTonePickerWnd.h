// The ring tone picker's screen: the list of tones with the preselected one
// marked. A tap marks a tone and plays it; the right button confirms the
// marked tone (the window ends with 1), the left button goes back (2).
#pragma once

#include <string>

#include "RingToneChoices.h"
#include "RingToneList.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiToolBarPro.h"

namespace mediapickers {

struct RingTonePickerSettings {
  std::wstring userFolder;
  std::wstring systemFolder;
  std::wstring preselected;
  std::wstring title;
  std::wstring backText;
};

class RingTonePickerWnd : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_LIST = 2 };

  explicit RingTonePickerWnd(const RingTonePickerSettings& settings);

  LPCWSTR GetQzClassName() override { return L"RingTonePickerWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  const RingToneChoices& Choices() const { return choices_; }
  RingToneList& List() { return list_; }
  // The marked tone's path; empty for the default tone.
  const std::wstring& MarkedPath() const { return choices_.At(choices_.Marked()).cePath; }

 private:
  void Close(int result);

  RingTonePickerSettings settings_;
  RingToneChoices choices_;
  RingToneList list_;
  UiToolBarPro toolBar_;
};

}  // namespace mediapickers
