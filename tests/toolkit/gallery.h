// Where the README's gallery pictures go: docs/images when VORNA_UPDATE_GALLERY
// is set (to refresh the gallery), the test's temporary folder otherwise.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "qzfc/Robot.h"

namespace qzfc::test {

// `name` with its extension.
inline std::filesystem::path GalleryFile(const std::string& name) {
  if (std::getenv("VORNA_UPDATE_GALLERY")) return std::filesystem::path(VORNA_SOURCE_DIR) / "docs/images" / name;
  return std::filesystem::path(::testing::TempDir()) / name;
}

// Saves the screen as gallery picture `name`.png.
inline void SaveGalleryShot(Robot& robot, const std::string& name) {
  EXPECT_TRUE(robot.SaveScreenshot(GalleryFile(name + ".png")));
}

}  // namespace qzfc::test
