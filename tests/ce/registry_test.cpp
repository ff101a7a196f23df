#include <gtest/gtest.h>

#include <string>

#include "peer_process.h"
#include "temp_root.h"
#include "windows.h"

namespace {

using vorna::test::RunCorePeer;

class Registry : public ::testing::Test {
 protected:
  vorna::test::TempDeviceRoot root;

  HKEY Create(const wchar_t* path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition),
              ERROR_SUCCESS);
    return key;
  }
  LONG SetNumber(HKEY key, const wchar_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  // The status of reading REG_DWORD `name`, and its value.
  std::pair<LONG, DWORD> Number(HKEY key, const wchar_t* name) {
    DWORD value = 0, size = sizeof value;
    LONG status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    return {status, value};
  }
  LONG SetText(HKEY key, const wchar_t* name, const std::wstring& text, bool terminated = true) {
    DWORD bytes = static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
  }
};

TEST_F(Registry, ValuesRoundTripWithSizeQueriesAndShortBuffers) {
  HKEY key = Create(L"ControlPanel\\Volume");
  ASSERT_EQ(SetNumber(key, L"Key", 0x10000), ERROR_SUCCESS);
  ASSERT_EQ(SetText(key, L"Name", L"铃声"), ERROR_SUCCESS);
  const BYTE blob[] = {1, 2, 3};
  ASSERT_EQ(RegSetValueExW(key, L"Blob", 0, REG_BINARY, blob, 3), ERROR_SUCCESS);

  DWORD type = 0;
  DWORD number = 0;
  DWORD size = sizeof number;
  EXPECT_EQ(RegQueryValueExW(key, L"KEY", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number, 0x10000u);

  size = 0;
  EXPECT_EQ(RegQueryValueExW(key, L"name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 3 * sizeof(wchar_t));
  wchar_t text[3] = {L'x', L'x', L'x'};
  DWORD small = sizeof(wchar_t);
  EXPECT_EQ(RegQueryValueExW(key, L"name", nullptr, &type, reinterpret_cast<BYTE*>(text), &small), ERROR_MORE_DATA);
  EXPECT_EQ(small, size);
  EXPECT_EQ(text[0], L'x');
  EXPECT_EQ(RegQueryValueExW(key, L"name", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(text), L"铃声");

  BYTE read[8];
  size = sizeof read;
  EXPECT_EQ(RegQueryValueExW(key, L"Blob", nullptr, &type, read, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

  EXPECT_EQ(RegQueryValueExW(key, L"Missing", nullptr, &type, read, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExW(key, L"Blob", nullptr, &type, read, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegDeleteValueW(key, L"BLOB"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(key, L"Blob"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, KeysAreCaseInsensitiveAndDeletedWithTheirSubkeys) {
  DWORD disposition = 0;
  HKEY first = Create(L"Software\\Vorna\\Dialer", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  HKEY again = Create(L"SOFTWARE\\vorna\\DIALER", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  ASSERT_EQ(SetNumber(first, L"Speed", 7), ERROR_SUCCESS);
  EXPECT_EQ(Number(again, L"speed"), (std::pair<LONG, DWORD>{ERROR_SUCCESS, 7}));

  HKEY opened = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\VORNA", 0, KEY_READ, &opened), ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Vorna", 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\\\Vorna", 0, KEY_READ, &opened), ERROR_INVALID_PARAMETER);
  std::wstring longName(300, L'k');
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, longName.c_str(), 0, nullptr, 0, 0, nullptr, &opened, nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"x", 0, nullptr, 0, 0, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);

  // A sibling whose name only starts like the deleted key stays.
  HKEY sibling = Create(L"Software\\VornaX");
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"software\\vorna"), ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Vorna\\Dialer", 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VornaX", 0, KEY_READ, &opened), ERROR_SUCCESS);
  RegCloseKey(opened);
  // A handle to a deleted key reports it.
  EXPECT_EQ(SetNumber(first, L"Speed", 8), ERROR_KEY_DELETED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Vorna"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L""), ERROR_INVALID_PARAMETER);
  for (HKEY key : {first, again, sibling}) RegCloseKey(key);
}

TEST_F(Registry, ReadingCreatesNothingBadValuesAreRefusedAndStringsAreAlwaysTerminated) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"MUI", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(HKEY_CURRENT_USER, L"x", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(std::filesystem::exists(root.path() / "registry.db"));

  key = Create(L"Test");
  WORD shortNumber = 1;
  EXPECT_EQ(RegSetValueExW(key, L"N", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&shortNumber), 2),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExW(key, L"N", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExW(key, L"N", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"ab"), 5), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueExW(key, L"N", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);

  ASSERT_EQ(SetText(key, L"Bare", L"abc", false), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExW(key, L"Bare", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4 * sizeof(wchar_t));
  ASSERT_EQ(SetText(key, nullptr, L"default"), ERROR_SUCCESS);  // the key's unnamed value
  EXPECT_EQ(RegQueryValueExW(key, L"", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExW(reinterpret_cast<HKEY>(uintptr_t{0x4444}), L"", nullptr, nullptr, nullptr, &size),
            ERROR_INVALID_HANDLE);
  RegCloseKey(key);
}

TEST_F(Registry, SharedWithOtherProcessesKeptAcrossRestartsAndConcurrentWritesLoseNothing) {
  ASSERT_EQ(RunCorePeer({"reg-set", "ControlPanel\\Volume", "Key", "65536"}), 0);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"controlpanel\\volume", 0, KEY_READ, &key), ERROR_SUCCESS);
  EXPECT_EQ(Number(key, L"Key"), (std::pair<LONG, DWORD>{ERROR_SUCCESS, 0x10000}));
  ASSERT_EQ(SetNumber(key, L"Key", 3), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(RunCorePeer({"reg-check", "CONTROLPANEL\\VOLUME", "key", "3"}), 0);
  EXPECT_EQ(RunCorePeer({"reg-check", "ControlPanel\\Volume", "Other", "3"}), 2);

  // Two processes writing at once lose nothing.
  vorna::test::PeerProcess peer("ce_core_peer", {"reg-fill", "Load", "peer", "200"});
  key = Create(L"Load");
  for (DWORD i = 0; i < 200; ++i) ASSERT_EQ(SetNumber(key, (L"self" + std::to_wstring(i)).c_str(), i), ERROR_SUCCESS);
  ASSERT_EQ(peer.Wait(), 0);
  for (DWORD i = 0; i < 200; i += 37)
    for (const wchar_t* prefix : {L"self", L"peer"})
      EXPECT_EQ(Number(key, (prefix + std::to_wstring(i)).c_str()), (std::pair<LONG, DWORD>{ERROR_SUCCESS, i}));
  RegCloseKey(key);
}

}  // namespace
