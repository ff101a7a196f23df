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

// A group's localized name, empty when the string module lacks it (a UI
// language without its satellite). An empty name matches no row: the group
// then keeps its stored name, so it is neither shown blank (and written
// blank into a card, losing it) nor can an empty name become the group.
qzu::string DisplayNameOf(const SpecialGroup& group) {
  return qzu::string(LoadResString(group.displayNameId).GetString());
}

}  // namespace

qzu::string GetGroupDisplayName(const qzu::string& storedName) {
  const std::wstring_view name = storedName.view();
  if (!name.starts_with(kStartMarker) || name.find(kEndMarker) == std::wstring_view::npos) return storedName;
  for (const SpecialGroup& group : kSpecialGroups) {
    if (name != group.storedName) continue;
    qzu::string shown = DisplayNameOf(group);
    return shown.empty() ? storedName : shown;
  }
  return storedName;
}

qzu::string GetGroupStoreName(const qzu::string& displayName) {
  if (displayName.empty()) return displayName;
  for (const SpecialGroup& group : kSpecialGroups)
    if (displayName == DisplayNameOf(group)) return qzu::string(group.storedName);
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
