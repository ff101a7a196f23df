// PhoneSettingsDbIf: the phone settings kept in the handset's store (IP-call
// prefix, reject-call mode, national code, speed dial). One process-wide
// instance, shared by every process on the device root; writes are on disk
// when the call returns.
#pragma once

#include "qzpam/qzu_string.h"

class PhoneSettingsDbIf {
 public:
  // The process-wide instance, or null when the store cannot be opened.
  static PhoneSettingsDbIf* GetPhoneSettingsDbIf();

  // The IP-call prefix in use; empty when none.
  qzu::string GetIPInUsed();
  // 1 = reject calls from numbers that are not in the contacts; 0 otherwise.
  int GetRejectCall();
  // The national code ("86"); false, with code untouched, while it is unset.
  bool GetNationalCode(qzu::string& code);

  // Speed-dial entry 1 (voice mail) to 9: flag (0 = dial at once, otherwise
  // put the number in the dial field), name and number. False, with the
  // out-parameters untouched, when the entry is not stored.
  bool GetSpeedDialItem(int entry, int& flag, qzu::string& name, qzu::string& number);
  // Stores a new entry; false when the entry is outside 1 to 9 or exists.
  bool InsertSpeedDialItem(int entry, int flag, const qzu::string& name, const qzu::string& number);
  // Changes a stored entry; false when it is not stored.
  bool UpdateSpeedDialItem(int entry, int flag, const qzu::string& name, const qzu::string& number);
  // Removes an entry; false when it is not stored.
  bool DeleteSpeedDialItem(int entry);

  // The settings program's side: an empty prefix means none; the reject
  // mode is 0 or 1; an empty code unsets the national code.
  bool SetIPInUsed(const qzu::string& prefix);
  bool SetRejectCall(int mode);
  bool SetNationalCode(const qzu::string& code);

  PhoneSettingsDbIf(const PhoneSettingsDbIf&) = delete;
  PhoneSettingsDbIf& operator=(const PhoneSettingsDbIf&) = delete;

 private:
  PhoneSettingsDbIf() = default;
};
