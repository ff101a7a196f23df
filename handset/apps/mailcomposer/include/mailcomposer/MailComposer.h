// The e-mail composer component.
//
// Programs create it with CoCreateInstance(CLSID_MailComposer, ...,
// IID_IMailComposer), hand it the owner window and the message's parts, and
// show it through IMailComposerView (obtained by QueryInterface). Texts are
// BSTRs that stay the caller's: the composer keeps copies.
//
// Show writes what it was given to the debug output and appends it to the
// mail log (MailLog.h), where people and tests can read it. In the phone
// host it also opens the composer's screen (MailComposerHost.h), where the
// user adds recipients and sends; elsewhere there is no screen.
#pragma once

#include "ce/com.h"
#include "ce/types.h"

// {83b73c92-04db-45ef-b6ee-12aec59c26cb}
inline constexpr CLSID CLSID_MailComposer = {
    0x83b73c92, 0x04db, 0x45ef, {0xb6, 0xee, 0x12, 0xae, 0xc5, 0x9c, 0x26, 0xcb}};
// {28d0fee1-98dc-41ac-b976-93a23b20676b}
inline constexpr IID IID_IMailComposer = {
    0x28d0fee1, 0x98dc, 0x41ac, {0xb9, 0x76, 0x93, 0xa2, 0x3b, 0x20, 0x67, 0x6b}};
// {8c54a4ab-34f6-4572-85fa-0ddecf48f6fa}
inline constexpr IID IID_IMailComposerView = {
    0x8c54a4ab, 0x34f6, 0x4572, {0x85, 0xfa, 0x0d, 0xde, 0xcf, 0x48, 0xf6, 0xfa}};

// The message being composed. Methods in slot order, from slot 3.
struct IMailComposer : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) = 0;  // 3
  virtual HRESULT STDMETHODCALLTYPE SetSubject(BSTR subject) = 0;    // 4
  // A file to attach, as a handset path ("\\tmpvcard\\Ann.vcf"); attachments
  // keep the order they were added in.
  virtual HRESULT STDMETHODCALLTYPE AddAttachment(BSTR path) = 0;    // 5
  virtual HRESULT STDMETHODCALLTYPE AddRecipient(BSTR address) = 0;  // 6
  virtual HRESULT STDMETHODCALLTYPE SetBody(BSTR body) = 0;          // 7

 protected:
  ~IMailComposer() = default;
};

// Showing the composer to the user.
struct IMailComposerView : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Show() = 0;  // 3

 protected:
  ~IMailComposerView() = default;
};

// Makes CLSID_MailComposer creatable in this process.
void RegisterMailComposer();
