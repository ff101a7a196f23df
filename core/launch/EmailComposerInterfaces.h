// The e-mail composer component as the library calls it: its class, and its
// two interfaces with their methods in slot order.
#pragma once

#include "ce/com.h"
#include "ce/types.h"

// {83b73c92-04db-45ef-b6ee-12aec59c26cb}
inline constexpr CLSID kEmailComposerClass = {
    0x83b73c92, 0x04db, 0x45ef, {0xb6, 0xee, 0x12, 0xae, 0xc5, 0x9c, 0x26, 0xcb}};
// {28d0fee1-98dc-41ac-b976-93a23b20676b}
inline constexpr IID kEmailMessageInterface = {
    0x28d0fee1, 0x98dc, 0x41ac, {0xb9, 0x76, 0x93, 0xa2, 0x3b, 0x20, 0x67, 0x6b}};
// {8c54a4ab-34f6-4572-85fa-0ddecf48f6fa}
inline constexpr IID kEmailViewInterface = {
    0x8c54a4ab, 0x34f6, 0x4572, {0x85, 0xfa, 0x0d, 0xde, 0xcf, 0x48, 0xf6, 0xfa}};

struct IEmailMessage : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) = 0;  // slot 3
  virtual HRESULT STDMETHODCALLTYPE SetSubject(BSTR subject) = 0;    // slot 4, not used here
  virtual HRESULT STDMETHODCALLTYPE SetBody(BSTR body) = 0;          // slot 5, not used here
  virtual HRESULT STDMETHODCALLTYPE AddRecipient(BSTR address) = 0;  // slot 6

 protected:
  ~IEmailMessage() = default;
};

struct IEmailView : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Show() = 0;  // slot 3

 protected:
  ~IEmailView() = default;
};
