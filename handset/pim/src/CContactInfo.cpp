#include "qzpam/CContactInfo.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Chinese, Japanese and Korean scripts, where a name reads family name first
// with nothing in between.
bool IsCjk(wchar_t c) {
  const auto cp = static_cast<char32_t>(c);
  return (cp >= 0x2E80 && cp <= 0x9FFF)     // radicals, kana, CJK ideographs
         || (cp >= 0xAC00 && cp <= 0xD7AF)  // Hangul syllables
         || (cp >= 0xF900 && cp <= 0xFAFF)  // compatibility ideographs
         || (cp >= 0xFF65 && cp <= 0xFF9F)  // half-width kana
         || (cp >= 0x20000 && cp <= 0x3FFFF);
}

bool HasCjk(const qzu::string& text) {
  return std::any_of(text.begin(), text.end(), IsCjk);
}

bool UpdateValue(qzu::array<ContactValueEntry>& entries, int index, const qzu::string& value, int type) {
  if (!entries.valid_index(index)) return false;
  entries[index].value = value;
  entries[index].type = type;
  return true;
}

bool AddValue(qzu::array<ContactValueEntry>& entries, int entry_id, const qzu::string& value, int type) {
  ContactValueEntry entry;
  entry.id = entry_id;
  entry.value = value;
  entry.type = type;
  entries.add(std::move(entry));
  return true;
}

}  // namespace

CContactInfo::CContactInfo(const CContactInfo& other) { *this = other; }

CContactInfo& CContactInfo::operator=(const CContactInfo& other) {
  if (this == &other) return *this;
  categories = other.categories;
  categoryIds = other.categoryIds;
  phoneNumbers = other.phoneNumbers;
  emails = other.emails;
  webPages = other.webPages;
  addresses = other.addresses;
  qqNumbers = other.qqNumbers;
  msnAccounts = other.msnAccounts;
  ringPath = other.ringPath;
  lastName = other.lastName;
  firstName = other.firstName;
  fileAs = other.fileAs;
  company = other.company;
  birthday = other.birthday;
  note = other.note;
  contactId = other.contactId;
  SetPhoto(other.photoData.get(), other.photoLength);
  return *this;
}

CContactInfo::CContactInfo(CContactInfo&& other) noexcept { *this = std::move(other); }

CContactInfo& CContactInfo::operator=(CContactInfo&& other) noexcept {
  if (this == &other) return *this;
  categories = std::move(other.categories);
  categoryIds = std::move(other.categoryIds);
  phoneNumbers = std::move(other.phoneNumbers);
  emails = std::move(other.emails);
  webPages = std::move(other.webPages);
  addresses = std::move(other.addresses);
  qqNumbers = std::move(other.qqNumbers);
  msnAccounts = std::move(other.msnAccounts);
  ringPath = std::move(other.ringPath);
  lastName = std::move(other.lastName);
  firstName = std::move(other.firstName);
  fileAs = std::move(other.fileAs);
  company = std::move(other.company);
  birthday = std::move(other.birthday);
  note = std::move(other.note);
  contactId = std::exchange(other.contactId, 0);
  photoData = std::move(other.photoData);
  photoLength = std::exchange(other.photoLength, 0);
  return *this;
}

void CContactInfo::DataReset() { *this = CContactInfo(); }

void CContactInfo::UpdateNameInfo(const qzu::string& last, const qzu::string& first,
                                  const qzu::string& company_name) {
  lastName = last;
  firstName = first;
  company = company_name;
  FormatFileAs();
}

void CContactInfo::FormatFileAs() {
  if (lastName.empty() && firstName.empty()) {
    fileAs = company;
  } else if (lastName.empty()) {
    fileAs = firstName;
  } else if (firstName.empty()) {
    fileAs = lastName;
  } else if (HasCjk(lastName) || HasCjk(firstName)) {
    fileAs = lastName + firstName;
  } else {
    fileAs = firstName + L" " + lastName;
  }
}

int CContactInfo::AddPhoneNumber(int entry_id, const qzu::string& number, int type, int primary) {
  ContactValueEntry entry;
  entry.id = entry_id;
  entry.value = number;
  entry.type = type;
  const int index = phoneNumbers.add(std::move(entry));
  SetPhoneNumberPrimary(index, primary);
  return index;
}

bool CContactInfo::UpdatePhoneNumber(int index, const qzu::string& number, int type, int primary) {
  if (!UpdateValue(phoneNumbers, index, number, type)) return false;
  return SetPhoneNumberPrimary(index, primary);
}

