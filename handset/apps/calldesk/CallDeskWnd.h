// The in-call screen: the dialled number, and the name and number type of
// the contact it belongs to, the time the call has lasted, and a hang-up
// button. Hanging up records the outgoing call with its length in seconds
// (by the toolkit's clock) and closes the screen, which brings back the
// window below it. A request to close the screen (WM_CLOSE) hangs up too:
// the screen never goes while its call goes on.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "qzfc/QzWndEx.h"
#include "qzfc/UiButton.h"
#include "qzfc/UiStatic.h"

namespace telhub {

class CallDeskWnd : public CQzWndEx {
 public:
  enum ControlId { ID_NAME = 2, ID_LABEL = 3, ID_NUMBER = 4, ID_DURATION = 5, ID_HANG_UP = 6 };

  // `closed` runs after the call was recorded, when the screen may go.
  CallDeskWnd(std::wstring number, std::function<void()> closed);

  LPCWSTR GetQzClassName() override { return L"CallDeskWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(UINT_PTR timerId) override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  const std::wstring& Number() const { return number_; }
  void HangUp();

 private:
  void ShowCaller();
  void ShowDuration();
  int Seconds() const;

  std::wstring number_;
  std::function<void()> closed_;
  DWORD startTick_ = 0;
  std::time_t startTime_ = 0;
  bool ended_ = false;
  UiStatic name_, label_, numberText_, duration_;
  UiButton hangUp_;
};

}  // namespace telhub
