// CGroupNameWnd: the modal window in which the user types the name of a new
// group, or a new name for one. Confirm is enabled only while the text is a
// usable group name: not empty, free of line breaks, tabs, ";" and ",", not
// the "ungrouped" text and not the name of a group that exists. Storing the
// group is the caller's business: after a result of 1 it reads the name
// field and converts it with GetGroupStoreName.
#pragma once

#include "platform/ToolkitContract.h"

class CGroupNameWnd : public CQzWndEx {
 public:
  CGroupNameWnd();
  ~CGroupNameWnd() override;

  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // The name shown at first; empty for a new group. Set before Create.
  void SetInitName(LPCWSTR name) { m_initName = name; }
  // The typed name.
  LPCWSTR GetText() const { return m_nameField.GetText(); }
  UiSingleLineEdit& GetNameField() { return m_nameField; }

  // Whether a typed text may be confirmed as a group name.
  static bool IsUsableGroupName(const CQzStringW& text);

  static constexpr int kToolBarId = 1;
  static constexpr int kNameFieldId = 2;
  static constexpr int kMaxNameChars = 16;
  static constexpr int kResultConfirm = 1;
  static constexpr int kResultCancel = 2;

 private:
  void UpdateConfirmButton();

  UiToolBarPro m_toolBar;
  UiScrollWin m_area;
  UiSingleLineEdit m_nameField;
  CQzStringW m_initName;
};
