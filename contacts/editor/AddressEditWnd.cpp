#include "contacts/editor/AddressEditWnd.h"

#include "contactdata/TypeLabel.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrEditAddress = 861, kStrCancel = 611, kStrSave = 604;
constexpr UINT kStrCountry = 660, kStrCity = 658, kStrProvince = 659, kStrStreet = 656, kStrPostcode = 657;
constexpr int kAddressTypes = 3;
constexpr UINT kFrameImage = 109, kFrameImageType = 10;
constexpr int kFrameEdge = 8;
constexpr DWORD kTextKeyboard = 1, kDigitKeyboard = 9;

bool IsTextChange(LPARAM lParam) {
  const int code = LOWORD(lParam);
  return code == QZ_EN_CHAR || code == QZ_EN_DELETE || code == QZ_EN_PASTE || code == QZ_EN_CLEAR;
}

qzu::string Text(const UiSingleLineEdit& field) { return qzu::string(field.GetText()); }

}  // namespace

CAddressEditWnd::CAddressEditWnd() = default;

// The fields and frames are children of the area, declared after it; they
// leave the area before either goes.
CAddressEditWnd::~CAddressEditWnd() {
  for (UiWin* child : {static_cast<UiWin*>(&m_upperFrame), static_cast<UiWin*>(&m_lowerFrame),
                       static_cast<UiWin*>(&m_country), static_cast<UiWin*>(&m_city),
                       static_cast<UiWin*>(&m_province), static_cast<UiWin*>(&m_street),
                       static_cast<UiWin*>(&m_postcode)})
    m_area.RemoveChild(child);
}

LPCWSTR CAddressEditWnd::GetQzClassName() { return L"CAddressEditWnd"; }

const st_address_Info* CAddressEditWnd::StoredAddress() const {
  return m_record && m_index >= 0 && m_record->addresses.valid_index(m_index) ? &m_record->addresses[m_index]
                                                                                : nullptr;
}

BOOL CAddressEditWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog() || !m_record) return FALSE;
  // An index beyond the record's addresses names nothing to edit.
  if (m_index >= 0 && !StoredAddress()) return FALSE;
  const st_address_Info* stored = StoredAddress();
  SetWindowText(LoadResString(kStrEditAddress));

  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetPos(0, GetHeight() - UiToolBarPro::kHeight, GetWidth(), UiToolBarPro::kHeight);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, FALSE, LoadResString(kStrSave));
  AddUiWin(&m_toolBar);

  m_area.SetPos(0, 0, GetWidth(), GetHeight() - UiToolBarPro::kHeight);
  AddUiWin(&m_area);

  m_typeBar.SetID(kTypeBarId);
  m_typeBar.SetPos(0, 0, 480, 68);
  m_typeBar.SetButtonCount(kAddressTypes);
  for (int type = 0; type < kAddressTypes; ++type)
    m_typeBar.SetButtonText(type, LoadResString(GetTypeLabelId(VALUE_KIND_ADDRESS, type)));
  m_typeBar.SetHighLightButton(stored && stored->type >= 0 && stored->type < kAddressTypes ? stored->type : 0);
  AddUiWin(&m_typeBar);

  HMODULE toolkitImages = GetQzResModuleHandle();
  for (UiPicture* frame : {&m_upperFrame, &m_lowerFrame}) {
    frame->LoadImageW(toolkitImages, kFrameImageType, kFrameImage, TRUE);
    frame->SetEdge(kFrameEdge, kFrameEdge, kFrameEdge, kFrameEdge);
    frame->SetPaintMode(PICTURE_PAINT_EDGES);
  }
  m_upperFrame.SetPos(12, 83, 456, 64);
  m_lowerFrame.SetPos(12, 162, 456, 64);
  m_area.AddChild(&m_upperFrame);
  m_area.AddChild(&m_lowerFrame);

  const st_address_Info empty;
  const st_address_Info& value = stored ? *stored : empty;
  AddField(m_country, kCountryId, RECT{12, 83, 154, 147}, kStrCountry, value.country, kTextKeyboard);
  AddField(m_city, kCityId, RECT{164, 83, 316, 147}, kStrCity, value.city, kTextKeyboard);
  AddField(m_province, kProvinceId, RECT{316, 83, 468, 147}, kStrProvince, value.province, kTextKeyboard);
  AddField(m_street, kStreetId, RECT{12, 162, 316, 226}, kStrStreet, value.street, kTextKeyboard);
  AddField(m_postcode, kPostcodeId, RECT{316, 162, 468, 226}, kStrPostcode, value.postcode, kDigitKeyboard);
  m_country.SetFocus(TRUE);
  return TRUE;
}

