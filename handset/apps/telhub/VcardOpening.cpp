#include "VcardOpening.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <cctype>

#include "ce/files.h"
#include "AppTexts.h"
#include "contactdata/VcardViewing.h"
#include "qzfc/QzMessageBox.h"

namespace telhub {
namespace {

std::wstring StagedPath(unsigned tag) { return L"\\tmpvcard\\open-" + std::to_wstring(tag) + L".vcf"; }

// Cards in the file: lines that begin one, in any case. The file was
// checked to be small enough to read whole.
int CountCards(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  int cards = 0;
  while (std::getline(in, line)) {
    std::string head = line.substr(0, 11);
    for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (head == "BEGIN:VCARD") ++cards;
  }
  return cards;
}

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
  std::filesystem::path staged;
  if (!ce::ResolveCePath(cePath, staged)) return;
  // Only the first contact of a file holding several is shown: say so.
  if (int cards = CountCards(staged); cards > 1) {
    const std::wstring notice =
        Text(L"名片中有 ", L"This card holds ") + std::to_wstring(cards) +
        Text(L" 位联系人，只显示第一位。", L" contacts; only the first is shown.");
    QzMessageBoxV2(owner, notice.c_str(), 1, 0);
  }
  FastProcessVcf(owner, cePath.c_str());
  std::error_code ignored;
  std::filesystem::remove(staged, ignored);
}

}  // namespace telhub
