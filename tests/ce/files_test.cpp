#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <fstream>
#include <set>
#include <string>

#include "ce/device.h"
#include "ce/utf8.h"
#include "temp_root.h"
#include "test_helpers.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;
using vorna::test::FailedWith;

class Files : public ::testing::Test {
 protected:
  vorna::test::TempDeviceRoot root;

  void Put(const fs::path& relative, const std::string& text) {
    fs::create_directories((root.path() / relative).parent_path());
    std::ofstream(root.path() / relative, std::ios::binary) << text;
  }
  std::string Get(const fs::path& relative) { return vorna::test::ReadWhole(root.path() / relative); }
  // Writes a file through the CE calls; true when it was created and written.
  bool Write(const wchar_t* path, const std::string& text, DWORD disposition = CREATE_ALWAYS) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
  }
  // Whether the file opens (and closes again) with the disposition.
  bool Opens(const wchar_t* path, DWORD disposition, DWORD access = GENERIC_READ) {
    HANDLE file = CreateFileW(path, access, 0, nullptr, disposition, 0, nullptr);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
  }
  std::string Read(const wchar_t* path) {
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string text(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(file);
    return text.substr(0, read);
  }
  std::set<std::wstring> Find(const wchar_t* pattern) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(data.cFileName);
    while (FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(search));
    return names;
  }
  size_t EntriesUnderRoot() {
    size_t count = 0;
    for ([[maybe_unused]] auto& entry : fs::recursive_directory_iterator(root.path())) ++count;
    return count;
  }
};

TEST_F(Files, CePathsMapUnderTheRootWhateverTheirCase) {
  Put("tmpvcard/Ann.vcf", "BEGIN:VCARD");
  fs::path resolved;
  ASSERT_TRUE(ce::ResolveCePath(L"\\TMPVCARD\\ann.VCF", resolved));
  EXPECT_EQ(resolved, root.path() / "tmpvcard" / "Ann.vcf");
  ASSERT_TRUE(ce::ResolveCePath(L"/tmpvcard//New File.vcf", resolved));
  EXPECT_EQ(resolved, root.path() / "tmpvcard" / "New File.vcf");
  ASSERT_TRUE(ce::ResolveCePath(L"relative\\x", resolved));
  EXPECT_EQ(resolved, root.path() / "relative" / "x");
  ASSERT_TRUE(ce::ResolveCePath(L"\\", resolved));
  EXPECT_EQ(resolved, root.path());
  EXPECT_EQ(Read(L"\\TmpVCard\\ANN.vcf"), "BEGIN:VCARD");
  // A new file in an existing folder keeps the folder's stored case and its own given case.
  EXPECT_TRUE(Write(L"\\TMPVCARD\\Bo.vcf", "x"));
  EXPECT_EQ(Get("tmpvcard/Bo.vcf"), "x");
}

