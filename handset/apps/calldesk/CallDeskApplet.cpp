#include "CallDeskApplet.h"

#include <memory>

#include "CallDeskArgs.h"
#include "CallDeskWnd.h"
#include "RadioBridge.h"
#include "ce/shell.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

std::unique_ptr<CallDeskWnd> g_call;
// Counts the calls opened. A window freed later by the loop is named by its
// call's number, not its address: a newer call may live at the same address.
unsigned g_callSerial = 0;

void CloseCall() {
  if (!g_call) return;
  g_call->Show(FALSE);
  RadioBridge::Get().CallEnded();
  // The hang-up button's handler is still on the stack: free the window
  // once the loop is back.
  unsigned closing = g_callSerial;
  qzfc::MessageLoop::Get().StartCallback(0, [closing] {
    if (g_callSerial == closing) g_call.reset();
  });
}

}  // namespace

bool OpenCallDesk(const std::wstring& parameters) {
  std::optional<std::wstring> number = ParseCallDeskArgs(parameters);
  if (!number || g_call) return false;
  auto call = std::make_unique<CallDeskWnd>(*number, &CloseCall);
  RECT area = QzGetWorkArea();
  if (!call->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0)) return false;
  g_call = std::move(call);
  ++g_callSerial;
  g_call->Show(TRUE);
  RadioBridge::Get().CallStarted();
  return true;
}

CallDeskWnd* ActiveCallDesk() { return g_call && g_call->IsWindowVisible() ? g_call.get() : nullptr; }

void RegisterCallDeskApplet() { ce::RegisterApplet(kCallDeskProgram, &OpenCallDesk); }

void UnregisterCallDeskApplet() {
  ce::UnregisterApplet(kCallDeskProgram);
  // A call still up when the host goes ends there and then: it is recorded
  // like any other, and the radio layer hears that it ended.
  if (CallDeskWnd* call = ActiveCallDesk()) call->HangUp();
  g_call.reset();
}

}  // namespace telhub
