#include "MsgDeskWnd.h"

#include "AppTexts.h"
#include "CallRecord.h"
#include "ContactPicking.h"
#include "ce/debug.h"

namespace telhub {
namespace {

constexpr COLORREF kGrey = RGB(0x78, 0x78, 0x78);
constexpr int kAddButtonWidth = 72;

// The file name of a CE path.
std::wstring FileName(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

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
  const int width = GetWidth();

  recipients_.SetID(ID_RECIPIENTS);
  recipients_.SetTextSize(24);
  recipients_.SetTextFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  recipients_.SetPos(16, 10, width - 32 - kAddButtonWidth - 8, 56);
  AddUiWin(&recipients_);

  addRecipient_.SetID(ID_ADD_RECIPIENT);
  addRecipient_.SetButtonType(UIBUTTON_TYPE_PUSH);
  addRecipient_.SetText(L"+");
  addRecipient_.SetTextSize(32);
  addRecipient_.SetPos(width - 16 - kAddButtonWidth, 10, kAddButtonWidth, 56);
  AddUiWin(&addRecipient_);

  attachment_.SetID(ID_ATTACHMENT);
  attachment_.SetTextSize(22);
  attachment_.SetTextColor(kGrey);
  attachment_.SetTextFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);

  body_.SetID(ID_BODY);
  body_.SetTextSize(24);
  body_.SetText(request_.body.c_str());
  body_.SetTip(Text(L"输入信息", L"Write a message"));
  AddUiWin(&body_);

  toolBar_.SetID(ID_TOOL_BAR);
  toolBar_.SetPos(0, GetHeight() - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  toolBar_.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, Text(L"取消", L"Cancel"));
  toolBar_.SetMiddleButton(TRUE, TRUE, Text(L"插入名片", L"Insert card"));
  toolBar_.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, Text(L"发送", L"Send"));
  AddUiWin(&toolBar_);
  Layout();
  return TRUE;
}

void MsgDeskWnd::Layout() {
  const int width = GetWidth();
  std::wstring to = Text(L"收件人：", L"To: ") + RecipientsText();
  recipients_.SetText(to.c_str());

  int bodyTop = 76;
  if (!request_.cardPath.empty()) {
    std::wstring card = request_.cardName.empty() ? FileName(request_.cardPath) : request_.cardName;
    std::wstring line = Text(L"名片：", L"Card: ") + card;
    attachment_.SetText(line.c_str());
    attachment_.SetPos(16, bodyTop, width - 32, 44);
    if (!GetUiWin(ID_ATTACHMENT)) AddUiWin(&attachment_);
    bodyTop += 54;
  }
  body_.SetPos(12, bodyTop, width - 24, GetHeight() - UiToolBarPro::kHeight - bodyTop - 12);
  Invalidate();
}

void MsgDeskWnd::AddRecipients() {
  for (std::wstring& number : PickPhoneNumbers(GetHwnd())) {
    bool known = false;
    for (const std::wstring& present : request_.numbers) known = known || present == number;
    if (!known && request_.numbers.size() < kMaxRecipients) request_.numbers.push_back(std::move(number));
  }
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
                 body_.GetTextLength(), request_.cardPath.empty() ? L"" : L", a card attached");
    closed_(SENT);
  } else if (lParam == TOOLBAR_BUTTON_LEFT) {
    closed_(CANCELLED);
  }
  return 0;
}

}  // namespace telhub