bool CContactInfo::SetPhoneNumberId(int index, int entry_id) {
  if (!phoneNumbers.valid_index(index)) return false;
  phoneNumbers[index].id = entry_id;
  return true;
}

bool CContactInfo::SetPhoneNumberPrimary(int index, int primary) {
  if (!phoneNumbers.valid_index(index)) return false;
  if (primary == 1) {
    for (auto& entry : phoneNumbers) entry.primary = 0;
  }
  phoneNumbers[index].primary = primary;
  return true;
}

bool CContactInfo::ErasePhoneNumber(int index) { return phoneNumbers.remove(index); }

int CContactInfo::GetPrimaryPhoneNumber() const {
  for (int i = 0; i < phoneNumbers.size(); ++i)
    if (phoneNumbers[i].primary == 1) return i;
  return -1;
}

bool CContactInfo::AddEmail(int entry_id, const qzu::string& value, int type) {
  return AddValue(emails, entry_id, value, type);
}
bool CContactInfo::AddWebPage(int entry_id, const qzu::string& value, int type) {
  return AddValue(webPages, entry_id, value, type);
}
bool CContactInfo::AddQQ(int entry_id, const qzu::string& value, int type) {
  return AddValue(qqNumbers, entry_id, value, type);
}
bool CContactInfo::AddMSN(int entry_id, const qzu::string& value, int type) {
  return AddValue(msnAccounts, entry_id, value, type);
}

bool CContactInfo::UpdateEmail(int index, const qzu::string& value, int type) {
  return UpdateValue(emails, index, value, type);
}
bool CContactInfo::UpdateWebPage(int index, const qzu::string& value, int type) {
  return UpdateValue(webPages, index, value, type);
}
bool CContactInfo::UpdateQQ(int index, const qzu::string& value, int type) {
  return UpdateValue(qqNumbers, index, value, type);
}
bool CContactInfo::UpdateMSN(int index, const qzu::string& value, int type) {
  return UpdateValue(msnAccounts, index, value, type);
}

bool CContactInfo::EraseEmail(int index) { return emails.remove(index); }
bool CContactInfo::EraseWebPage(int index) { return webPages.remove(index); }
bool CContactInfo::EraseQQ(int index) { return qqNumbers.remove(index); }
bool CContactInfo::EraseMSN(int index) { return msnAccounts.remove(index); }

int CContactInfo::AddAddress(int entry_id, const qzu::string& city_name, const qzu::string& country_name,
                             const qzu::string& postcode_text, const qzu::string& province_name,
                             const qzu::string& street_text, int type) {
  addresses.add(ContactAddressEntry{});
  const int index = addresses.size() - 1;
  addresses[index].id = entry_id;
  UpdateAddress(index, city_name, country_name, postcode_text, province_name, street_text, type);
  return index;
}

bool CContactInfo::UpdateAddress(int index, const qzu::string& city_name, const qzu::string& country_name,
                                 const qzu::string& postcode_text, const qzu::string& province_name,
                                 const qzu::string& street_text, int type) {
  if (!addresses.valid_index(index)) return false;
  ContactAddressEntry& entry = addresses[index];
  entry.city = city_name;
  entry.country = country_name;
  entry.postcode = postcode_text;
  entry.province = province_name;
  entry.street = street_text;
  entry.type = type;
  return true;
}

bool CContactInfo::EraseAddress(int index) { return addresses.remove(index); }

void CContactInfo::UpdateBirthday(const qzu::string& yyyymmdd) { birthday = yyyymmdd; }
void CContactInfo::UpdateRemark(const qzu::string& text) { note = text; }
void CContactInfo::UpdateRing(const qzu::string& path) { ringPath = path; }

void CContactInfo::AddToCategoris(const qzu::string& stored_group_name) { categories.add(stored_group_name); }

void CContactInfo::RemoveAllCategoris() {
  categories.clear();
  categoryIds.clear();
}

void CContactInfo::SetPhoto(const unsigned char* bytes, int length) {
  if (!bytes || length <= 0) {
    RemovePhoto();
    return;
  }
  // Copy first: `bytes` may point into the current buffer.
  auto copy = std::make_unique<unsigned char[]>(static_cast<std::size_t>(length));
  std::memcpy(copy.get(), bytes, static_cast<std::size_t>(length));
  photoData = std::move(copy);
  photoLength = length;
}

void CContactInfo::RemovePhoto() {
  photoData.reset();
  photoLength = 0;
}
