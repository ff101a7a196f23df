#include "mailcomposer/MailComposer.h"

#include <string>

#include "ce/bstr.h"
#include "ce/com_object.h"
#include "ce/debug.h"
#include "mailcomposer/MailComposerHost.h"
#include "mailcomposer/MailLog.h"

namespace {

std::wstring Copy(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

class MailComposer final : public ce::ComObject<ce::ComInterface<IMailComposer, IID_IMailComposer>,
                                                ce::ComInterface<IMailComposerView, IID_IMailComposerView>> {
 public:
  explicit MailComposer(MailScreenOpener openScreen) : openScreen_(std::move(openScreen)) {}

  HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) override {
    mail_.owner = owner;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSubject(BSTR subject) override {
    mail_.subject = Copy(subject);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE AddAttachment(BSTR path) override {
    if (!path || SysStringLen(path) == 0) return E_INVALIDARG;
    mail_.attachments.push_back(Copy(path));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE AddRecipient(BSTR address) override {
    mail_.recipients.push_back(Copy(address));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetBody(BSTR body) override {
    mail_.body = Copy(body);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Show() override {
    std::wstring to;
    for (const auto& address : mail_.recipients) to += (to.empty() ? L"" : L"; ") + address;
    NKDbgPrintfW(L"Mail composer: to %s, subject \"%s\"\n", to.c_str(), mail_.subject.c_str());
    const bool logged = mailcomposer::AppendMailLog(mail_);
    if (openScreen_) openScreen_(mail_);
    return logged ? S_OK : E_FAIL;
  }

 private:
  mailcomposer::ShownMail mail_;
  MailScreenOpener openScreen_;
};

}  // namespace

void RegisterMailComposer() { RegisterMailComposer(nullptr); }

void RegisterMailComposer(MailScreenOpener openScreen) {
  ce::RegisterComClass(CLSID_MailComposer,
                       [openScreen] { return static_cast<IMailComposer*>(new MailComposer(openScreen)); });
}
