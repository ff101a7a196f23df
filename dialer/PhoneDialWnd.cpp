#include "dialer/PhoneDialWnd.h"

#include "core/tabs/TabButtons.h"
#include "ce/bstr.h"
#include "contactdata/RegionLookup.h"
#include "contactdata/quick/QuickContact.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"
#include "dialer/CallCount.h"
#include "dialer/IpCallRule.h"
#include "dialer/KeyTone.h"
#include "dialer/NumberOwnerLine.h"
#include "dialer/SpeedDialEntry.h"
#include "dialer/VoiceMailNumberDlg.h"
#include "platform/PimContract.h"

LPCWSTR PhoneDialWnd::m_pwszPhoneDialWndClassName = L"PhoneDialWnd";

namespace {

// The twelve keys that type: their character and tone.
struct TypingKey {
  wchar_t ch;
  const wchar_t* tone;
};
constexpr TypingKey kTypingKeys[] = {
    {L'1', L"\\Windows\\DTMF1.WAV"},  {L'2', L"\\Windows\\DTMF2.WAV"},  {L'3', L"\\Windows\\DTMF3.WAV"},
    {L'4', L"\\Windows\\DTMF4.WAV"},  {L'5', L"\\Windows\\DTMF5.WAV"},  {L'6', L"\\Windows\\DTMF6.WAV"},
    {L'7', L"\\Windows\\DTMF7.WAV"},  {L'8', L"\\Windows\\DTMF8.WAV"},  {L'9', L"\\Windows\\DTMF9.WAV"},
    {L'*', L"\\Windows\\DTMF10.WAV"}, {L'0', L"\\Windows\\DTMF11.WAV"}, {L'#', L"\\Windows\\DTMF12.WAV"},
};

enum Key {
  kVoiceMailKey = 0,
  kStarKey = 9,
  kZeroKey = 10,
  kHashKey = 11,
  kClearKey = 12,
  kCallKey = 13,
  kDeleteKey = 14
};

constexpr int kKeyLeft = 13, kKeyTop = 163, kKeyWidth = 152, kKeyHeight = 87;
// The suggestions start under the match line: one row in the strip above
// the keypad, taller rows down to the tool bar once the keypad is folded.
constexpr int kSuggestionsTop = 132;
constexpr int kFoldedRowHeight = 62;
constexpr COLORREF kSpeedDialColor = 0x787878;
constexpr int kSpeedDialTextSize = 19;

constexpr UINT kImgBackground = 221, kImgFirstKeyIcon = 201;
constexpr UINT kImgTopLeft = 216, kImgBottomLeft = 217, kImgKey = 218, kImgTopRight = 219, kImgBottomRight = 220;

constexpr UINT kStrAdd = 683, kStrSettings = 848, kStrCancel = 611;
constexpr UINT kStrAddAsNew = 850, kStrAddToExisting = 706;
constexpr UINT kMenuAddAsNew = 100, kMenuAddToExisting = 2;
constexpr int kPhoneNumberKind = 256;

constexpr const wchar_t* kImeiCode = L"*#06#";

ImagingHelper* Image(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }

UINT PressedBackground(int key) {
  switch (key) {
    case 0:
      return kImgTopLeft;
    case 2:
      return kImgTopRight;
    case 12:
      return kImgBottomLeft;
    case 14:
      return kImgBottomRight;
    default:
      return kImgKey;
  }
}

}  // namespace

PhoneDialWnd::PhoneDialWnd() = default;
PhoneDialWnd::~PhoneDialWnd() = default;

LPCWSTR PhoneDialWnd::GetQzClassName() { return m_pwszPhoneDialWndClassName; }

