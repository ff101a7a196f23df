#include "contactdata/GroupNames.h"

#include <array>
#include <string_view>

#include "core/module/Resources.h"

namespace {

struct SpecialGroup {
  UINT displayNameId;
  const wchar_t* storedName;
};

// Both conversions walk this table, so a new row is a new special group.
constexpr std::array<SpecialGroup, 1> kSpecialGroups = {{
    {677, L"_$!<Blacklist>!$_"},  // "黑名单"
}};

constexpr std::wstring_view kStartMarker = L"_$!<";
constexpr std::wstring_view kEndMarker = L">!$_";

}  // namespace

qzu::string GetGroupDisplayName(const qzu::string& storedName) {
  const std::wstring_view name = storedName.view();
  if (!name.starts_with(kStartMarker) || name.find(kEndMarker) == std::wstring_view::npos) return storedName;
  for (const SpecialGroup& group : kSpecialGroups)
    if (name == group.storedName) return qzu::string(LoadResString(group.displayNameId).GetString());
  return storedName;
}

qzu::string GetGroupStoreName(const qzu::string& displayName) {
  for (const SpecialGroup& group : kSpecialGroups)
    if (displayName.view() == LoadResString(group.displayNameId).str()) return qzu::string(group.storedName);
  return displayName;
}

qzu::string GetComboGroupName(const qzu::array<qzu::string>& categories) {
  qzu::string combined;
  for (int i = 0; i < categories.size(); ++i) {
    if (i > 0) combined += L' ';
    combined += GetGroupDisplayName(categories[i]);
  }
  return combined;
}
