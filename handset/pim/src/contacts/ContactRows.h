// Writing the rows of one contact. Each helper runs inside the caller's
// write transaction and keeps the contact's derived columns (display name,
// reading, sort key, letter, primary number) in step with what it changes.
#pragma once

#include <string>
#include <string_view>

#include "qzpam/CContactInfo.h"
#include "store/Store.h"

namespace qzpam {

class ContactRows {
 public:
  static bool Exists(Store& store, int contactId);
  // Inserts the contact's own row (names, texts, photo); returns its id or 0.
  static int InsertContact(Store& store, const CContactInfo& record);
  // Stores the contact's photo, or removes it when there are no bytes.
  static bool SetPhoto(Store& store, int contactId, const unsigned char* bytes, int length);
  static bool WriteNames(Store& store, int contactId, const CContactInfo& record);
  // Adds a number; a primary mark of 1 clears the contact's other marks.
  static int InsertPhone(Store& store, int contactId, std::wstring_view number, int type, int primary);
  static bool UpdatePhone(Store& store, int entryId, std::wstring_view number, int type, int primary);
  static bool SetPrimary(Store& store, int entryId, int primary);
  // Recomputes the contact's shown number: its primary one, else its first.
  static bool RefreshDetail(Store& store, int contactId);
  static int PhoneOwner(Store& store, int entryId);
  static int InsertExtra(Store& store, int contactId, int category, std::wstring_view value, int type);
  static int InsertAddress(Store& store, int contactId, const st_address_Info& address);
  // The group of that stored name, created when missing; 0 for an empty name.
  static int EnsureGroup(Store& store, std::wstring_view name);
  static bool GroupExists(Store& store, int groupId);
  static bool Join(Store& store, int contactId, int groupId);
};

}  // namespace qzpam
