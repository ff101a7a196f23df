// CContactsDbIf: contacts, groups and the call log in the handset's store.
//
// One process-wide instance, opened lazily under the device root. Every
// operation is safe from any thread of the process, and several processes
// share the store: a change made by one is seen by the others' next call.
//
// Cursor lists: the caller passes first = true on the first call and false
// afterwards; each call that returns true yields one row through the
// reference out-parameters; the first false ends the list (first = true
// restarts it from a fresh read). The library holds the position, one per
// list and instance.
//
// Conventions: identifiers are above 0, and 0 means none. A null or empty
// text and an unknown identifier give false or 0 and change nothing.
// Out-parameters are written only when the call returns true (or a contact
// identifier above 0). Writes are on disk when the call returns, except
// InsertCall's (see there).
#pragma once

#include <memory>

#include "qzpam/CContactInfo.h"
#include "qzpam/T9Suggestion.h"
#include "qzpam/qzu_array.h"
#include "qzpam/qzu_string.h"

namespace qzpam {
struct ContactsDbState;
}

// Categories of addExtraInfo, as the editor passes them.
enum CONTACT_EXTRA_CATEGORY {
  EXTRA_EMAIL = 1,
  EXTRA_MSN = 2,
  EXTRA_QQ = 3,
  EXTRA_WEB_PAGE = 4,
};

// Counting kinds of GetGroupInfo and GetUngroupContactsCount: which members
// count.
enum CONTACT_COUNTING_KIND {
  COUNT_ALL_MEMBERS = 0,
  COUNT_MEMBERS_WITH_NUMBER = 1,
  COUNT_MEMBERS_WITH_EMAIL = 2,
};

class CContactsDbIf {
 public:
  // The process-wide instance, or null when the store cannot be opened (its
  // file is damaged, not a contacts store, or of a newer schema; the file is
  // then left untouched and the reason goes to the debug output).
  static CContactsDbIf* GetContactDbIf();

  // ---- Cursor lists -------------------------------------------------------

