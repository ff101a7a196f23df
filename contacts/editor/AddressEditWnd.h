// CAddressEditWnd: the contact editor's dialog for one postal address: the
// address type on a slide bar over five fields (country, city, province,
// street, postcode). Save is enabled only while saving would change
// something. It changes the editor's record and, for a stored contact, the
// store; it ends with 1 (saved) or 2 (cancelled).
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

// What saving the dialog's fields would do.
enum ADDRESS_CHANGE_STATE {
  ADDRESS_UNCHANGED = 0,
  ADDRESS_NEW = 1,
  ADDRESS_CHANGED = 2,
  ADDRESS_EMPTY = 3,
};

class CAddressEditWnd : public CQzWndEx {
 public:
  CAddressEditWnd();
  ~CAddressEditWnd() override;

  LPCWSTR GetQzClassName() override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // The record whose address is edited (not owned).
  void SetContactInfo(CContactInfo* record) { m_record = record; }
  // The address's index in the record; -1 for a new address.
  void SetAddressIndex(int index) { m_index = index; }
  ADDRESS_CHANGE_STATE GetChangeState() const;

  static constexpr int kToolBarId = 1;
  static constexpr int kStreetId = 2;
  static constexpr int kPostcodeId = 3;
  static constexpr int kCityId = 4;
  static constexpr int kProvinceId = 5;
  static constexpr int kCountryId = 6;
  static constexpr int kTypeBarId = 7;

 private:
  void AddField(UiSingleLineEdit& field, int id, RECT rc, UINT tip, const qzu::string& value, DWORD sipMode);
  void UpdateSaveButton();
  void SaveAddress();
  // The stored address, or null for a new one.
  const st_address_Info* StoredAddress() const;

  UiToolBarPro m_toolBar;
  UiScrollWin m_area;
  UiSingleLineEdit m_street;
  UiSingleLineEdit m_postcode;
  UiSingleLineEdit m_city;
  UiSingleLineEdit m_province;
  UiSingleLineEdit m_country;
  UiSlideBar m_typeBar;
  UiPicture m_upperFrame;
  UiPicture m_lowerFrame;
  int m_index = -1;
  CContactInfo* m_record = nullptr;
};
