// ContactValueInfo: one row of the value picker, and one item of what it
// returns. A row is either a value (a phone number, an e-mail address or a
// contact) or a contact group offered for selection as a whole.
#pragma once

#include "core/VornaExport.h"
#include "platform/PimContract.h"

// What the picker lets the user choose.
enum CONTACT_VALUE_SELECT_TYPE {
  SELECT_PHONE_NUMBERS = 0,     // several phone numbers
  SELECT_EMAILS = 1,            // several e-mail addresses
  SELECT_ONE_CONTACT = 2,       // one contact, with one tap
  SELECT_CONTACTS = 3,          // several contacts
  SELECT_ONE_PHONE_NUMBER = 4,  // one phone number, with one tap
};

class VORNALIB_API ContactValueInfo {
 public:
  ContactValueInfo();
  ~ContactValueInfo();
  ContactValueInfo(const ContactValueInfo& other);
  ContactValueInfo& operator=(const ContactValueInfo& other);
  ContactValueInfo(ContactValueInfo&& other) noexcept;
  ContactValueInfo& operator=(ContactValueInfo&& other) noexcept;

  int id = 0;       // contact identifier; of a group row the group (0: the contacts in no group)
  int extra = 0;    // not filled by the picker; copied with the record
  qzu::string name;   // the contact's name, or the group's display name
  qzu::string label;  // the value's type label, or the group's member count text
  qzu::string value;  // the number or address; the contact's number for contact rows; empty for groups
  wchar_t letter = L'#';  // the contact's index letter
  bool selected = false;
  bool isGroup = false;
  bool inOpenedGroup = false;  // the contact belongs to the group that is open
};