  // All contacts in pinyin order, contacts with the letter "#" last. Row: id,
  // display name, detail = the primary phone number (empty when none),
  // integer = that number's type code, letter = "A" to "Z" or "#".
  bool GetContactslist(int& id, qzu::string& name, qzu::string& detail, int& type, wchar_t& letter, bool first);
  // The members of one group, rows and order as above.
  bool GetContactslist(int groupId, int& id, qzu::string& name, qzu::string& detail, int& type, wchar_t& letter,
                       bool first);
  // The contacts that belong to no group, rows and order as above.
  bool GetUngroupContactslist(int& id, qzu::string& name, qzu::string& detail, int& type, wchar_t& letter,
                              bool first);
  // The contacts whose name contains the key, whose full pinyin contains it
  // from a syllable on ("san" finds 张三), whose pinyin initials contain it
  // ("zs" finds 张三), or one of whose numbers contains its digits; an empty
  // key lists every contact. Order as GetContactslist; detail = the number
  // whose digits matched, else the primary number.
  bool GetContactslistFuzzy(const qzu::string& key, int& id, qzu::string& name, qzu::string& detail, int& type,
                            bool first);
  // Smart dial: the contacts that the dial pad's digits find (2 abc, 3 def,
  // ... 9 wxyz). A name matches through its reading, running through
  // consecutive syllables or words, each whole or by its initial, and ending
  // anywhere inside the last one it reaches ("99" and "94264934" find 张伟,
  // "225275" Bob Clark); a number matches when it contains the digits.
  // Order: the owner of a number equal to the digits, then names matched
  // by the initial of every syllable, from the first syllable to the last,
  // from the first syllable only, from a later one; within each the most
  // called first; then contacts found by a number; ties in list order. Keys
  // with anything but 0-9 find nothing.
  bool GetT9Suggestions(const qzu::string& digits, T9Suggestion& row, bool first);
  // Every group in identifier order (group 1, the blacklist, first): id,
  // stored name, and the number of its members that count by countingKind
  // (CONTACT_COUNTING_KIND).
  bool GetGroupInfo(int countingKind, int& id, qzu::string& name, int& count, bool first);
  // Every phone number of every contact, contacts in list order: contact id,
  // contact name, number, type code (and the contact's letter).
  bool GetPhoneNumberlist(int& id, qzu::string& name, qzu::string& number, int& type, bool first);
  bool GetPhoneNumberlist(int& id, qzu::string& name, qzu::string& number, int& type, wchar_t& letter, bool first);
  // The phone numbers whose text, or whose contact's name, contains the
  // filter exactly as given (an empty filter lists every number); rows as
  // GetPhoneNumberlist. `id` is written only with a row.
  bool GetContactsPNlist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& number, int& type,
                         bool first);
  bool GetContactsPNlist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& number, int& type,
                         wchar_t& letter, bool first);
  // The same for e-mail addresses (letters compared without case).
  bool GetContactsEmaillist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& email, int& type,
                            bool first);
  bool GetContactsEmaillist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& email, int& type,
                            wchar_t& letter, bool first);
  // Call threads, newest first, at most maxCount: one row per number (its
  // latest call): number as dialled or received, Unix time, value (seconds
  // or rings), call type, and the owning contact's name and id (empty and 0
  // for a stranger).
  bool GetCallHistory(int maxCount, qzu::string& number, int& time, int& value, int& type, qzu::string& name,
                      int& contactId, bool first);
  // The same over missed calls only: each number's latest missed call.
  bool GetMissedCallHistory(int maxCount, qzu::string& number, int& time, int& value, int& type,
                            qzu::string& name, int& contactId, bool first);
  // Every e-mail address of the group's members (group 0: of the contacts in
  // no group), in list order.
  bool GetGroupEmail(int groupId, qzu::string& email, bool first);

  // ---- Lookups ------------------------------------------------------------

  // The contact owning the number (by the rule of match/NumberMatcher.h), or
  // 0. On a match the non-null pointers receive: the display name, the
  // number's type code, the contact's ring tone path, the photo (bytes owned
  // by the library, valid until this thread's next SearchPN; null and 0 when
  // none) and the matching number's entry identifier.
  int SearchPN(const wchar_t* number, qzu::string* name, int* type, qzu::string* ringPath,
               unsigned char** photo, int* photoLength, int* entryId);
  // The contact owning the e-mail address (letters compared without case),
  // or 0; on a match the name and the address's type code.
  int SearchEmail(const wchar_t* address, qzu::string& name, int& type);
  // Fills the record with the stored contact (withoutPhoto leaves its photo
  // empty); false, with the record untouched, when there is no such contact.
  bool GetContactInfo(int id, CContactInfo& record, bool withoutPhoto = false);
  // The calls of one number (the same number as its thread), newest first,
  // at most maxCount: time, value, call type.
  bool GetCallHistoryByPN(const wchar_t* number, int maxCount, int& time, int& value, int& type, bool first);
  bool GetCallHistoryByPN(const qzu::string& number, int maxCount, int& time, int& value, int& type, bool first) {
    return GetCallHistoryByPN(number.c_str(), maxCount, time, value, type, first);
  }
  // The missed calls of one number, newest first, at most maxCount.
  bool GetCallHistoryByPNMissed(const wchar_t* number, int maxCount, int& time, int& value, bool first);
  bool GetCallHistoryByPNMissed(const qzu::string& number, int maxCount, int& time, int& value, bool first) {
    return GetCallHistoryByPNMissed(number.c_str(), maxCount, time, value, first);
  }
  bool IsContactInBlacklist(int contactId);
  bool IsContactInGroup(int contactId, int groupId);
  // Whether a member of the group (0: a contact in no group) has a number,
  // or an e-mail address.
  bool IsGroupPNExist(int groupId);
  bool IsGroupEmailExist(int groupId);
  // The identifier of the group with this stored name, or 0.
  int GetGroupID(const qzu::string& name);
  // Members of a group, or contacts in no group, that count by countingKind.
  int GetGroupContactsCount(int groupId, int countingKind = COUNT_ALL_MEMBERS);
  int GetUngroupContactsCount(int countingKind = COUNT_ALL_MEMBERS);

  // ---- Changes ------------------------------------------------------------

  // Stores the whole record as a new contact and returns its identifier (0
  // on failure). Its categories join the groups of those stored names
  // (created when missing) and of its category identifiers.
  int AddContact(const CContactInfo& record);
  bool RemoveContact(int id);
  // Stores the record's last name, first name, company and file-as name.
  bool UpdateName(const CContactInfo& record);
  bool UpdateNotes(int id, const qzu::string& note);
  bool UpdateBirthday(int id, const qzu::string& birthday);
  bool UpdateRingPath(int id, const qzu::string& path);
  // Makes the groups of the record's contact exactly these.
  bool UpdateCategories(const CContactInfo& record, const qzu::array<int>& groupIds);
  // Adds a number to a contact; returns its entry identifier, or 0. A
  // primary mark of 1 clears the contact's other marks.
  int addPhones(int contactId, const st_contacts_extra& phone);
  // Stores the number, type and primary mark of the entry (by its id).
  bool UpdatePhones(const st_contacts_extra& phone);
  // The same for every entry of the array that has an id; true when all were stored.
  bool UpdatePhones(const qzu::array<st_contacts_extra>& phones);
  bool RemovePhones(int entryId);
  // Sets or clears the primary mark; setting it clears the contact's others.
  bool UpdatePhonePrimary(int entryId, int primary);
  // Adds an e-mail, MSN, QQ or web page value (CONTACT_EXTRA_CATEGORY);
  // returns its entry identifier, or 0.
  int addExtraInfo(int contactId, int category, const st_contacts_extra& value);
  bool UpdateExtraInfo(const st_contacts_extra& value);
  bool RemoveExtraInfo(int entryId);
  int addAddress(int contactId, const st_address_Info& address);
  bool UpdateAddress(const st_address_Info& address);
  bool RemoveAddress(int entryId);
  // Store or remove the photo of the record's contact (its photo bytes).
  bool AddPhoto(const CContactInfo& record);
  bool UpdatePhoto(const CContactInfo& record);
  bool RemovePhoto(const CContactInfo& record);
  // Creates a group; returns its identifier, or 0 (empty or taken name).
  int AddGroup(const qzu::string& name);
  bool UpdateGroupName(int groupId, const qzu::string& name);
  // Takes every member out of the group; the contacts stay.
  bool DeleteGroup2(int groupId);
  // Deletes the group. The blacklist (group 1) is kept.
  bool DeleteGroup(int groupId);
  // Records one call (an empty number is a hidden caller); call types 1 to 5.
  // The call survives a crash of any process once this returns, but reaches
  // the disk only with the next other write or checkpoint: a power loss
  // just after a call may lose its record.
  bool InsertCall(const wchar_t* number, int time, int value, int type);
  bool InsertCall(const qzu::string& number, int time, int value, int type) {
    return InsertCall(number.c_str(), time, value, type);
  }
  // Deletes the whole call log; true when it held a call.
  bool DeleteCalls();
  // Deletes the calls of one number (only its missed calls when missedOnly
  // is 1); true when a call was deleted.
  bool DeleteCalls(const wchar_t* number, int missedOnly);
  bool DeleteCalls(const qzu::string& number, int missedOnly) { return DeleteCalls(number.c_str(), missedOnly); }
  // Removes the number's thread from the all-calls list (missedOnly 0) or
  // from the missed list (1). Threads are made of calls, so this deletes
  // what DeleteCalls with the same arguments deletes; after it, nothing.
  bool DeleteCallThread(const wchar_t* number, int missedOnly);
  bool DeleteCallThread(const qzu::string& number, int missedOnly) {
    return DeleteCallThread(number.c_str(), missedOnly);
  }

  // ---- Change counters ----------------------------------------------------

  // Numbers that move with every change of contacts and groups, and of the
  // call log, made by any process.
  int GetDbChangeCount();
  int GetCallsChangeCount();

  CContactsDbIf(const CContactsDbIf&) = delete;
  CContactsDbIf& operator=(const CContactsDbIf&) = delete;

 private:
  CContactsDbIf();
  ~CContactsDbIf();

  std::unique_ptr<qzpam::ContactsDbState> state_;
};
