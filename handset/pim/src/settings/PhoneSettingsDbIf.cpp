#include "qzpam/PhoneSettingsDbIf.h"

#include <optional>
#include <string>
#include <utility>

#include "match/MatchKeys.h"
#include "store/StoreAccess.h"

using namespace qzpam;

namespace {

const char kIpPrefix[] = "ip_prefix";
const char kRejectCall[] = "reject_call";

bool ValidEntry(int entry) { return entry >= 1 && entry <= 9; }

std::optional<std::wstring> ReadSetting(const char* key) {
  return WithStore(std::optional<std::wstring>(), [&](Store& store) -> std::optional<std::wstring> {
    Statement stmt = store.Prepare("SELECT value FROM settings WHERE key = ?");
    if (stmt.Bind(1, std::string_view(key)).Step() != SQLITE_ROW) return std::nullopt;
    return stmt.Text(0);
  });
}

// An empty value removes the setting.
bool PutSetting(Store& store, const char* key, std::wstring_view value) {
  Statement stmt = value.empty() ? store.Prepare("DELETE FROM settings WHERE key = ?")
                                 : store.Prepare("INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)");
  stmt.Bind(1, std::string_view(key));
  if (!value.empty()) stmt.Bind(2, value);
  return stmt.Run();
}

bool WriteSetting(const char* key, std::wstring_view value) {
  return WriteToStore([&](Store& store) { return PutSetting(store, key, value); });
}

}  // namespace

PhoneSettingsDbIf* PhoneSettingsDbIf::GetPhoneSettingsDbIf() {
  static PhoneSettingsDbIf* const instance = new PhoneSettingsDbIf();
  return StoreHolder::Get() ? instance : nullptr;
}

qzu::string PhoneSettingsDbIf::GetIPInUsed() {
  auto value = ReadSetting(kIpPrefix);
  return value ? qzu::string(std::move(*value)) : qzu::string();
}

int PhoneSettingsDbIf::GetRejectCall() {
  auto value = ReadSetting(kRejectCall);
  return value && *value == L"1" ? 1 : 0;
}

bool PhoneSettingsDbIf::GetNationalCode(qzu::string& code) {
  auto value = ReadSetting(MatchKeys::kNationalCodeSetting);
  if (!value || value->empty()) return false;
  code = qzu::string(std::move(*value));
  return true;
}

bool PhoneSettingsDbIf::SetIPInUsed(const qzu::string& prefix) { return WriteSetting(kIpPrefix, prefix.view()); }

bool PhoneSettingsDbIf::SetRejectCall(int mode) {
  if (mode != 0 && mode != 1) return false;
  return WriteSetting(kRejectCall, mode == 1 ? L"1" : L"0");
}

// Stored numbers and calls are keyed by the home country, so a new one
// keys them again in the same transaction.
bool PhoneSettingsDbIf::SetNationalCode(const qzu::string& code) {
  return WriteToStore([&](Store& store) {
    const std::string before = MatchKeys::Matcher(store).HomeCountry();
    if (!PutSetting(store, MatchKeys::kNationalCodeSetting, code.view())) return false;
    const NumberMatcher after = MatchKeys::Matcher(store);
    return after.HomeCountry() == before || MatchKeys::Rewrite(store, after);
  });
}

bool PhoneSettingsDbIf::GetSpeedDialItem(int entry, int& flag, qzu::string& name, qzu::string& number) {
  if (!ValidEntry(entry)) return false;
  return WithStore(false, [&](Store& store) {
    Statement stmt = store.Prepare("SELECT flag, name, number FROM speed_dial WHERE entry = ?");
    if (stmt.Bind(1, entry).Step() != SQLITE_ROW) return false;
    flag = stmt.Int(0);
    name = qzu::string(stmt.Text(1));
    number = qzu::string(stmt.Text(2));
    return true;
  });
}

bool PhoneSettingsDbIf::InsertSpeedDialItem(int entry, int flag, const qzu::string& name, const qzu::string& number) {
  if (!ValidEntry(entry)) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("INSERT OR IGNORE INTO speed_dial(entry, flag, name, number) VALUES(?, ?, ?, ?)");
    stmt.Bind(1, entry).Bind(2, flag).Bind(3, name.view()).Bind(4, number.view());
    return stmt.Run() && store.Changes() == 1;
  });
}

bool PhoneSettingsDbIf::UpdateSpeedDialItem(int entry, int flag, const qzu::string& name, const qzu::string& number) {
  if (!ValidEntry(entry)) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("UPDATE speed_dial SET flag = ?, name = ?, number = ? WHERE entry = ?");
    stmt.Bind(1, flag).Bind(2, name.view()).Bind(3, number.view()).Bind(4, entry);
    return stmt.Run() && store.Changes() == 1;
  });
}

bool PhoneSettingsDbIf::DeleteSpeedDialItem(int entry) {
  if (!ValidEntry(entry)) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("DELETE FROM speed_dial WHERE entry = ?");
    return stmt.Bind(1, entry).Run() && store.Changes() == 1;
  });
}
