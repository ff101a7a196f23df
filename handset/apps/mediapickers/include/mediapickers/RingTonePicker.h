// The ring tone picker: an in-process COM class with two interfaces.
//
// IRingTonePicker (the one CoCreateInstance asks for) takes the settings and
// gives the choice; IRingTonePickerView, obtained by QueryInterface, shows
// the modal list:
//   picker->SetOwnerWindow(owner);
//   picker->SetUserRingFolder(L"\\My Documents\\Rings");   // QzGetPath("UserRingPath")
//   picker->SetSystemRingFolder(L"\\windows\\Rings");      // QzGetPath("SettingRingPath")
//   picker->SetSelectedPath(record.ringPath);
//   picker->SetTitle(title); picker->SetBackText(back);
//   int result = 0; view->Show(&result);
//   if (result == RING_RESULT_CHOSEN) {
//     BSTR path = nullptr; picker->GetChosenPath(&path);   // null: default tone
//     ...; SysFreeString(path);
//   }
//
// The list holds the WAV files of both folders (the user's first), each by
// its base name, below a first row for the default tone. The preselected
// entry is marked; a tap on a row marks it and plays it through PlaySoundW;
// the confirm button returns the marked entry's handset path (as given by
// the folder, e.g. "\My Documents\Rings\Bell.wav"), or no path for the
// default tone. Texts are copied; null texts and folders mean none.
#pragma once

#include "ce/com.h"
#include "ce/types.h"

// {c364955f-522f-4c1c-835a-7ba78fabdbab}
inline constexpr CLSID CLSID_RingTonePicker = {
    0xc364955f, 0x522f, 0x4c1c, {0x83, 0x5a, 0x7b, 0xa7, 0x8f, 0xab, 0xdb, 0xab}};
// {80f151b9-8652-4849-a80f-c77b41df8ac7}
inline constexpr IID IID_IRingTonePicker = {
    0x80f151b9, 0x8652, 0x4849, {0xa8, 0x0f, 0xc7, 0x7b, 0x41, 0xdf, 0x8a, 0xc7}};
// {fec0c306-251b-4163-aeee-be778e3ed66e}
inline constexpr IID IID_IRingTonePickerView = {
    0xfec0c306, 0x251b, 0x4163, {0xae, 0xee, 0xbe, 0x77, 0x8e, 0x3e, 0xd6, 0x6e}};

// What Show reports: a tone was confirmed, or the user went back.
inline constexpr int RING_RESULT_CHOSEN = 1;
inline constexpr int RING_RESULT_CANCELLED = 2;

// Settings and the choice. Methods in slot order, from slot 3.
struct IRingTonePicker : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) = 0;          // 3
  virtual HRESULT STDMETHODCALLTYPE SetUserRingFolder(LPCWSTR folder) = 0;   // 4
  virtual HRESULT STDMETHODCALLTYPE SetSystemRingFolder(LPCWSTR folder) = 0; // 5
  // The entry marked when the list opens; an empty or unknown path marks
  // the default tone.
  virtual HRESULT STDMETHODCALLTYPE SetSelectedPath(LPCWSTR path) = 0;       // 6
  virtual HRESULT STDMETHODCALLTYPE SetTitle(LPCWSTR title) = 0;             // 7
  virtual HRESULT STDMETHODCALLTYPE SetBackText(LPCWSTR text) = 0;           // 8
  // The confirmed path as a new BSTR the caller frees with SysFreeString;
  // null when the default tone was chosen or nothing was confirmed.
  virtual HRESULT STDMETHODCALLTYPE GetChosenPath(BSTR* path) = 0;           // 9

 protected:
  ~IRingTonePicker() = default;
};

// Showing the list.
struct IRingTonePickerView : IUnknown {
  // Runs the list modally; *result receives RING_RESULT_CHOSEN or
  // RING_RESULT_CANCELLED.
  virtual HRESULT STDMETHODCALLTYPE Show(int* result) = 0;  // 3

 protected:
  ~IRingTonePickerView() = default;
};

// Makes CLSID_RingTonePicker creatable in this process.
void RegisterRingTonePicker();
void UnregisterRingTonePicker();