BOOL PhoneDialWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(L"{70F80F4D-FD30-4d1c-B799-07F9791F1697}");
  int width = GetWidth();
  int height = GetHeight();

  ImagingHelper* background = Image(kImgBackground);
  if (background->IsLoaded()) {
    m_background.SetImage(background);
    m_background.SetPos(0, 0, background->GetWidth(), background->GetHeight());
  }
  AddUiWin(&m_background);

  m_dialField.SetPos(0, 34, width, 72);
  m_dialField.SetID(kDialFieldId);
  m_dialField.SetMaxTextSize(54);
  m_dialField.SetMinTextSize(26);
  m_dialField.SetTextSize(54);
  m_dialField.SetMaxChars(32);
  m_dialField.SetInvalidWidth(10, 10);
  m_dialField.SetCenterDisplay(TRUE);
  m_dialField.EnableAutoChangeFont(TRUE);
  m_dialField.SetNoBackground(TRUE);
  m_dialField.EnableZoomIn(FALSE);
  m_dialField.SetTextColor(RGB(0, 0, 0));
  m_dialField.EnableSimpleCopy(TRUE);
  AddUiWin(&m_dialField);
  // The pad is the keyboard: this mode brings up no soft keyboard.
  m_dialField.SetSipMode(0x7FFFF, 0xFFFFFFFF);

  m_matchLine.SetPos(0, 106, width, 26);
  m_matchLine.SetTextColor(RGB(0, 0, 0));
  // One line, cut with an ellipsis: a long name must not wrap out of its 26 pixels.
  m_matchLine.SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  AddUiWin(&m_matchLine);

  for (int i = 0; i < kKeyCount; ++i) CreateKey(i);

  m_suggestionList.SetID(kSuggestionListId);
  m_suggestionList.EnableNotifyMessage(TRUE);
  m_suggestionList.EnablePressedHoldSupport(TRUE);
  m_suggestionList.SetDragHandler([this] { OnSuggestionsDragged(); });
  m_suggestionList.SetPos(0, kSuggestionsTop, width, kKeyTop - kSuggestionsTop);
  m_suggestionList.SetItemHeight(kKeyTop - kSuggestionsTop);
  m_suggestionList.SetVisible(FALSE);
  AddUiWin(&m_suggestionList);

  m_toolBar.SetPos(0, height - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrAdd));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrSettings));
  vorna::AddTabButtons(m_toolBar, kDialerTab);
  AddUiWin(&m_toolBar);
  return TRUE;
}

void PhoneDialWnd::CreateKey(int i) {
  DialPadButton& key = m_keys[i];
  ImagingHelper* icon = Image(kImgFirstKeyIcon + static_cast<UINT>(i));
  key.EnableClipExtend(FALSE);
  key.SetPos(kKeyLeft + kKeyWidth * (i % 3), kKeyTop + kKeyHeight * (i / 3), kKeyWidth, kKeyHeight);
  key.SetClipExtend(16, 16);
  key.SetPressedIcon(icon);
  key.SetPressedBackground(Image(PressedBackground(i)));
  key.SetID(kFirstKeyId + i);
  key.SetActOnPress(i <= kHashKey || i == kDeleteKey);
  key.SetAutoRepeat(i == kDeleteKey);
  if (i == kVoiceMailKey || i == kZeroKey || i == kCallKey || i == kDeleteKey) {
    key.EnableNotifyMessage(TRUE);
    key.EnablePressedHoldSupport(TRUE);
  } else if (i == kHashKey) {
    key.EnableNotifyMessage(TRUE);
  } else if (i >= 1 && i <= 8) {
    ShowSpeedDialLabel(key, i + 1);
  }
  AddUiWin(&key);
}

void PhoneDialWnd::ShowSpeedDialLabel(DialPadButton& key, int entry) {
  SpeedDialEntry item = SpeedDialEntry::Read(entry);
  bool usable = item.Usable();
  key.SetText(usable ? item.name.c_str() : L"");
  if (usable) {
    key.SetTextColor(kSpeedDialColor);
    key.SetTextSize(kSpeedDialTextSize);
  }
  key.EnableNotifyMessage(usable);
  key.EnablePressedHoldSupport(usable);
  key.Invalidate(nullptr);
}

void PhoneDialWnd::UpdatFasteDialPad() {
  for (int entry = 2; entry <= 9; ++entry) ShowSpeedDialLabel(m_keys[entry - 1], entry);
}

const wchar_t* PhoneDialWnd::GetDialPN() const { return m_dialField.GetText(); }

void PhoneDialWnd::SetInitPN(const wchar_t* number) {
  if (!number || !number[0]) return;
  m_dialField.SetText(number);
  m_dialField.SetCursePos(0);
  Redraw(m_dialField);
  UpdatePNInfo();
}

