#include "VcardOpening.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "ce/files.h"
#include "contactdata/VcardViewing.h"

namespace telhub {
namespace {

std::wstring StagedPath(unsigned tag) { return L"\\tmpvcard\\open-" + std::to_wstring(tag) + L".vcf"; }

}  // namespace

bool CheckVcardFile(const std::string& path, std::string& problem) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::exists(status)) {
    problem = path + ": no such file";
    return false;
  }
  if (!fs::is_regular_file(status)) {
    problem = path + ": not a file";
    return false;
  }
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size == 0 || size > kMaxVcardFileBytes) {
    problem = path + (size == 0 ? ": empty file" : ": too large to be a card");
    return false;
  }
  if (!std::ifstream(path, std::ios::binary)) {
    problem = path + ": cannot be read";
    return false;
  }
  return true;
}

bool StageVcard(const std::string& path, unsigned tag, std::string& problem) {
  std::filesystem::path staged;
  std::error_code error;
  bool ok = ce::ResolveCePath(StagedPath(tag), staged);
  if (ok) std::filesystem::create_directories(staged.parent_path(), error);
  ok = ok && !error && std::filesystem::copy_file(path, staged, std::filesystem::copy_options::overwrite_existing, error);
  if (!ok) {
    problem = path + ": cannot be copied into the device";
    return false;
  }
  return true;
}

void ShowStagedVcard(HWND owner, unsigned tag) {
  const std::wstring cePath = StagedPath(tag);
  FastProcessVcf(owner, cePath.c_str());
  std::filesystem::path staged;
  std::error_code ignored;
  if (ce::ResolveCePath(cePath, staged)) std::filesystem::remove(staged, ignored);
}

}  // namespace telhub
