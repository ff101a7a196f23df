#include "ContactPicking.h"

#include "ce/bstr.h"
#include "contactdata/quick/QuickSend.h"
#include "contacts/picker/CContactValueSelectWnd.h"

namespace telhub {
namespace {

std::vector<std::wstring> PickValues(HWND owner, CONTACT_VALUE_SELECT_TYPE type) {
  std::vector<std::wstring> values;
  CContactValueSelectWnd picker;
  picker.SetSelectType(type);
  RECT area = QzGetWorkArea();
  if (!picker.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, owner, 0, WS_POPUP))
    return values;
  if (picker.DoModal() == 1) {
    qzu::array<ContactValueInfo> items;
    picker.GetSelectedItems(items);
    for (int i = 0; i < items.size(); ++i) {
      const ContactValueInfo& item = items[i];
      std::wstring value(item.value.view());
      if (item.isGroup || value.empty()) continue;
      bool known = false;
      for (const std::wstring& seen : values) known = known || seen == value;
      if (!known) values.push_back(std::move(value));
    }
  }
  picker.DestroyWindow();
  return values;
}

}  // namespace

std::vector<std::wstring> PickPhoneNumbers(HWND owner) { return PickValues(owner, SELECT_PHONE_NUMBERS); }

std::vector<std::wstring> PickEmailAddresses(HWND owner) { return PickValues(owner, SELECT_EMAILS); }

bool PickContactCard(HWND owner, PickedCard& card) {
  wchar_t* path = nullptr;
  if (!FastGetContactVcf(owner, &path, nullptr) || !path) return false;
  card.path = path;
  SysFreeString(path);
  size_t slash = card.path.find_last_of(L"\\/");
  card.name = slash == std::wstring::npos ? card.path : card.path.substr(slash + 1);
  if (card.name.size() >= 4 && card.name.compare(card.name.size() - 4, 4, L".vcf") == 0)
    card.name.resize(card.name.size() - 4);
  return true;
}

}  // namespace telhub
