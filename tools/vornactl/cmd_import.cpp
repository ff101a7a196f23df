// `vornactl import FILE.vcf...`: stores the cards of .vcf files as new
// contacts and reports what was imported and what was refused.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cmd_common.h"
#include "cmd_import_split.h"
#include "contactdata/GroupNames.h"
#include "platform/PimContract.h"

namespace {

using namespace vornactl;

// No address book export comes near this; larger files are refused whole.
constexpr std::uintmax_t kMaxFileBytes = 256u << 20;

bool ReadFile(const std::string& path, std::string& bytes, std::string& error) {
  std::error_code failed;
  const std::uintmax_t size = std::filesystem::file_size(path, failed);
  if (failed) {
    error = "cannot read the file";
    return false;
  }
  if (size > kMaxFileBytes) {
    error = "the file is too large";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  bytes = text.str();
  if (!in.good() && !in.eof()) {
    error = "cannot read the file";
    return false;
  }
  return true;
}

// Cards name special groups by their display names ("黑名单").
void UseStoredGroupNames(CContactInfo& contact) {
  qzu::array<qzu::string> shown = contact.categories;
  contact.RemoveAllCategoris();
  for (const qzu::string& name : shown) contact.AddToCategoris(GetGroupStoreName(name));
}

struct Report {
  bool json;
  std::vector<std::string> imported;
  std::vector<std::string> refused;
  int refusedCount = 0;

  void Imported(const std::string& file, int card, int id, const std::string& name) {
    if (json)
      imported.push_back(JsonObject().Text("file", file).Number("card", card).Number("id", id).Text("name", name).str());
    else
      std::printf("imported %s card %d: contact %d %s\n", file.c_str(), card, id, name.c_str());
  }
  void Refused(const std::string& file, int card, const std::string& reason) {
    ++refusedCount;
    if (json)
      refused.push_back(JsonObject().Text("file", file).Number("card", card).Text("reason", reason).str());
    else
      std::printf("refused  %s card %d: %s\n", file.c_str(), card, reason.c_str());
  }
};

void ImportFile(CContactsDbIf* db, const std::string& file, Report& report) {
  std::string bytes, error, storage;
  if (!ReadFile(file, bytes, error)) return report.Refused(file, 0, error);
  const std::vector<std::string_view> cards = SplitVcards(bytes, storage);
  if (cards.empty()) return report.Refused(file, 0, "no card in the file");
  const CVcardCodec codec;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    CContactInfo contact;
    if (!codec.DecodeVcfBytes(cards[i].data(), cards[i].size(), contact)) {
      report.Refused(file, number, "the card cannot be read");
      continue;
    }
    UseStoredGroupNames(contact);
    const int id = db->AddContact(contact);
    if (id > 0)
      report.Imported(file, number, id, ToUtf8(contact.fileAs.view()));
    else
      report.Refused(file, number, "the store did not take the contact");
  }
}

int RunImport(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (args.positional.empty()) return UsageError("usage: import FILE.vcf...");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;
  Report report{inv.json, {}, {}};
  for (const std::string& file : args.positional) ImportFile(db, file, report);
  if (inv.json) {
    std::printf("%s\n",
                JsonObject().Raw("imported", JsonArray(report.imported)).Raw("refused", JsonArray(report.refused)).str().c_str());
  }
  return report.refusedCount > 0 ? kExitNotFound : kExitOk;
}

VORNACTL_COMMAND({"import", "import FILE.vcf...", "store the cards of .vcf files as new contacts", RunImport});

}  // namespace