void CAddressEditWnd::AddField(UiSingleLineEdit& field, int id, RECT rc, UINT tip, const qzu::string& value,
                               DWORD sipMode) {
  field.SetID(id);
  field.SetPos(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  field.SetTextColor(RGB(0, 0, 0));
  field.SetTextSize(24);
  field.SetNoBackground(TRUE);
  field.EnableSwitchFocus(TRUE);
  field.SetTip(LoadResString(tip));
  field.SetText(value.c_str());
  field.SetSipMode(sipMode, 0xFFFFFFFF);
  m_area.AddChild(&field);
}

ADDRESS_CHANGE_STATE CAddressEditWnd::GetChangeState() const {
  const UiSingleLineEdit* fields[] = {&m_country, &m_city, &m_province, &m_street, &m_postcode};
  bool allEmpty = true;
  for (const UiSingleLineEdit* field : fields) allEmpty = allEmpty && field->GetTextLength() == 0;
  if (allEmpty) return ADDRESS_EMPTY;
  const st_address_Info* stored = StoredAddress();
  if (!stored) return ADDRESS_NEW;
  const bool same = Text(m_country) == stored->country && Text(m_city) == stored->city &&
                    Text(m_province) == stored->province && Text(m_street) == stored->street &&
                    Text(m_postcode) == stored->postcode && m_typeBar.GetHighLightButton() == stored->type;
  return same ? ADDRESS_UNCHANGED : ADDRESS_CHANGED;
}

void CAddressEditWnd::UpdateSaveButton() {
  const ADDRESS_CHANGE_STATE state = GetChangeState();
  m_toolBar.EnableButton(TOOLBAR_BUTTON_RIGHT, state == ADDRESS_NEW || state == ADDRESS_CHANGED);
  m_toolBar.Invalidate();
  m_toolBar.Update();
}

LRESULT CAddressEditWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_EDIT_CHANGE && IsTextChange(lParam)) {
    UpdateSaveButton();
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CAddressEditWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == kTypeBarId) {
    UpdateSaveButton();
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_LEFT) {
    m_area.SetFocus(FALSE);
    m_area.SetVisible(FALSE);
    EndModal(2);
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_RIGHT) {
    SaveAddress();
  }
  return 0;
}

void CAddressEditWnd::SaveAddress() {
  const ADDRESS_CHANGE_STATE state = GetChangeState();
  if (state != ADDRESS_NEW && state != ADDRESS_CHANGED) return;
  m_area.SetFocus(FALSE);
  m_area.SetVisible(FALSE);
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) {
    EndModal(2);
    return;
  }
  st_address_Info address;
  address.street = Text(m_street);
  address.postcode = Text(m_postcode);
  address.city = Text(m_city);
  address.province = Text(m_province);
  address.country = Text(m_country);
  address.type = m_typeBar.GetHighLightButton();
  int index = m_index;
  if (state == ADDRESS_NEW)
    index = m_record->AddAddress(0, address.city, address.country, address.postcode, address.province,
                                 address.street, address.type);
  else
    m_record->UpdateAddress(index, address.city, address.country, address.postcode, address.province,
                            address.street, address.type);
  if (m_record->contactId > 0 && m_record->addresses.valid_index(index)) {
    if (state == ADDRESS_NEW) {
      m_record->addresses[index].id = db->addAddress(m_record->contactId, address);
    } else {
      address.id = m_record->addresses[index].id;
      db->UpdateAddress(address);
    }
  }
  EndModal(1);
}
