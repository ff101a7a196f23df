// VoiceMailNumberDlg: the full-screen modal dialog that asks for the
// voice-mail number (speed-dial entry 1). It ends with 1 (save) or 2
// (cancel) and does not look at the text; the opener reads the number field
// after a save and stores it.
#pragma once

#include "platform/ToolkitContract.h"

class VoiceMailNumberDlg : public CQzWndEx {
 public:
  // A null text leaves the field empty.
  explicit VoiceMailNumberDlg(const wchar_t* initialText);
  ~VoiceMailNumberDlg() override;

  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // The typed number.
  LPCWSTR GetText() const { return m_numberField.GetText(); }

  static constexpr int kToolBarId = 1;
  static constexpr int kNumberFieldId = 3;
  static constexpr int kResultSave = 1;
  static constexpr int kResultCancel = 2;

 private:
  UiToolBarPro m_toolBar;
  UiScrollWin m_area;
  UiSingleLineEdit m_numberField;
  CQzStringW m_initialText;
};