TEST_F(Files, HostilePathsAreRefusedAndLeaveNothingBehind) {
  fs::create_directories(root.path() / "windows");
  fs::create_symlink("/etc", root.path() / "link");
  size_t before = EntriesUnderRoot();
  struct Case {
    std::wstring path;
    DWORD error;
  } cases[] = {
      {L"\\..\\..\\etc\\passwd", ERROR_ACCESS_DENIED},
      {L"\\windows\\..\\..\\x", ERROR_ACCESS_DENIED},
      {L"\\windows\\...\\x", ERROR_ACCESS_DENIED},
      {L"\\link\\passwd", ERROR_ACCESS_DENIED},
      {L"\\a" + std::wstring(300, L'b'), ERROR_FILENAME_EXCED_RANGE},
      {L"\\a<b", ERROR_INVALID_NAME},
      {L"\\a\x01" L"b", ERROR_INVALID_NAME},
      {L"\\a?", ERROR_INVALID_NAME},
      {L"", ERROR_PATH_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ce::ToUtf8(c.path));
    SetLastError(0);
    EXPECT_TRUE(FailedWith(Opens(c.path.c_str(), CREATE_ALWAYS, GENERIC_WRITE), c.error));
    EXPECT_TRUE(FailedWith(CreateDirectoryW(c.path.c_str(), nullptr), c.error));
    EXPECT_EQ(GetFileAttributesW(c.path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(DeleteFileW(c.path.c_str()));
    EXPECT_FALSE(CopyFileW(L"\\windows", c.path.c_str(), FALSE));
  }
  std::wstring embedded(L"\\a\0\\..\\..\\etc", 13);
  fs::path resolved;
  EXPECT_TRUE(FailedWith(ce::ResolveCePath(std::wstring_view(embedded), resolved), ERROR_INVALID_NAME));
  EXPECT_TRUE(FailedWith(Opens(nullptr, OPEN_EXISTING), ERROR_INVALID_PARAMETER));
  EXPECT_EQ(EntriesUnderRoot(), before);
}

TEST_F(Files, CreationDispositionsAndReadWriteAndSeekThroughTheHandle) {
  EXPECT_TRUE(Write(L"\\a.txt", "first", CREATE_NEW));
  EXPECT_TRUE(FailedWith(Write(L"\\A.TXT", "second", CREATE_NEW), ERROR_FILE_EXISTS));
  EXPECT_EQ(Get("a.txt"), "first");
  EXPECT_TRUE(Write(L"\\a.txt", "2", CREATE_ALWAYS));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(Get("a.txt"), "2");
  EXPECT_TRUE(FailedWith(Opens(L"\\none.txt", OPEN_EXISTING), ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(FailedWith(Write(L"\\nofolder\\a.txt", "x"), ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(Write(L"\\b.txt", "x", TRUNCATE_EXISTING));
  EXPECT_FALSE(fs::exists(root.path() / "b.txt"));
  EXPECT_TRUE(Write(L"\\b.txt", "x", OPEN_ALWAYS));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_TRUE(FailedWith(Opens(L"\\a.txt", 9), ERROR_INVALID_PARAMETER));
  fs::create_directories(root.path() / "dir");
  EXPECT_TRUE(FailedWith(Write(L"\\DIR", "x"), ERROR_ACCESS_DENIED));

  // Reads, writes and seeks honour the handle.
  HANDLE file = CreateFileW(L"\\f.bin", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD done = 0;
  ASSERT_TRUE(WriteFile(file, "hello world", 11, &done, nullptr));
  EXPECT_EQ(SetFilePointer(file, -5, nullptr, FILE_END), 6u);
  char buffer[16] = {};
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(std::string(buffer, done), "world");
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));  // end of file: success, 0 bytes
  EXPECT_EQ(done, 0u);
  EXPECT_TRUE(
      FailedWith(SetFilePointer(file, -1, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER, ERROR_NEGATIVE_SEEK));
  LONG high = 1;
  EXPECT_EQ(SetFilePointer(file, 0, &high, FILE_BEGIN), 0u);  // 4 GiB
  EXPECT_EQ(high, 1);
  EXPECT_EQ(SetFilePointer(file, 5, nullptr, FILE_BEGIN), 5u);
  ASSERT_TRUE(SetEndOfFile(file));
  EXPECT_EQ(GetFileSize(file, nullptr), 5u);
  EXPECT_TRUE(FailedWith(ReadFile(file, buffer, 4, nullptr, nullptr), ERROR_INVALID_PARAMETER));
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_TRUE(FailedWith(WriteFile(file, "x", 1, &done, nullptr), ERROR_INVALID_HANDLE));

  HANDLE reader = CreateFileW(L"\\f.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(FailedWith(WriteFile(reader, "x", 1, &done, nullptr), ERROR_ACCESS_DENIED));
  EXPECT_FALSE(FindClose(reader));  // a file is not a search
  CloseHandle(reader);
  EXPECT_EQ(Get("f.bin"), "hello");
}

TEST_F(Files, FindMatchesWildcardsWithoutRegardToCase) {
  Put("tmpvcard/Ann.vcf", "");
  Put("tmpvcard/bo.VCF", "");
  Put("tmpvcard/notes.txt", "");
  Put("tmpvcard/README", "");
  fs::create_directories(root.path() / "tmpvcard" / "sub");
  EXPECT_EQ(Find(L"\\tmpvcard\\*.vcf"), (std::set<std::wstring>{L"Ann.vcf", L"bo.VCF"}));
  EXPECT_EQ(Find(L"\\TMPVCARD\\*.*").size(), 5u);
  EXPECT_EQ(Find(L"\\tmpvcard\\?o.*"), (std::set<std::wstring>{L"bo.VCF"}));
  EXPECT_EQ(Find(L"\\tmpvcard"), (std::set<std::wstring>{L"tmpvcard"}));
  EXPECT_EQ(Find(L"\\tmpvcard\\"), (std::set<std::wstring>{L"tmpvcard"}));
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW(L"\\tmpvcard\\sub", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  FindClose(search);
  EXPECT_TRUE(FailedWith(FindFirstFileW(L"\\tmpvcard\\*.jpg", &data) != INVALID_HANDLE_VALUE, ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(FailedWith(FindFirstFileW(L"\\nowhere\\*", &data) != INVALID_HANDLE_VALUE, ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(FindFirstFileW(L"\\..\\*", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(FindFirstFileW(L"\\tmpvcard\\*", nullptr), INVALID_HANDLE_VALUE);
}

TEST_F(Files, FoldersAttributesDeleteMoveCopy) {
  EXPECT_TRUE(CreateDirectoryW(L"\\tmpvcard", nullptr));
  EXPECT_TRUE(FailedWith(CreateDirectoryW(L"\\TmpVcard", nullptr), ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(FailedWith(CreateDirectoryW(L"\\a\\b", nullptr), ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(L"\\TMPVCARD"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_TRUE(FailedWith(GetFileAttributesW(L"\\tmpvcard\\x.vcf") != INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(FailedWith(GetFileAttributesW(L"\\none\\x.vcf") != INVALID_FILE_ATTRIBUTES, ERROR_PATH_NOT_FOUND));

  ASSERT_TRUE(Write(L"\\tmpvcard\\a.vcf", "card"));
  EXPECT_EQ(GetFileAttributesW(L"\\tmpvcard\\A.vcf"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(FailedWith(RemoveDirectoryW(L"\\tmpvcard"), ERROR_DIR_NOT_EMPTY));
  EXPECT_FALSE(DeleteFileW(L"\\tmpvcard"));
  EXPECT_FALSE(RemoveDirectoryW(L"\\"));

  ASSERT_TRUE(Write(L"\\b.vcf", "other"));
  EXPECT_TRUE(FailedWith(CopyFileW(L"\\b.vcf", L"\\tmpvcard\\A.VCF", TRUE), ERROR_FILE_EXISTS));
  EXPECT_EQ(Get("tmpvcard/a.vcf"), "card");
  EXPECT_TRUE(CopyFileW(L"\\b.vcf", L"\\tmpvcard\\A.VCF", FALSE));
  EXPECT_EQ(Get("tmpvcard/a.vcf"), "other");
  EXPECT_TRUE(CopyFileW(L"\\b.vcf", L"\\tmpvcard\\c.vcf", TRUE));
  EXPECT_EQ(Find(L"\\tmpvcard\\*").size(), 2u);  // no copy left over beside them
  // A target name near the longest a file may have copies like a short one.
  const std::wstring longName = L"\\" + std::wstring(246, L'n') + L".vcf";
  EXPECT_TRUE(CopyFileW(L"\\b.vcf", longName.c_str(), TRUE));
  EXPECT_EQ(Get(ce::ToUtf8(longName.substr(1))), "other");

  EXPECT_TRUE(FailedWith(MoveFileW(L"\\b.vcf", L"\\tmpvcard\\c.vcf"), ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileW(L"\\B.vcf", L"\\tmpvcard\\d.vcf"));
  EXPECT_EQ(Get("tmpvcard/d.vcf"), "other");
  EXPECT_TRUE(MoveFileW(L"\\tmpvcard\\d.vcf", L"\\tmpvcard\\D.vcf"));  // only the case changes
  EXPECT_TRUE(fs::exists(root.path() / "tmpvcard" / "D.vcf"));
  EXPECT_TRUE(FailedWith(MoveFileW(L"\\nothing", L"\\x"), ERROR_FILE_NOT_FOUND));

  EXPECT_TRUE(DeleteFileW(L"\\TMPVCARD\\A.vcf"));
  EXPECT_TRUE(FailedWith(DeleteFileW(L"\\tmpvcard\\a.vcf"), ERROR_FILE_NOT_FOUND));
}

TEST_F(Files, AWriteThatFailsHalfwayIsTakenBack) {
  HANDLE file = CreateFileW(L"\\card.vcf", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file, "head", 4, &written, nullptr));
  // A file size limit stands in for a full disk: the write stops partway.
  signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limit = saved;
  limit.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &limit);
  std::string record(200, 'r');
  BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(ok);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(GetFileSize(file, nullptr), 4u);
  ASSERT_TRUE(WriteFile(file, "tail", 4, &written, nullptr));
  CloseHandle(file);
  EXPECT_EQ(Get("card.vcf"), "headtail");
}

int g_resets = 0;

TEST_F(Files, AFreshDeviceGetsItsRootOnFirstWriteAndResetHooksRun) {
  fs::remove_all(root.path());
  EXPECT_TRUE(CreateDirectoryW(L"\\tmpvcard", nullptr));
  EXPECT_TRUE(fs::is_directory(root.path() / "tmpvcard"));

  static const bool hooked = (ce::OnDeviceRootReset([] { ++g_resets; }), true);  // once per process
  ASSERT_TRUE(hooked);
  int before = g_resets;
  EXPECT_TRUE(ce::SetDeviceRoot(root.path() / "a" / ".." / "b"));
  EXPECT_EQ(g_resets, before + 1);
  EXPECT_EQ(ce::DeviceRoot(), root.path() / "b");
  // An empty root is refused and changes nothing.
  EXPECT_FALSE(ce::SetDeviceRoot(""));
  EXPECT_EQ(g_resets, before + 1);
  EXPECT_EQ(ce::DeviceRoot(), root.path() / "b");
}

}  // namespace
