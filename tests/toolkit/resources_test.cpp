#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "ce/modules.h"
#include "ce/resource_module.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/QzResources.h"
#include "temp_root.h"
#include "test_images.h"

namespace {

ce::ResourceEntry Entry(UINT type, UINT id, const std::string& bytes) {
  ce::ResourceEntry entry;
  entry.type = type;
  entry.id = id;
  for (char c : bytes) entry.data.push_back(static_cast<std::byte>(c));
  return entry;
}

std::vector<std::byte> PackModule(std::vector<ce::ResourceEntry> entries) {
  auto bytes = ce::PackResourceModule(std::move(entries));
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(std::vector<std::byte>{});
}

// A module held by this process with strings and pictures for the tests.
HMODULE TestModule() {
  static HMODULE module = [] {
    std::string longText(5000, 'x');
    return ce::RegisterResourceModule(
        L"toolkit_test_resources.dll",
        PackModule({Entry(RT_STRING, 600, "更多"), Entry(RT_STRING, 601, longText), Entry(RT_STRING, 602, ""),
                    Entry(RT_QZIMAGE, 100, vorna::test::MakeSvg(80, 82, "red", "blue")),
                    Entry(RT_QZIMAGE, 101, vorna::test::MakeSvg(24, 82, "green", "green")),
                    Entry(RT_QZIMAGE, 102, "not a picture"),
                    Entry(RT_RCDATA, 109, vorna::test::MakeSvg(48, 48, "gray", "gray"))}));
  }();
  return module;
}

TEST(QzLoadString, ReadsStringsByIdAndIsSafeWithoutAModule) {
  HMODULE module = TestModule();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(QzLoadString(600, module), L"更多");
  EXPECT_EQ(QzLoadString(601, module).GetLength(), 5000);
  EXPECT_TRUE(QzLoadString(602, module).IsEmpty());
  EXPECT_TRUE(QzLoadString(999, module).IsEmpty());
  EXPECT_TRUE(QzLoadString(600, nullptr).IsEmpty());
}

TEST(ImageCache, SameModuleAndIdGiveTheSameObjectAndMissingPicturesAreEmptyObjects) {
  HMODULE module = TestModule();
  ImagingHelper* arrow = ImagingHelper::GetImageObject(module, 101, TRUE);
  ASSERT_NE(arrow, nullptr);
  EXPECT_TRUE(arrow->IsLoaded());
  EXPECT_EQ(arrow->GetWidth(), 24);
  EXPECT_EQ(arrow->GetHeight(), 82);
  EXPECT_EQ(ImagingHelper::GetImageObject(module, 101, TRUE), arrow);
  ImagingHelper* icon = ImagingHelper::GetImageObject(module, 100, TRUE);
  EXPECT_NE(icon, arrow);
  EXPECT_EQ(icon->GetWidth(), 80);

  // Pictures of type 10 are found by id too, and by their type.
  EXPECT_TRUE(ImagingHelper::GetImageObject(module, 109, TRUE)->IsLoaded());
  EXPECT_TRUE(ImagingHelper::GetImageObject(module, RT_RCDATA, 109, TRUE)->IsLoaded());
  EXPECT_FALSE(ImagingHelper::GetImageObject(module, RT_RCDATA, 100, TRUE)->IsLoaded());

  // An unshared request gives the caller its own object.
  std::unique_ptr<ImagingHelper> own(ImagingHelper::GetImageObject(module, 101, FALSE));
  EXPECT_NE(own.get(), arrow);
  EXPECT_EQ(own->GetWidth(), 24);

  // Missing pictures are empty objects, not null.
  struct Case {
    const char* name;
    HMODULE module;
    UINT id;
  } cases[] = {{"module 0", nullptr, 100}, {"unknown id", module, 4242}, {"not an SVG", module, 102}};
  for (const Case& c : cases) {
    ImagingHelper* image = ImagingHelper::GetImageObject(c.module, c.id, TRUE);
    ASSERT_NE(image, nullptr) << c.name;
    EXPECT_FALSE(image->IsLoaded()) << c.name;
    EXPECT_EQ(image->GetWidth(), 0) << c.name;
    EXPECT_EQ(ImagingHelper::GetImageObject(c.module, c.id, TRUE), image) << c.name;
  }
}

// Only QzRes.dll is on the device here; the current image set is found in it
// unless the build's resource folder provides its own.
TEST(ImageCache, ToolkitModulesServeEachOtherWhenOnlyOneIsPresent) {
  vorna::test::TempDeviceRoot root;
  std::filesystem::create_directories(root.path() / "windows");
  std::vector<std::byte> bytes = PackModule({Entry(RT_QZIMAGE, 152, vorna::test::MakeSvg(24, 82, "gray", "gray")),
                                             Entry(RT_RCDATA, 109, vorna::test::MakeSvg(48, 48, "gray", "gray"))});
  std::ofstream(root.path() / "windows" / "QzRes.dll", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  HMODULE v2 = GetQzResV2ModuleHandle();
  ASSERT_NE(v2, nullptr);
  ASSERT_NE(GetQzResModuleHandle(), nullptr);
  EXPECT_EQ(GetQzResV2ModuleHandle(), v2);
  EXPECT_TRUE(ImagingHelper::GetImageObject(v2, 152, TRUE)->IsLoaded());
  EXPECT_TRUE(ImagingHelper::GetImageObject(GetQzResModuleHandle(), RT_RCDATA, 109, TRUE)->IsLoaded());
}

}  // namespace
