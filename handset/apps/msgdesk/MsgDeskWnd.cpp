#include "MsgDeskWnd.h"

#include "ActionToolBar.h"
#include "AppTexts.h"
#include "CallRecord.h"
#include "ContactPicking.h"
#include "FileName.h"
#include "ce/debug.h"

namespace telhub {

MsgDeskWnd::MsgDeskWnd(MessageRequest request, std::function<void(Outcome)> closed)
    : request_(std::move(request)), closed_(std::move(closed)) {}

std::wstring MsgDeskWnd::RecipientsText() const {
  std::wstring text;
  if (request_.kind == MessageRequest::Kind::Group) {
    std::wstring group = GroupName(request_.groupId);
    text = group.empty() ? std::wstring(Text(L"未知群组", L"unknown group")) : group;
  }
  for (const std::wstring& number : request_.numbers) {
    CallerInfo owner = IdentifyCaller(number);
    if (!text.empty()) text += L", ";
    text += owner.contactId ? owner.name : number;
  }
  return text;
}

BOOL MsgDeskWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(Text(L"新信息", L"New message"));
  fields_.AddTo(*this, {ID_RECIPIENTS, ID_ADD_RECIPIENT, ID_ATTACHMENT, ID_BODY}, request_.body,
                Text(L"输入信息", L"Write a message"));

  AddCancelActionBar(*this, toolBar_, ID_TOOL_BAR, Text(L"发送", L"Send"));
  toolBar_.SetMiddleButton(TRUE, TRUE, Text(L"插入名片", L"Insert card"));
  Layout();
  return TRUE;
}

void MsgDeskWnd::Layout() {
  fields_.ShowRecipients(RecipientsText());
  if (request_.cardPath.empty()) return;
  std::wstring card = request_.cardName.empty() ? FileName(request_.cardPath) : request_.cardName;
  fields_.ShowAttachment(Text(L"名片：", L"Card: ") + card);
}

void MsgDeskWnd::AddRecipients() {
  AddNewRecipients(request_.numbers, PickPhoneNumbers(GetHwnd()), kMaxRecipients);
  Layout();
}

void MsgDeskWnd::InsertCard() {
  PickedCard card;
  if (!PickContactCard(GetHwnd(), card)) return;
  request_.cardPath = card.path;
  request_.cardName = card.name;
  Layout();
}

LRESULT MsgDeskWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_ADD_RECIPIENT && HIWORD(wParam) == 0) {
    AddRecipients();
    return 0;
  }
  if (LOWORD(wParam) != ID_TOOL_BAR || !closed_) return 0;
  if (lParam == TOOLBAR_BUTTON_MIDDLE) {
    InsertCard();
  } else if (lParam == TOOLBAR_BUTTON_RIGHT) {
    NKDbgPrintfW(L"msgdesk: message to %s (%d characters%s) handed to the radio\n", RecipientsText().c_str(),
                 fields_.Body().GetTextLength(), request_.cardPath.empty() ? L"" : L", a card attached");
    closed_(SENT);
  } else if (lParam == TOOLBAR_BUTTON_LEFT) {
    closed_(CANCELLED);
  }
  return 0;
}

}  // namespace telhub
