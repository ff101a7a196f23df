#include "MailComposerWnd.h"

#include <memory>

#include "AppTexts.h"
#include "ContactPicking.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/WinApi.h"

namespace mailcomposer {
namespace {

using telhub::Text;

constexpr int kAddButtonWidth = 72;

std::unique_ptr<MailComposerWnd> g_screen;

std::wstring FileName(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Joined(const std::vector<std::wstring>& texts, std::wstring (*shown)(const std::wstring&)) {
  std::wstring line;
  for (const std::wstring& text : texts) line += (line.empty() ? L"" : L", ") + shown(text);
  return line;
}

std::wstring AsIs(const std::wstring& text) { return text; }

}  // namespace

BOOL MailComposerWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(Text(L"新邮件", L"New e-mail"));
  const int width = GetWidth();

  recipients_.SetID(ID_RECIPIENTS);
  recipients_.SetTextSize(24);
  recipients_.SetTextFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  recipients_.SetPos(16, 10, width - 32 - kAddButtonWidth - 8, 56);
  AddUiWin(&recipients_);
  ShowRecipients();

  addRecipient_.SetID(ID_ADD_RECIPIENT);
  addRecipient_.SetButtonType(UIBUTTON_TYPE_PUSH);
  addRecipient_.SetText(L"+");
  addRecipient_.SetTextSize(32);
  addRecipient_.SetPos(width - 16 - kAddButtonWidth, 10, kAddButtonWidth, 56);
  AddUiWin(&addRecipient_);

  int bodyTop = 76;
  if (!mail_.attachments.empty()) {
    std::wstring line = Text(L"附件：", L"Attached: ") + Joined(mail_.attachments, &FileName);
    attachments_.SetID(ID_ATTACHMENTS);
    attachments_.SetText(line.c_str());
    attachments_.SetTextSize(22);
    attachments_.SetTextColor(RGB(0x78, 0x78, 0x78));
    attachments_.SetTextFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    attachments_.SetPos(16, bodyTop, width - 32, 44);
    AddUiWin(&attachments_);
    bodyTop += 54;
  }

  body_.SetID(ID_BODY);
  body_.SetPos(12, bodyTop, width - 24, GetHeight() - UiToolBarPro::kHeight - bodyTop - 12);
  body_.SetTextSize(24);
  body_.SetText(mail_.body.c_str());
  body_.SetTip(Text(L"输入邮件内容", L"Write your e-mail"));
  AddUiWin(&body_);

  toolBar_.SetID(ID_TOOL_BAR);
  toolBar_.SetPos(0, GetHeight() - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  toolBar_.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, Text(L"取消", L"Cancel"));
  toolBar_.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, Text(L"发送", L"Send"));
  AddUiWin(&toolBar_);
  return TRUE;
}

void MailComposerWnd::ShowRecipients() {
  std::wstring to = Text(L"收件人：", L"To: ") + Joined(mail_.recipients, &AsIs);
  recipients_.SetText(to.c_str());
  Invalidate();
}

void MailComposerWnd::AddRecipients() {
  for (std::wstring& address : telhub::PickEmailAddresses(GetHwnd())) {
    bool known = false;
    for (const std::wstring& present : mail_.recipients) known = known || present == address;
    if (!known) mail_.recipients.push_back(std::move(address));
  }
  ShowRecipients();
}

LRESULT MailComposerWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_ADD_RECIPIENT && HIWORD(wParam) == 0) {
    AddRecipients();
    return 0;
  }
  if (LOWORD(wParam) != ID_TOOL_BAR || !closed_) return 0;
  if (lParam == TOOLBAR_BUTTON_RIGHT) {
    mail_.body = body_.GetText();
    mail_.sent = true;
    AppendMailLog(mail_);
    closed_();
  } else if (lParam == TOOLBAR_BUTTON_LEFT) {
    closed_();
  }
  return 0;
}

void OpenMailComposerScreen(const ShownMail& mail) {
  CloseMailComposerScreen();
  auto screen = std::make_unique<MailComposerWnd>(mail, &CloseMailComposerScreen);
  RECT area = QzGetWorkArea();
  if (!screen->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0)) return;
  g_screen = std::move(screen);
  g_screen->Show(TRUE);
}

MailComposerWnd* ActiveMailComposerScreen() { return g_screen.get(); }

// Closes the screen now and frees it once the loop is back (its own handler
// may be on the stack).
void CloseMailComposerScreen() {
  if (!g_screen) return;
  QzCloseSip();
  g_screen->Show(FALSE);
  MailComposerWnd* closing = g_screen.release();
  qzfc::MessageLoop::Get().StartCallback(0, [closing] { delete closing; });
}

void DiscardMailComposerScreen() { g_screen.reset(); }

}  // namespace mailcomposer
