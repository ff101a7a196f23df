#include "contacts/list/GroupCountText.h"

#include <string>

#include "core/module/Resources.h"

namespace {
constexpr UINT kStrContacts = 829;  // "位联系人"
constexpr size_t kMaxChars = 64;
}  // namespace

qzu::string GroupCountText(int count) {
  std::wstring text = std::to_wstring(count) + LoadResString(kStrContacts).GetString();
  if (text.size() > kMaxChars) text.resize(kMaxChars);
  return qzu::string(std::move(text));
}