void PhoneDialWnd::UpdatePNInfo() {
  m_matchLine.SetText(DescribeNumberOwner(m_dialField.GetText()).c_str());
  Redraw(m_matchLine);
  UpdateSuggestions();
}

void PhoneDialWnd::UpdateSuggestions() {
  const int roomBelow = m_toolBar.GetWinRect().top - kSuggestionsTop;
  m_suggestions.Search(m_dialField.GetText(), SuggestionList::RowsToRead(roomBelow, kFoldedRowHeight));
  m_suggestionList.SetTopPos(0);
  if (m_keypadFolded && m_suggestions.empty())
    ShowKeypad(true);
  else
    PlaceSuggestions();
}

void PhoneDialWnd::PlaceSuggestions() {
  const RECT before = m_suggestionList.GetWinRect();
  const int bottom = m_keypadFolded ? m_toolBar.GetWinRect().top : kKeyTop;
  m_suggestionList.SetItemHeight(m_keypadFolded ? kFoldedRowHeight : bottom - kSuggestionsTop);
  m_suggestionList.SetPos(0, kSuggestionsTop, GetWidth(), bottom - kSuggestionsTop);
  m_suggestionList.SetVisible(!m_suggestions.empty());
  // A list that shrank or went away uncovers the keypad's background.
  Invalidate(&before);
  m_suggestionList.Invalidate(nullptr);
  Update();
}

void PhoneDialWnd::ShowKeypad(bool shown) {
  m_keypadFolded = !shown;
  for (DialPadButton& key : m_keys) key.SetVisible(shown);
  PlaceSuggestions();
}

void PhoneDialWnd::OnSuggestionsDragged() {
  if (!m_keypadFolded && m_suggestionList.Overflows()) ShowKeypad(false);
}

void PhoneDialWnd::DialSuggestion(int row) {
  const T9Suggestion* suggestion = m_suggestions.Row(row);
  if (!suggestion || suggestion->number.empty()) return;
  const qzu::string number = suggestion->number;
  if (!IpCallRule::FromSettings().Dial(number)) DialNumber(number.c_str(), 0);
  ClearNumber();
}

void PhoneDialWnd::FillFromSuggestion(int row) {
  const T9Suggestion* suggestion = m_suggestions.Row(row);
  if (!suggestion || suggestion->number.empty()) return;
  m_dialField.SetText(suggestion->number.c_str());
  m_dialField.SetCursePos(-1);
  Redraw(m_dialField);
  if (m_keypadFolded) ShowKeypad(true);
  UpdatePNInfo();
}

LRESULT PhoneDialWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  if (id >= kFirstKeyId && id <= kDialFieldId && !m_dialField.HasFocus()) m_dialField.SetFocus(TRUE);
  int key = id - kFirstKeyId;
  if (key >= 0 && key <= kHashKey) {
    PlayKeyTone(kTypingKeys[key].tone);
    SendChar(kTypingKeys[key].ch);
  } else if (key == kDeleteKey) {
    SendChar(8);
  } else if (key == kClearKey) {
    ClearNumber();
  } else if (key == kCallKey) {
    OnCallKey();
  } else if (id == kToolBarId) {
    if (lParam == TOOLBAR_BUTTON_LEFT) {
      AddtoContact();
    } else if (lParam == TOOLBAR_BUTTON_RIGHT) {
      m_dialField.SetFocus(FALSE);
      Redraw(m_dialField);
      qzu::string handle(static_cast<long>(reinterpret_cast<intptr_t>(GetHwnd())));
      LaunchProgram(L"\\windows\\TelPrefs.exe", (L"-p " + handle).c_str());
    } else if (lParam == kCallLogTab || lParam == kContactsTab) {
      SendTabSwitch(static_cast<int>(lParam));
    }
  }
  return 0;
}

void PhoneDialWnd::OnCallKey() {
  if (m_holdCall) {
    m_holdCall = false;
    return;
  }
  CQzStringW number = m_dialField.GetText();
  if (!number.IsEmpty()) {
    if (number.GetAt(number.GetLength() - 1) == L'+') {
      wchar_t* region = nullptr;
      if (GetPNRegionInfo(number, &region)) {
        QzMessageBoxV2(GetHwnd(), region, 1, 0);
        SysFreeString(region);
      }
      return;
    }
    DialNumber(number, 0);
    ClearNumber();
  } else if (!LastDialledNumber.IsEmpty()) {
    m_dialField.SetText(LastDialledNumber);
    m_dialField.SetCursePos(-1);
    Redraw(m_dialField);
    UpdatePNInfo();
  }
}

