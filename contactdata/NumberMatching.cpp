#include "contactdata/NumberMatching.h"

#include "ce/bstr.h"
#include "contactdata/TypeLabel.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

void GiveText(wchar_t** out, const wchar_t* text) {
  if (out) *out = SysAllocString(text);
}

void GiveTypeLabel(wchar_t** out, int valueKind, int typeCode) {
  if (out) *out = SysAllocString(LoadResString(GetTypeLabelId(valueKind, typeCode)));
}

bool RejectsStrangers() {
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  return settings && settings->GetRejectCall() == 1;
}

using ListFunction = bool (CContactsDbIf::*)(const wchar_t*, int&, qzu::string&, qzu::string&, int&, bool);

bool FilterItems(ListFunction list, int valueKind, const wchar_t* filter, int* contactId, wchar_t** name,
                 wchar_t** typeLabel, wchar_t** value, bool first) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  int ownId = 0;
  int& id = contactId ? *contactId : ownId;
  qzu::string foundName;
  qzu::string foundValue;
  int type = 0;
  if (!(db->*list)(filter, id, foundName, foundValue, type, first)) return false;
  GiveText(name, foundName.c_str());
  GiveTypeLabel(typeLabel, valueKind, type);
  GiveText(value, foundValue.c_str());
  return true;
}

}  // namespace

bool GetMatchPNInfo(const wchar_t* number, int* contactId, wchar_t** name, wchar_t** typeLabel, int* extra) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  qzu::string foundName;
  int type = 0;
  const int id = db->SearchPN(number, &foundName, &type, nullptr, nullptr, nullptr, extra);
  if (id == 0) return false;
  if (contactId) *contactId = id;
  GiveText(name, foundName.c_str());
  GiveTypeLabel(typeLabel, VALUE_KIND_PHONE, type);
  return true;
}

bool GetMatchPNInfo(const wchar_t* number, int* contactId, wchar_t** name, wchar_t** typeLabel, wchar_t** text,
                    unsigned char** bytes, int* byteCount, bool* blocked) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  qzu::string foundName;
  qzu::string foundText;
  int type = 0;
  const int id = db ? db->SearchPN(number, &foundName, &type, &foundText, bytes, byteCount, nullptr) : 0;
  if (id == 0) {
    if (blocked) *blocked = RejectsStrangers();
    return false;
  }
  if (contactId) *contactId = id;
  GiveText(name, foundName.c_str());
  GiveTypeLabel(typeLabel, VALUE_KIND_PHONE, type);
  GiveText(text, foundText.c_str());
  if (blocked) *blocked = db->IsContactInBlacklist(id);
  return true;
}

bool IsSmsBlocked(const wchar_t* number) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  const int id = db->SearchPN(number, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  return id != 0 && db->IsContactInBlacklist(id);
}

bool GetMatchEmailInfo(const wchar_t* address, int* contactId, wchar_t** name, int* type) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  qzu::string foundName;
  int foundType = 0;
  const int id = db->SearchEmail(address, foundName, foundType);
  if (id == 0) return false;
  if (contactId) *contactId = id;
  GiveText(name, foundName.c_str());
  if (type) *type = foundType;
  return true;
}

bool GetFilterPNItems(const wchar_t* filter, int* contactId, wchar_t** name, wchar_t** typeLabel, wchar_t** number,
                      bool first) {
  return FilterItems(&CContactsDbIf::GetContactsPNlist, VALUE_KIND_PHONE, filter, contactId, name, typeLabel, number,
                     first);
}

bool GetFilterEmailItems(const wchar_t* filter, int* contactId, wchar_t** name, wchar_t** typeLabel,
                         wchar_t** address, bool first) {
  return FilterItems(&CContactsDbIf::GetContactsEmaillist, VALUE_KIND_EMAIL, filter, contactId, name, typeLabel,
                     address, first);
}
