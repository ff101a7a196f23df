#include "MsgDeskApplet.h"

#include <memory>

#include "MsgDeskWnd.h"
#include "ce/shell.h"
#include "contactdata/VcardViewing.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

std::unique_ptr<MsgDeskWnd> g_composer;

// Closes the composer now and frees it once the loop is back (its own
// handler may be on the stack).
void CloseComposer() {
  if (!g_composer) return;
  QzCloseSip();
  g_composer->Show(FALSE);
  MsgDeskWnd* closing = g_composer.release();
  qzfc::MessageLoop::Get().StartCallback(0, [closing] { delete closing; });
}

}  // namespace

bool OpenMsgDesk(const std::wstring& parameters) {
  std::optional<MessageRequest> request = ParseMsgDeskArgs(parameters);
  if (!request) return false;
  if (request->kind == MessageRequest::Kind::ReceivedCard) {
    // Shown once the launcher is back, over whatever is in front.
    qzfc::MessageLoop::Get().StartCallback(0, [card = std::move(request->body)] {
      FastProcessVcfContent(nullptr, card.c_str());
    });
    return true;
  }
  CloseComposer();
  auto composer = std::make_unique<MsgDeskWnd>(std::move(*request), [](MsgDeskWnd::Outcome) { CloseComposer(); });
  RECT area = QzGetWorkArea();
  if (!composer->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0))
    return false;
  g_composer = std::move(composer);
  g_composer->Show(TRUE);
  return true;
}

MsgDeskWnd* ActiveMsgDesk() { return g_composer.get(); }

void RegisterMsgDeskApplet() { ce::RegisterApplet(kMsgDeskProgram, &OpenMsgDesk); }

void UnregisterMsgDeskApplet() {
  ce::UnregisterApplet(kMsgDeskProgram);
  g_composer.reset();
}

}  // namespace telhub