void PhoneDialWnd::IpCallProcess() {
  DialPadButton& callKey = m_keys[kCallKey];
  callKey.ReleaseCapture();
  callKey.ResetLButtonState();
  callKey.SetState(UIBUTTON_STATE_NORMAL);
  Redraw(callKey);
  if (!IpCallRule::FromSettings().Dial(m_dialField.GetText())) {
    m_dialField.SetCursePos(0);
    Redraw(m_dialField);
  }
}

void PhoneDialWnd::OnKeyHeld(int id) {
  int key = id - kFirstKeyId;
  if (key >= kVoiceMailKey && key <= 8) {
    SpeedDial(key + 1);
  } else if (key == kZeroKey) {
    // The press typed "0"; a long press means "+" instead.
    m_dialField.EnableUpdateDis(FALSE);
    SendChar(8);
    m_dialField.EnableUpdateDis(TRUE);
    SendChar(L'+');
  } else if (key == kCallKey && m_dialField.GetTextLength() > 0) {
    m_holdCall = true;
    IpCallProcess();
  }
}

void PhoneDialWnd::SpeedDial(int entry) {
  // Only the digit typed by this very press may be in the field.
  if (m_dialField.GetTextLength() > 1) return;
  SpeedDialEntry item = SpeedDialEntry::Read(entry);
  if (item.Usable()) {
    if (!item.DialsAtOnce()) {
      m_dialField.SetText(item.number.c_str());
      m_dialField.SetCursePos(0);
      Redraw(m_dialField);
      UpdatePNInfo();
      return;
    }
    DialPadButton& key = m_keys[entry - 1];
    ReleaseKey(key);
    key.SetSkipReleaseRedraw(true);
    DialNumber(item.number.c_str(), 0);
    ClearNumber();
    return;
  }
  if (entry == 1) AskVoiceMailNumber(item.stored);
}

void PhoneDialWnd::AskVoiceMailNumber(bool entryStored) {
  VoiceMailNumberDlg dialog(L"");
  RECT area = QzGetWorkArea();
  if (dialog.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, GetHwnd(), 0, WS_POPUP) &&
      dialog.DoModal() == VoiceMailNumberDlg::kResultSave && dialog.GetText()[0]) {
    if (PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf()) {
      qzu::string number(dialog.GetText());
      if (entryStored)
        settings->UpdateSpeedDialItem(1, 0, L"", number);
      else
        settings->InsertSpeedDialItem(1, 0, L"", number);
    }
  }
  ReleaseKey(m_keys[kVoiceMailKey]);
  ClearNumber();
  dialog.DestroyWindow();
}

void PhoneDialWnd::AddtoContact() {
  if (m_matchLine.GetTextLength() > 0 || m_dialField.GetTextLength() == 0) return;
  QzPopupMenu menu;
  menu.AppendMenuItem(kMenuAddAsNew, LoadResString(kStrAddAsNew), 0);
  menu.AppendMenuItem(kMenuAddToExisting, LoadResString(kStrAddToExisting), 0);
  UINT choice = menu.QzTrackPopupMenu(GetHwnd(), 1, LoadResString(kStrCancel), 0);
  CQzStringW number = m_dialField.GetText();
  int contact = 0;
  if (choice == kMenuAddAsNew)
    contact = FastNewContact(GetHwnd(), kPhoneNumberKind, number, nullptr);
  else if (choice == kMenuAddToExisting)
    contact = FastAddItem2Contact(GetHwnd(), kPhoneNumberKind, number);
  if (contact) UpdatePNInfo();
}

