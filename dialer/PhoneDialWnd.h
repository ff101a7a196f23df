// PhoneDialWnd: the dialer. A number field over a fifteen-key pad, the name
// of the contact who owns the typed number, the contacts the typed digits
// find (smart dial) between them, and the tool bar shared with the call log
// and contacts tabs. The host creates it once and shows and hides
// it as the user changes tabs; any window whose parent handles the tab switch
// (0x401, lParam the tab) can host it.
#pragma once

#include "core/VornaExport.h"
#include "dialer/DialPadButton.h"
#include "dialer/SuggestionList.h"
#include "dialer/SuggestionRows.h"
#include "platform/ToolkitContract.h"

class VORNALIB_API PhoneDialWnd : public CQzWndEx {
 public:
  PhoneDialWnd();
  // A window is bound to its handle and its controls to the window, so the
  // dialer is not copied.
  PhoneDialWnd(const PhoneDialWnd&) = delete;
  PhoneDialWnd& operator=(const PhoneDialWnd&) = delete;

  LPCWSTR GetQzClassName() override;
  ~PhoneDialWnd() override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // The typed number (owned by the field).
  const wchar_t* GetDialPN() const;
  // Puts a number in the field, caret in front, and shows its owner; an
  // empty number changes nothing.
  void SetInitPN(const wchar_t* number);
  void UpdatePNInfo();
  // The speed-dial names on keys 2 to 9.
  void UpdatFasteDialPad();
  void IpCallProcess();
  void AddtoContact();

  static LPCWSTR m_pwszPhoneDialWndClassName;

  // Controls and the tabs of the shared tool bar.
  static constexpr int kFirstKeyId = 512;
  static constexpr int kKeyCount = 15;
  static constexpr int kDialFieldId = 527;
  static constexpr int kToolBarId = 529;
  static constexpr int kSuggestionListId = 530;
  static constexpr UINT kTabSwitchMessage = 0x401;
  static constexpr int kCallLogTab = 3;
  static constexpr int kContactsTab = 4;
  static constexpr int kDialerTab = 5;

 private:
  void CreateKey(int index);
  void ShowSpeedDialLabel(DialPadButton& key, int entry);
  void OnCallKey();
  void OnKeyHeld(int id);
  void SpeedDial(int entry);
  void AskVoiceMailNumber(bool entryStored);
  void OnShow(WPARAM shown);
  void OnCallStateChanged();
  void SendTabSwitch(int tab);
  void SendChar(wchar_t ch);
  // Empties the field (caret at the end) and the match line.
  void ClearNumber();
  void ReleaseKey(DialPadButton& key);
  static void Redraw(UiWin& control);
  // Smart dial: the suggestions for the field's digits, in the strip above
  // the keypad or, with the keypad folded away, in the keypad's room.
  void UpdateSuggestions();
  void ClearSuggestions();
  void ShowKeypad(bool shown);
  void PlaceSuggestions();
  void OnSuggestionsDragged();
  void DialSuggestion(int row);
  void FillFromSuggestion(int row);

  UiToolBarPro m_toolBar;
  UiSingleLineEdit m_dialField;
  UiStatic m_matchLine;
  UiPicture2 m_background;
  DialPadButton m_keys[kKeyCount];
  // A long press of the call key started an IP call; the call key's own
  // command that follows does nothing.
  bool m_holdCall = false;
  SuggestionRows m_suggestions;
  SuggestionList m_suggestionList{m_suggestions};
  bool m_keypadFolded = false;
};
