// CContactInfo: the in-memory form of one contact.
//
// The store fills and saves it, the vCard decoder fills it, and windows read
// its fields directly and change it through its operations. Entry type codes:
//   phone numbers:              0 mobile, 1 home, 2 work, 3 fax, 4 other
//   e-mail, web page, QQ, MSN:  0 personal, 1 work, 2 other
//   addresses:                  0 home, 1 work, 2 other
#pragma once

#include <memory>

#include "qzpam/qzu_array.h"
#include "qzpam/qzu_string.h"

// One phone number or one other value (e-mail, web page, QQ, MSN) of a
// contact. It is also the record that carries a single entry to the store.
struct st_contacts_extra {
  int id = 0;  // entry identifier; 0 while not stored
  qzu::string value;
  int type = 0;
  int primary = 0;  // phone numbers: 1 = the contact's primary number
};

// One postal address of a contact; also the record that carries a single
// address to the store.
struct st_address_Info {
  int id = 0;  // entry identifier; 0 while not stored
  qzu::string street;
  qzu::string postcode;
  qzu::string city;
  qzu::string province;
  qzu::string country;
  int type = 0;
};

using ContactValueEntry = st_contacts_extra;
using ContactAddressEntry = st_address_Info;

class CContactInfo {
 public:
  CContactInfo() = default;
  ~CContactInfo() = default;
  CContactInfo(const CContactInfo& other);
  CContactInfo& operator=(const CContactInfo& other);
  CContactInfo(CContactInfo&& other) noexcept;
  CContactInfo& operator=(CContactInfo&& other) noexcept;

  // Empties every field, frees the photo and sets the identifier to 0.
  void DataReset();

  // Sets the three names and rebuilds the file-as name from them.
  void UpdateNameInfo(const qzu::string& last, const qzu::string& first, const qzu::string& company_name);
  // Rebuilds the display name. Names with Chinese, Japanese or Korean
  // characters read family name first with no space ("张三"); other names read
  // "First Last". Without any name the company is shown; without that, nothing.
  void FormatFileAs();

  // Phone numbers. A primary mark of 1 makes this entry the one primary
  // number: the marks of the others are cleared.
  int AddPhoneNumber(int entry_id, const qzu::string& number, int type, int primary);
  bool UpdatePhoneNumber(int index, const qzu::string& number, int type, int primary);
  bool SetPhoneNumberId(int index, int entry_id);
  bool SetPhoneNumberPrimary(int index, int primary);
  bool ErasePhoneNumber(int index);
  int GetPrimaryPhoneNumber() const;  // index, or -1

  bool AddEmail(int entry_id, const qzu::string& value, int type);
  bool AddWebPage(int entry_id, const qzu::string& value, int type);
  bool AddQQ(int entry_id, const qzu::string& value, int type);
  bool AddMSN(int entry_id, const qzu::string& value, int type);
  bool UpdateEmail(int index, const qzu::string& value, int type);
  bool UpdateWebPage(int index, const qzu::string& value, int type);
  bool UpdateQQ(int index, const qzu::string& value, int type);
  bool UpdateMSN(int index, const qzu::string& value, int type);
  bool EraseEmail(int index);
  bool EraseWebPage(int index);
  bool EraseQQ(int index);
  bool EraseMSN(int index);

  // The address texts come in the order city, country, postcode, province,
  // street (not the order of the entry's fields).
  int AddAddress(int entry_id, const qzu::string& city_name, const qzu::string& country_name,
                 const qzu::string& postcode_text, const qzu::string& province_name,
                 const qzu::string& street_text, int type);
  bool UpdateAddress(int index, const qzu::string& city_name, const qzu::string& country_name,
                     const qzu::string& postcode_text, const qzu::string& province_name,
                     const qzu::string& street_text, int type);
  bool EraseAddress(int index);

  void UpdateBirthday(const qzu::string& yyyymmdd);
  void UpdateRemark(const qzu::string& text);
  void UpdateRing(const qzu::string& path);

  void AddToCategoris(const qzu::string& stored_group_name);
  void RemoveAllCategoris();  // also clears the category identifiers

  // Replaces the photo with a copy of `length` bytes; a null buffer or a
  // length of 0 or less removes it.
  void SetPhoto(const unsigned char* bytes, int length);
  void RemovePhoto();

  qzu::array<qzu::string> categories;  // stored group names
  qzu::array<int> categoryIds;         // parallel to categories once groups are edited
  qzu::array<ContactValueEntry> phoneNumbers;
  qzu::array<ContactValueEntry> emails;
  qzu::array<ContactValueEntry> webPages;
  qzu::array<ContactAddressEntry> addresses;
  qzu::array<ContactValueEntry> qqNumbers;
  qzu::array<ContactValueEntry> msnAccounts;
  qzu::string ringPath;  // empty = the default tone
  qzu::string lastName;
  qzu::string firstName;
  qzu::string fileAs;  // the display name
  qzu::string company;
  qzu::string birthday;  // "yyyymmdd"
  qzu::string note;
  int contactId = 0;  // above 0 once stored
  std::unique_ptr<unsigned char[]> photoData;  // JPEG bytes, owned
  int photoLength = 0;
};
