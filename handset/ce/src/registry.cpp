// The registry calls over RegistryStore. An open key is a handle of the
// process's handle table holding the key's path; the predefined roots need
// no opening.
#include "ce/registry.h"

#include <cstring>
#include <cwchar>
#include <optional>
#include <vector>

#include "ce/handles.h"
#include "ce/utf8.h"
#include "ce/wstring.h"
#include "registry_store.h"

namespace {

using ce::registry::RegistryStore;
using ce::registry::Value;

const ce::HandleKind kKeyHandle{"registry key"};

constexpr size_t kMaxKeyNameChars = 255;
constexpr size_t kMaxKeyPathChars = 1024;
constexpr size_t kMaxValueNameChars = 16383;
constexpr DWORD kMaxValueBytes = 1024 * 1024;

struct OpenKey {
  std::string path;    // as created, for new subkeys' stored paths
  std::string folded;  // identity
};

std::optional<OpenKey> KeyOf(HKEY key) {
  static const std::pair<HKEY, const char*> roots[] = {
      {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
      {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
      {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
      {HKEY_USERS, "HKEY_USERS"},
  };
  for (const auto& [root, name] : roots) {
    if (key == root) return OpenKey{name, ce::ToUtf8(ce::FoldCase(ce::FromUtf8(name)))};
  }
  if (auto open = ce::FindHandleAs<OpenKey>(reinterpret_cast<HANDLE>(key), kKeyHandle)) return *open;
  return std::nullopt;
}

bool IsRoot(HKEY key) {
  return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS;
}

// A subkey named below an open key: the keys from the parent down to it,
// outermost first, in stored and folded form.
struct SubKeyPath {
  OpenKey parent;
  std::vector<std::string> paths;
  std::vector<std::string> folded;

  // The key named: the parent itself for an empty subkey.
  OpenKey Target() const { return paths.empty() ? parent : OpenKey{paths.back(), folded.back()}; }
};

// Separators at either end of the subkey are ignored; an empty name between
// two separators, an over-long name or text that is not Unicode is refused.
LONG SplitSubKey(HKEY key, LPCWSTR subKey, SubKeyPath& out) {
  std::optional<OpenKey> parent = KeyOf(key);
  if (!parent) return ERROR_INVALID_HANDLE;
  out.parent = std::move(*parent);
  if (!subKey) return ERROR_SUCCESS;
  std::wstring_view text(subKey, wcsnlen(subKey, kMaxKeyPathChars + 1));
  if (text.size() > kMaxKeyPathChars) return ERROR_INVALID_PARAMETER;
  while (!text.empty() && text.front() == L'\\') text.remove_prefix(1);
  while (!text.empty() && text.back() == L'\\') text.remove_suffix(1);
  std::string path = out.parent.path;
  std::string folded = out.parent.folded;
  while (!text.empty()) {
    size_t cut = text.find(L'\\');
    std::wstring_view name = text.substr(0, cut);
    text = cut == std::wstring_view::npos ? std::wstring_view() : text.substr(cut + 1);
    bool valid = true;
    std::string utf8 = ce::ToUtf8(name, &valid);
    if (name.empty() || name.size() > kMaxKeyNameChars || !valid) return ERROR_INVALID_PARAMETER;
    path += "\\" + utf8;
    folded += "\\" + ce::ToUtf8(ce::FoldCase(name));
    out.paths.push_back(path);
    out.folded.push_back(folded);
  }
  return ERROR_SUCCESS;
}

LONG ValueName(LPCWSTR name, std::string& shown, std::string& folded) {
  std::wstring_view text = name ? std::wstring_view(name, wcsnlen(name, kMaxValueNameChars + 1)) : std::wstring_view();
  bool valid = true;
  shown = ce::ToUtf8(text, &valid);
  if (text.size() > kMaxValueNameChars || !valid) return ERROR_INVALID_PARAMETER;
  folded = ce::ToUtf8(ce::FoldCase(text));
  return ERROR_SUCCESS;
}

LONG RequireKey(const OpenKey& key) {
  bool exists = false;
  LONG result = RegistryStore::Instance().KeyExists(key.folded, exists);
  if (result != ERROR_SUCCESS) return result;
  return exists ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

// The error for a value that is not there: its key may have gone too.
LONG MissingValue(const OpenKey& key) {
  LONG missing = RequireKey(key);
  return missing != ERROR_SUCCESS ? missing : ERROR_FILE_NOT_FOUND;
}

LONG HandOut(OpenKey key, PHKEY result) {
  HANDLE handle = ce::OpenHandle(kKeyHandle, std::make_shared<OpenKey>(std::move(key)));
  if (!handle) return ERROR_TOO_MANY_OPEN_FILES;
  *result = reinterpret_cast<HKEY>(handle);
  return ERROR_SUCCESS;
}

// String values always end in their terminator(s), so a reader that trusts
// the zero never runs past the data.
bool Terminate(DWORD type, std::vector<uint8_t>& data) {
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return true;
  if (data.size() % sizeof(wchar_t) != 0) return false;
  size_t zeros = type == REG_MULTI_SZ ? 2 : 1;
  auto charAt = [&](size_t fromEnd) {
    wchar_t c;
    std::memcpy(&c, data.data() + data.size() - fromEnd * sizeof(wchar_t), sizeof c);
    return c;
  };
  size_t have = 0;
  while (have < zeros && have < data.size() / sizeof(wchar_t) && charAt(have + 1) == 0) ++have;
  // An empty multi-string is a single zero.
  if (type == REG_MULTI_SZ && data.size() == sizeof(wchar_t) && have == 1) return true;
  data.resize(data.size() + (zeros - have) * sizeof(wchar_t), 0);
  return true;
}

}  // namespace

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options, REGSAM access,
                     LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  SubKeyPath below;
  if (LONG bad = SplitSubKey(key, subKey, below); bad != ERROR_SUCCESS) return bad;
  if (LONG missing = RequireKey(below.parent); missing != ERROR_SUCCESS) return missing;
  bool created = false;
  if (!below.paths.empty()) {
    LONG failed = RegistryStore::Instance().CreateKey(below.paths, below.folded, created);
    if (failed != ERROR_SUCCESS) return failed;
  }
  if (LONG failed = HandOut(below.Target(), result); failed != ERROR_SUCCESS) return failed;
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  SubKeyPath below;
  if (LONG bad = SplitSubKey(key, subKey, below); bad != ERROR_SUCCESS) return bad;
  OpenKey opened = below.Target();
  bool exists = false;
  if (LONG failed = RegistryStore::Instance().KeyExists(opened.folded, exists); failed != ERROR_SUCCESS) return failed;
  if (!exists) return ERROR_FILE_NOT_FOUND;
  return HandOut(std::move(opened), result);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  std::optional<OpenKey> open = KeyOf(key);
  if (!open) return ERROR_INVALID_HANDLE;
  if (data && !size) return ERROR_INVALID_PARAMETER;
  std::string shown;
  std::string folded;
  if (LONG bad = ValueName(name, shown, folded); bad != ERROR_SUCCESS) return bad;
  Value value;
  bool found = false;
  if (LONG failed = RegistryStore::Instance().GetValue(open->folded, folded, value, found); failed != ERROR_SUCCESS)
    return failed;
  if (!found) return MissingValue(*open);
  if (type) *type = value.type;
  DWORD needed = static_cast<DWORD>(value.data.size());
  if (!data) {
    if (size) *size = needed;
    return ERROR_SUCCESS;
  }
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  if (needed > 0) std::memcpy(data, value.data.data(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
  std::optional<OpenKey> open = KeyOf(key);
  if (!open) return ERROR_INVALID_HANDLE;
  if ((!data && size > 0) || size > kMaxValueBytes) return ERROR_INVALID_PARAMETER;
  if (type == REG_DWORD && size != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
  std::string shown;
  std::string folded;
  if (LONG bad = ValueName(name, shown, folded); bad != ERROR_SUCCESS) return bad;
  Value value;
  value.type = type;
  if (size > 0) value.data.assign(data, data + size);
  if (!Terminate(type, value.data)) return ERROR_INVALID_PARAMETER;
  return RegistryStore::Instance().SetValue(open->folded, folded, shown, value);
}

LONG RegDeleteValueW(HKEY key, LPCWSTR name) {
  std::optional<OpenKey> open = KeyOf(key);
  if (!open) return ERROR_INVALID_HANDLE;
  std::string shown;
  std::string folded;
  if (LONG bad = ValueName(name, shown, folded); bad != ERROR_SUCCESS) return bad;
  bool found = false;
  if (LONG failed = RegistryStore::Instance().DeleteValue(open->folded, folded, found); failed != ERROR_SUCCESS)
    return failed;
  return found ? ERROR_SUCCESS : MissingValue(*open);
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
  SubKeyPath below;
  if (LONG bad = SplitSubKey(key, subKey, below); bad != ERROR_SUCCESS) return bad;
  // The roots themselves cannot go, nor can a key delete itself by an empty name.
  if (below.paths.empty()) return ERROR_INVALID_PARAMETER;
  return RegistryStore::Instance().DeleteKeyTree(below.folded.back());
}

LONG RegCloseKey(HKEY key) {
  if (IsRoot(key)) return ERROR_SUCCESS;
  return ce::CloseHandleOfKind(reinterpret_cast<HANDLE>(key), kKeyHandle) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
