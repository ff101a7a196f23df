// The image folders: every id the windows load is there, renders, and has the
// size that its place on the screen and the table in IMAGES.md give it.
#include <gtest/gtest.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kResDir = VORNA_RES_DIR;

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Size& s) { return os << s.width << " x " << s.height; }

// The images the library, the dial pad and the toolkit's controls load, by folder.
std::set<int> RequiredIds(const std::string& folder) {
  std::set<int> ids;
  if (folder == "vornares") {
    for (int id = 100; id <= 115; ++id) ids.insert(id);  // tabs, call types
    for (int id = 201; id <= 221; ++id) ids.insert(id);  // dial pad
    for (int id : {300, 301, 303, 304, 306, 307, 309, 310, 312, 313, 315, 316, 318, 319, 321, 322, 323, 350,
                   351, 352, 353, 354, 356, 357, 358, 359, 362, 363, 364, 365, 366, 367, 368, 369, 370, 371,
                   372, 373, 374, 404, 414}) {
      ids.insert(id);
    }
  } else if (folder == "qzres") {
    ids = {110, 111, 122, 123, 152, 171, 172, 318, 319, 320, 321, 326};
  } else if (folder == "qzres/type10") {
    ids = {109};
  }
  return ids;
}

std::map<int, fs::path> SvgFiles(const std::string& folder) {
  std::map<int, fs::path> files;
  for (const auto& entry : fs::directory_iterator(kResDir / folder)) {
    if (entry.path().extension() == ".svg") files[std::stoi(entry.path().stem().string())] = entry.path();
  }
  return files;
}

// Sizes from the tables of IMAGES.md, by folder: each table follows a heading
// that names its folder in backticks.
std::map<std::string, std::map<int, Size>> DocumentedSizes() {
  std::ifstream in(kResDir / "IMAGES.md");
  std::map<std::string, std::map<int, Size>> sizes;
  std::string folder, line;
  const std::regex row(R"(^\| (\d+) \|.*\| (\d+) x (\d+) \|[^|]*\|$)");
  while (std::getline(in, line)) {
    if (line.rfind("## Image library", 0) == 0) folder = "vornares";
    if (line.rfind("## Toolkit images", 0) == 0) folder = "qzres";
    if (line.rfind("### Resource type 10", 0) == 0) folder = "qzres/type10";
    std::smatch m;
    if (!folder.empty() && std::regex_match(line, m, row)) {
      sizes[folder][std::stoi(m[1])] = {std::stoi(m[2]), std::stoi(m[3])};
    }
  }
  return sizes;
}

Size RenderedSize(const fs::path& file) {
  GError* error = nullptr;
  RsvgHandle* handle = rsvg_handle_new_from_file(file.c_str(), &error);
  if (!handle) {
    ADD_FAILURE() << file << ": " << (error ? error->message : "unreadable");
    if (error) g_error_free(error);
    return {};
  }
  double w = 0, h = 0;
  EXPECT_TRUE(rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h)) << file << " has no pixel size";
  g_object_unref(handle);
  return {static_cast<int>(w), static_cast<int>(h)};
}

class ImageFolder : public testing::TestWithParam<std::string> {};

TEST_P(ImageFolder, HoldsExactlyTheIdsThatAreLoaded) {
  std::set<int> present;
  for (const auto& [id, path] : SvgFiles(GetParam())) present.insert(id);
  EXPECT_EQ(present, RequiredIds(GetParam()));
}

TEST_P(ImageFolder, EveryImageParsesAndHasItsDocumentedSize) {
  const auto documented = DocumentedSizes()[GetParam()];
  const auto files = SvgFiles(GetParam());
  EXPECT_EQ(documented.size(), files.size()) << "IMAGES.md and the folder list different ids";
  for (const auto& [id, path] : files) {
    ASSERT_TRUE(documented.count(id)) << id << " is missing from IMAGES.md";
    EXPECT_EQ(RenderedSize(path), documented.at(id)) << path;
  }
}

INSTANTIATE_TEST_SUITE_P(Res, ImageFolder, testing::Values("vornares", "qzres", "qzres/type10"),
                         [](const auto& folder) {
                           std::string name = folder.param;
                           std::replace(name.begin(), name.end(), '/', '_');
                           return name;
                         });

// Sizes that other code lays out against: keys, pad, tool bar, rows.
TEST(ImageSizes, MatchTheirPlacesOnScreen) {
  const fs::path lib = kResDir / "vornares";
  for (int id = 201; id <= 220; ++id) EXPECT_EQ(RenderedSize(lib / (std::to_string(id) + ".svg")), (Size{152, 87})) << id;
  EXPECT_EQ(RenderedSize(lib / "221.svg"), (Size{480, 650}));  // reaches the tool bar at 720 - 70
  for (int id = 100; id <= 105; ++id) EXPECT_EQ(RenderedSize(lib / (std::to_string(id) + ".svg")).height, 70) << id;
  for (int id : {362, 363, 364, 365}) EXPECT_EQ(RenderedSize(lib / (std::to_string(id) + ".svg")), (Size{480, 186}));
  // The bubble's fixed top (73) and bottom (44) parts must fit in the image.
  EXPECT_GE(RenderedSize(lib / "372.svg").height, 73 + 44);
}

}  // namespace
