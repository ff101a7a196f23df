// The packed resource modules, opened the way the library and the toolkit
// open them: by bare name through the device's search path.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ce/modules.h"
#include "ce/utf8.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/QzResources.h"
#include "string_table_file.h"
#include "temp_root.h"
#include "../ce/test_helpers.h"

namespace {

namespace fs = std::filesystem;

std::string AsString(std::span<const std::byte> bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Opens a module as a data file and closes it again at the end of the scope.
class DataModule {
 public:
  explicit DataModule(const wchar_t* name) : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~DataModule() {
    if (module_) FreeLibrary(module_);
  }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

class ResourceModules : public testing::Test {
 protected:
  vorna::test::TempDeviceRoot root_;  // an empty \windows: the build's modules are found
  const fs::path res_ = VORNA_RES_DIR;
};

TEST_F(ResourceModules, ImageLibraryHoldsEveryPictureById) {
  DataModule lib(L"vornares.dll");
  ASSERT_NE(lib.get(), nullptr);
  for (const auto& entry : fs::directory_iterator(res_ / "vornares")) {
    const unsigned id = static_cast<unsigned>(std::stoul(entry.path().stem().string()));
    EXPECT_EQ(AsString(ce::FindResourceBytes(lib.get(), VORNA_IMAGE_RESOURCE_TYPE, id)), vorna::test::ReadWhole(entry.path()))
        << "image " << id;
  }
  EXPECT_TRUE(ce::FindResourceBytes(lib.get(), VORNA_IMAGE_RESOURCE_TYPE, 999).empty());
}

TEST_F(ResourceModules, EnglishSatelliteGivesEveryStringById) {
  DataModule mui(L"Vornalib.dll.0409.MUI");
  ASSERT_NE(mui.get(), nullptr);
  const vorna::res::StringTableResult table = vorna::res::LoadStringTable(VORNA_EN_STRINGS);
  ASSERT_TRUE(table.ok());
  for (const vorna::res::StringEntry& e : table.entries) {
    wchar_t buffer[256] = {};
    const int length = LoadStringW(mui.get(), e.id, buffer, 256);
    const std::wstring expected = ce::FromUtf8(e.text);
    EXPECT_EQ(length, static_cast<int>(expected.size())) << "id " << e.id;
    EXPECT_EQ(std::wstring(buffer), expected) << "id " << e.id;
  }
  wchar_t buffer[16] = {};
  EXPECT_EQ(LoadStringW(mui.get(), 875, buffer, 16), 0);
}

// The way the windows reach them: the toolkit's image cache and string loader.
TEST_F(ResourceModules, ToolkitLoadsPicturesAndStringsFromThem) {
  static_assert(RT_QZIMAGE == VORNA_IMAGE_RESOURCE_TYPE, "modules are packed with the toolkit's picture type");
  DataModule lib(L"vornares.dll");
  const ImagingHelper* pad = ImagingHelper::GetImageObject(lib.get(), 221, TRUE);
  ASSERT_NE(pad, nullptr);
  EXPECT_EQ(pad->GetWidth(), 480);
  EXPECT_EQ(pad->GetHeight(), 650);

  const ImagingHelper* arrow = ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), 152, TRUE);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->GetWidth(), 24);
  const ImagingHelper* frame = ImagingHelper::GetImageObject(GetQzResModuleHandle(), 10, 109, TRUE);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetWidth(), 48);

  DataModule mui(L"Vornalib.dll.0409.MUI");
  EXPECT_EQ(std::wstring(QzLoadString(858, mui.get())), L"Copy");
  EXPECT_EQ(std::wstring(QzLoadString(749, mui.get())), L"Backed up: ");
}

}  // namespace
