// The e-mail composer's screen: the recipients (with an add button that
// picks addresses from the contacts), the attached files, the subject and
// the text. Send records the mail as sent in the mail log; both send and
// cancel close the screen. There is no mail account here: nothing leaves
// the phone.
#pragma once

#include <functional>

#include "ComposerFields.h"
#include "mailcomposer/MailLog.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiToolBarPro.h"

namespace mailcomposer {

class MailComposerWnd : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_RECIPIENTS = 2, ID_ADD_RECIPIENT = 3, ID_ATTACHMENTS = 4, ID_BODY = 5 };

  MailComposerWnd(ShownMail mail, std::function<void()> closed) : mail_(std::move(mail)), closed_(std::move(closed)) {}

  LPCWSTR GetQzClassName() override { return L"MailComposerWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

  const ShownMail& Mail() const { return mail_; }

 private:
  void ShowRecipients();
  void AddRecipients();

  ShownMail mail_;
  std::function<void()> closed_;
  telhub::ComposerFields fields_;
  UiToolBarPro toolBar_;
};

// Opens the screen for a mail the composer was asked to show (a screen open
// already gives way to it), and the one open now, or null.
void OpenMailComposerScreen(const ShownMail& mail);
MailComposerWnd* ActiveMailComposerScreen();
void CloseMailComposerScreen();
// Frees the screen at once (the host going away).
void DiscardMailComposerScreen();

}  // namespace mailcomposer
