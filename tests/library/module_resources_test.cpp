// Choosing the string module by UI language, the built-in table, the English
// satellite and the image library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ce/modules.h"
#include "core/module/LazyModule.h"
#include "core/module/Module.h"
#include "core/module/Resources.h"
#include "qzfc/QzResources.h"
#include "temp_root.h"

namespace {

std::wstring Text(HMODULE module, UINT id) { return QzLoadString(id, module).str(); }

// The English satellite the build made, wherever the module search finds it.
std::filesystem::path EnglishSatelliteFile() {
  for (const auto& folder : ce::ResourceSearchPath()) {
    if (std::filesystem::exists(folder / "Vornalib.dll.0409.MUI")) return folder / "Vornalib.dll.0409.MUI";
  }
  return {};
}

TEST(StringModule, BuiltInTableServesChineseAndLanguageIsComparedByItsLow16Bits) {
  vorna::test::TempDeviceRoot root;
  ASSERT_NE(GetModuleInstance(), nullptr);
  // The table's first and last strings, and nothing either side of them.
  EXPECT_EQ(Text(GetModuleInstance(), 600), L"更多");
  EXPECT_EQ(Text(GetModuleInstance(), 874), L"本地固话");
  EXPECT_EQ(Text(GetModuleInstance(), 599), L"");
  EXPECT_EQ(Text(GetModuleInstance(), 875), L"");
  EXPECT_EQ(OpenStringModule(0x0804), GetModuleInstance());
  EXPECT_EQ(OpenStringModule(0xABCD0804), GetModuleInstance());

  HMODULE english = OpenStringModule(0x0409);
  ASSERT_NE(english, nullptr);
  EXPECT_NE(english, GetModuleInstance());
  EXPECT_EQ(OpenStringModule(0x12340409), english);
  EXPECT_EQ(Text(english, 600), L"More");
  EXPECT_EQ(Text(english, 829), L" contacts");

  // 0x0c04 differs from 0x0804 only above the primary language bits.
  EXPECT_EQ(OpenStringModule(0x0c04), nullptr);
}

TEST(StringModule, MissingSatelliteIsRetriedUntilItAppears) {
  vorna::test::TempDeviceRoot root;
  LazyModule module([] { return OpenStringModule(0x0411); });
  EXPECT_EQ(module.Get(), nullptr);
  EXPECT_EQ(module.Get(), nullptr);

  // A satellite copied into the device's \windows folder is found next time.
  std::filesystem::create_directories(root.path() / "windows");
  ASSERT_FALSE(EnglishSatelliteFile().empty());
  std::filesystem::copy_file(EnglishSatelliteFile(), root.path() / "windows" / "Vornalib.dll.0411.MUI");
  HMODULE found = module.Get();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(Text(found, 611), L"Cancel");
  EXPECT_EQ(module.Get(), found);
}

// The product's own choice happens once per process, so each language gets a
// process of its own.
void ExpectLanguageSpeaks(const char* language, UINT id, const wchar_t* expected) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("VORNA_UI_LANG", language, 1);
        bool same = LoadResString(id).str() == expected && GetStringModule() != nullptr;
        std::_Exit(same ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "")
      << "language " << language << ", id " << id;
}

TEST(StringModule, TheProductSpeaksTheUserInterfaceLanguage) {
  ExpectLanguageSpeaks("0804", 601, L"通话记录");
  ExpectLanguageSpeaks("0409", 601, L"Call log");
  ExpectLanguageSpeaks("0409", 865, L" rings");
}

TEST(ImageModule, OpensTheImageLibraryOnceAndKeepsIt) {
  ASSERT_NE(GetImageModule(), nullptr);
  EXPECT_EQ(GetImageModule(), GetImageModule());
  EXPECT_FALSE(ce::FindResourceBytes(GetImageModule(), 256, 100).empty());
}

}  // namespace
