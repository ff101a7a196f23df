#include "ce/modules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "ce/resource_module.h"
#include "temp_root.h"
#include "test_helpers.h"

namespace {

using vorna::test::FailedWith;

std::vector<std::byte> Bytes(std::string_view text) {
  const auto* begin = reinterpret_cast<const std::byte*>(text.data());
  return {begin, begin + text.size()};
}

std::string Text(std::span<const std::byte> bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<std::byte> SampleModule() {
  return *ce::PackResourceModule({{RT_STRING, 601, Bytes("Call log")},
                                  {RT_STRING, 600, Bytes("\xE6\x9B\xB4\xE5\xA4\x9A")},  // 更多
                                  {RT_RCDATA, 37, Bytes("<svg/>")}});
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

class ModulesTest : public ::testing::Test {
 protected:
  vorna::test::TempDeviceRoot root;
};

TEST_F(ModulesTest, DataModulesFromTheWindowsFolderOrThisProgramGiveStringsAndPictures) {
  WriteFile(root.path() / "Windows" / "Vornalib.dll.0409.MUI", SampleModule());
  HMODULE module = LoadLibraryExW(L"vornalib.DLL.0409.mui", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(LoadLibraryExW(L"\\windows\\Vornalib.dll.0409.MUI", nullptr, 2), module) << "same file, same handle";

  wchar_t buffer[16];
  EXPECT_EQ(LoadStringW(module, 600, buffer, 16), 2);
  EXPECT_STREQ(buffer, L"更多");
  EXPECT_EQ(LoadStringW(module, 601, buffer, 5), 4) << "cut to the buffer";
  EXPECT_STREQ(buffer, L"Call");
  LPCWSTR direct = nullptr;
  EXPECT_EQ(LoadStringW(module, 601, reinterpret_cast<LPWSTR>(&direct), 0), 8);
  EXPECT_EQ(std::wstring(direct, 8), L"Call log");
  EXPECT_EQ(LoadStringW(module, 602, buffer, 16), 0);
  EXPECT_EQ(buffer[0], L'\0');
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(LoadStringW(nullptr, 600, buffer, 16), 0);
  EXPECT_EQ(LoadStringW(module, 600, nullptr, 16), 0);

  EXPECT_EQ(Text(ce::FindResourceBytes(module, RT_RCDATA, 37)), "<svg/>");
  EXPECT_TRUE(ce::FindResourceBytes(module, RT_RCDATA, 38).empty());
  EXPECT_TRUE(ce::FindResourceBytes(module, RT_STRING, 37).empty());
  EXPECT_EQ(GetProcAddressW(module, L"CPlApplet"), nullptr) << "a data file has no code";

  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(LoadStringW(module, 600, buffer, 16), 2) << "still loaded once more";
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(LoadStringW(module, 600, buffer, 16), 0);
  EXPECT_FALSE(FreeLibrary(module));

  // Modules compiled into the program load by name.
  auto bytes = SampleModule();
  HMODULE own = ce::RegisterResourceModule(L"Vornalib.dll", bytes);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(LoadLibraryExW(L"VORNALIB.DLL", nullptr, 2), own);
  EXPECT_EQ(LoadStringW(own, 601, buffer, 16), 8);
  EXPECT_EQ(ce::RegisterResourceModule(L"junk.dll", Bytes("not a module")), nullptr);
}

TEST_F(ModulesTest, MissingOrHostileModulesAreRefused) {
  EXPECT_TRUE(FailedWith(LoadLibraryExW(L"Vornalib.dll.0411.MUI", nullptr, 2), ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryExW(L"\\..\\..\\etc\\passwd", nullptr, 2), nullptr);
  EXPECT_EQ(LoadLibraryExW(L"..", nullptr, 2), nullptr);
  EXPECT_EQ(LoadLibraryExW(nullptr, nullptr, 2), nullptr);
  EXPECT_EQ(LoadLibraryExW(L"", nullptr, 2), nullptr);
  EXPECT_EQ(LoadLibraryExW(std::wstring(300, L'a').c_str(), nullptr, 2), nullptr);

  auto broken = SampleModule();
  broken.resize(broken.size() - 1);
  WriteFile(root.path() / "windows" / "broken.dll", broken);
  EXPECT_TRUE(FailedWith(LoadLibraryExW(L"broken.dll", nullptr, 2), ERROR_BAD_FORMAT));
}

TEST(ResourceModuleFormat, DamagedFilesAreRefused) {
  const auto good = SampleModule();
  ASSERT_TRUE(ce::ResourceModule::Parse(good));
  auto damaged = [&](size_t at, uint8_t value) {
    auto copy = good;
    copy[at] = std::byte{value};
    return ce::ResourceModule::Parse(copy).has_value();
  };
  EXPECT_FALSE(damaged(0, 'X')) << "magic";
  EXPECT_FALSE(damaged(4, 2)) << "version";
  EXPECT_FALSE(damaged(8, 200)) << "more entries than the file holds";
  EXPECT_FALSE(damaged(12 + 8, 0xF0)) << "data offset past the end";
  EXPECT_FALSE(damaged(12 + 12, 0xFF)) << "data size past the end";
  EXPECT_FALSE(damaged(12 + 16 + 4, 0)) << "entries out of order";
  // The second entry's data moved onto the first's: shared bytes would let a
  // small file stand for a huge one once its strings are decoded.
  EXPECT_FALSE(damaged(12 + 16 + 8, 60)) << "two entries sharing their bytes";
  EXPECT_FALSE(ce::ResourceModule::Parse({good.begin(), good.begin() + 11}));
  EXPECT_FALSE(ce::PackResourceModule({{RT_STRING, 1, {}}, {RT_STRING, 1, {}}})) << "duplicate ids";
  auto empty = ce::PackResourceModule({});
  ASSERT_TRUE(empty);
  EXPECT_TRUE(ce::ResourceModule::Parse(*empty));
}

LONG CALLBACK FakeCPlApplet(HWND, UINT msg, LPARAM lParam1, LPARAM) {
  return static_cast<LONG>(msg + lParam1);
}

TEST_F(ModulesTest, InProcessLibrariesResolveByNameWithoutCase) {
  ce::RegisterInProcessLibrary(L"BtLinkCPL.dll", {{"CPlApplet", reinterpret_cast<FARPROC>(&FakeCPlApplet)}});
  HMODULE library = LoadLibraryW(L"btlinkcpl");
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(LoadLibraryW(L"\\windows\\BTLINKCPL.DLL"), library);
  using CPlApplet = LONG(CALLBACK*)(HWND, UINT, LPARAM, LPARAM);
  auto entry = reinterpret_cast<CPlApplet>(GetProcAddressW(library, L"CPlApplet"));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(nullptr, 14, 3, 0), 17);
  EXPECT_EQ(GetProcAddressW(library, L"cplapplet"), nullptr) << "entry points keep their case";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  EXPECT_EQ(GetProcAddressW(library, nullptr), nullptr);
  EXPECT_EQ(GetProcAddressW(nullptr, L"CPlApplet"), nullptr);
  EXPECT_TRUE(FreeLibrary(library));
  EXPECT_TRUE(FreeLibrary(library));
  EXPECT_FALSE(FreeLibrary(library));

  EXPECT_TRUE(FailedWith(LoadLibraryW(L"Unknown.dll"), ERROR_MOD_NOT_FOUND));
  ce::UnregisterInProcessLibrary(L"BtLinkCPL.dll");
  EXPECT_EQ(LoadLibraryW(L"BtLinkCPL.dll"), nullptr);
}

TEST_F(ModulesTest, ResourceCompilerPacksTablesAndPictures) {
  auto work = root.path() / "src";
  std::filesystem::create_directories(work / "pictures");
  std::ofstream(work / "strings.tsv") << "600\tMore\n601\tTwo\\nlines\n";
  std::ofstream(work / "pictures" / "41.svg") << "<svg id='41'/>";
  std::ofstream(work / "pictures" / "README") << "skipped";
  auto out = root.path() / "res" / "vornares.dll";
  auto resc = vorna::test::BuiltProgramsDir() / "resc";
  ASSERT_EQ(vorna::test::RunProgram(resc, {"-o", out.string(), "--strings", (work / "strings.tsv").string(), "--images",
                                           (work / "pictures").string(), "--type", "10"}),
            0);
  setenv("VORNA_RES_PATH", ("/nonexistent:" + out.parent_path().string()).c_str(), 1);
  HMODULE module = LoadLibraryExW(L"VornaRes.dll", nullptr, 2);
  unsetenv("VORNA_RES_PATH");
  ASSERT_NE(module, nullptr);
  wchar_t buffer[16];
  LoadStringW(module, 601, buffer, 16);
  EXPECT_STREQ(buffer, L"Two\nlines");
  EXPECT_EQ(Text(ce::FindResourceBytes(module, 10, 41)), "<svg id='41'/>");
  FreeLibrary(module);

  std::ofstream(work / "pictures" / "icon.svg") << "<svg/>";
  auto bad = root.path() / "res" / "bad.dll";
  EXPECT_NE(vorna::test::RunProgram(resc, {"-o", bad.string(), "--images", (work / "pictures").string(), "--type", "10"}),
            0);
  EXPECT_FALSE(std::filesystem::exists(bad)) << "no partial module";
  EXPECT_NE(vorna::test::RunProgram(resc, {"-o", bad.string(), "--images", (work / "pictures").string()}), 0);
}

}  // namespace
