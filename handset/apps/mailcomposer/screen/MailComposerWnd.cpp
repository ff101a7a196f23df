#include "MailComposerWnd.h"

#include <memory>

#include "ActionToolBar.h"
#include "AppTexts.h"
#include "AppletScreen.h"
#include "ContactPicking.h"
#include "FileName.h"

namespace mailcomposer {
namespace {

using telhub::Text;

telhub::AppletScreen<MailComposerWnd> g_screen;

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

  fields_.AddTo(*this, {ID_RECIPIENTS, ID_ADD_RECIPIENT, ID_ATTACHMENTS, ID_BODY}, mail_.body,
                Text(L"输入邮件内容", L"Write your e-mail"));
  ShowRecipients();
  if (!mail_.attachments.empty())
    fields_.ShowAttachment(Text(L"附件：", L"Attached: ") + Joined(mail_.attachments, &telhub::FileName));

  telhub::AddCancelActionBar(*this, toolBar_, ID_TOOL_BAR, Text(L"发送", L"Send"));
  return TRUE;
}

void MailComposerWnd::ShowRecipients() { fields_.ShowRecipients(Joined(mail_.recipients, &AsIs)); }

void MailComposerWnd::AddRecipients() {
  telhub::AddNewRecipients(mail_.recipients, telhub::PickEmailAddresses(GetHwnd()));
  ShowRecipients();
}

LRESULT MailComposerWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_ADD_RECIPIENT && HIWORD(wParam) == 0) {
    AddRecipients();
    return 0;
  }
  if (LOWORD(wParam) != ID_TOOL_BAR || !closed_) return 0;
  if (lParam == TOOLBAR_BUTTON_RIGHT) {
    mail_.body = fields_.Body().GetText();
    mail_.sent = true;
    AppendMailLog(mail_);
    closed_();
  } else if (lParam == TOOLBAR_BUTTON_LEFT) {
    closed_();
  }
  return 0;
}

void OpenMailComposerScreen(const ShownMail& mail) {
  g_screen.Open(std::make_unique<MailComposerWnd>(mail, &CloseMailComposerScreen));
}

MailComposerWnd* ActiveMailComposerScreen() { return g_screen.Get(); }

void CloseMailComposerScreen() { g_screen.Close(); }

void DiscardMailComposerScreen() { g_screen.Discard(); }

}  // namespace mailcomposer