LRESULT PhoneDialWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_BUTTON_NOTIFY) {
    int id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    if (code == QZ_BN_HELD) {
      OnKeyHeld(id);
    } else if (code == QZ_BN_PRESSED && id == kFirstKeyId + kCallKey) {
      // The hold-call flag swallows the command of the press that placed the
      // IP call. The toolkit fires no command for a key released that way,
      // so a new press ends the flag; otherwise it would swallow this one.
      m_holdCall = false;
    } else if (code == QZ_BN_RELEASED && id == kFirstKeyId + kHashKey &&
               CQzStringW(m_dialField.GetText()) == kImeiCode) {
      // The code goes to the in-call screen like a number; ending in "#",
      // it is not remembered for redial.
      DialNumber(m_dialField.GetText(), 0);
      ClearNumber();
    }
    return 0;
  }
  if ((msg == QZ_WM_LIST_CLICK || msg == QZ_WM_LIST_HOLD) && LOWORD(wParam) == kSuggestionListId) {
    if (msg == QZ_WM_LIST_CLICK)
      DialSuggestion(LOWORD(lParam));
    else
      FillFromSuggestion(LOWORD(lParam));
    return 0;
  }
  if (msg == WM_LBUTTONDOWN && m_keypadFolded) {
    // A tap on the number field brings the keypad back.
    const RECT field = m_dialField.GetWinRect();
    const int x = static_cast<int16_t>(LOWORD(lParam)), y = static_cast<int16_t>(HIWORD(lParam));
    if (x >= field.left && x < field.right && y >= field.top && y < field.bottom) ShowKeypad(true);
  }
  if (msg == QZ_WM_EDIT_CHANGE) {
    // Every change of the text, deletions included, refreshes the owner's name.
    UINT code = LOWORD(lParam);
    if (wParam == static_cast<WPARAM>(kDialFieldId) &&
        (code == QZ_EN_CHAR || code == QZ_EN_DELETE || code == QZ_EN_PASTE || code == QZ_EN_CLEAR))
      UpdatePNInfo();
    return 0;
  }
  if (msg == WM_SHOWWINDOW) {
    OnShow(wParam);
  } else if (msg == QZ_WM_ACTIVATE && LOWORD(wParam) == 1) {
    if (IsWindowVisible()) UpdatFasteDialPad();
  } else if (msg == GetCallStateMessage() && wParam == 1) {
    OnCallStateChanged();
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

void PhoneDialWnd::OnShow(WPARAM shown) {
  m_toolBar.SetMiddleButtonHighLight(kDialerTab);
  if (shown == 0) m_dialField.SetFocus(FALSE);
  if (shown == 1) {
    if (m_keypadFolded) ShowKeypad(true);
    if (!PendingDialNumber.IsEmpty()) {
      SetInitPN(PendingDialNumber);
      m_dialField.SetCursePos(0);
      PendingDialNumber.Empty();
    } else {
      m_dialField.SetText(L"");
      m_matchLine.SetText(L"");
      m_dialField.SetCursePos(-1);
      Redraw(m_dialField);
      Redraw(m_matchLine);
      ClearSuggestions();
    }
    UpdatFasteDialPad();
  }
  if (shown != 0 && !m_dialField.HasFocus()) m_dialField.SetFocus(TRUE);
}

void PhoneDialWnd::OnCallStateChanged() {
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, GetExistedCallCount() == 0, LoadResString(kStrSettings));
  if (IsWindowVisible()) Redraw(m_toolBar);
}

void PhoneDialWnd::SendTabSwitch(int tab) {
  if (CQzWnd* parent = CQzWnd::FromHandle(GetParent()))
    parent->SendMessageW(kTabSwitchMessage, reinterpret_cast<WPARAM>(this), tab);
}

void PhoneDialWnd::SendChar(wchar_t ch) { SendMessageW(WM_CHAR, static_cast<WPARAM>(ch), 0); }

void PhoneDialWnd::ClearNumber() {
  m_dialField.SetText(L"");
  m_dialField.SetCursePos(-1);
  Redraw(m_dialField);
  m_matchLine.SetText(L"");
  Redraw(m_matchLine);
  ClearSuggestions();
}

void PhoneDialWnd::ClearSuggestions() {
  m_suggestions.Clear();
  if (m_keypadFolded)
    ShowKeypad(true);
  else
    PlaceSuggestions();
}

void PhoneDialWnd::ReleaseKey(DialPadButton& key) {
  key.ReleaseCapture();
  key.SetState(UIBUTTON_STATE_NORMAL);
  Redraw(key);
}

void PhoneDialWnd::Redraw(UiWin& control) {
  control.Invalidate(nullptr);
  control.Update();
}
