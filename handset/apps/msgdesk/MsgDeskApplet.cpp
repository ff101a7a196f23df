#include "MsgDeskApplet.h"

#include <memory>

#include "AppletScreen.h"
#include "MsgDeskWnd.h"
#include "ce/shell.h"
#include "contactdata/VcardViewing.h"
#include "qzfc/MessageLoop.h"

namespace telhub {
namespace {

AppletScreen<MsgDeskWnd> g_composer;

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
  return g_composer.Open(
      std::make_unique<MsgDeskWnd>(std::move(*request), [](MsgDeskWnd::Outcome) { g_composer.Close(); }));
}

MsgDeskWnd* ActiveMsgDesk() { return g_composer.Get(); }

void RegisterMsgDeskApplet() { ce::RegisterApplet(kMsgDeskProgram, &OpenMsgDesk); }

void UnregisterMsgDeskApplet() {
  ce::UnregisterApplet(kMsgDeskProgram);
  g_composer.Discard();
}

}  // namespace telhub
