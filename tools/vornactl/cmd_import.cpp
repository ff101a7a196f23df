// `vornactl import FILE.vcf...`: stores the cards of .vcf files as new
// contacts and reports what was imported and what was refused.
#include <unistd.h>

#include <algorithm>
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
#include "qzpam/StoreBatch.h"

namespace {

using namespace vornactl;

// No address book export comes near this; larger files are refused whole.
constexpr std::uintmax_t kMaxFileBytes = 256u << 20;
// Cards stored in one transaction: one disk sync per batch instead of one
// per card.
constexpr std::size_t kBatchCards = 1000;
// How often the progress line on a terminal moves.
constexpr std::size_t kProgressStep = 200;

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

// "importing FILE: 1200 / 10000 cards" on a terminal, rewritten in place.
class Progress {
 public:
  Progress() : shown_(isatty(STDERR_FILENO) == 1) {}
  void Show(const std::string& file, std::size_t done, std::size_t total) {
    if (!shown_ || total < kProgressStep || (done % kProgressStep != 0 && done != total)) return;
    std::fprintf(stderr, "\rimporting %s: %zu / %zu cards", file.c_str(), done, total);
    if (done == total) std::fputc('\n', stderr);
  }

 private:
  bool shown_;
};

// The cards of one batch wait for its commit before they are reported, in
// file order: a batch that fails to commit stored none of them.
struct Pending {
  int card;
  int id;            // 0: refused
  std::string text;  // the contact's name, or why the card was refused
};

void ReportBatch(const std::string& file, std::vector<Pending>& pending, bool committed, Report& report) {
  for (const Pending& p : pending) {
    if (p.id == 0)
      report.Refused(file, p.card, p.text);
    else if (committed)
      report.Imported(file, p.card, p.id, p.text);
    else
      report.Refused(file, p.card, "the store did not take the contact");
  }
  pending.clear();
}

void ImportFile(CContactsDbIf* db, const std::string& file, Report& report, Progress& progress) {
  std::string bytes, error, storage;
  if (!ReadFile(file, bytes, error)) return report.Refused(file, 0, error);
  const std::vector<std::string_view> cards = SplitVcards(bytes, storage);
  if (cards.empty()) return report.Refused(file, 0, "no card in the file");
  const CVcardCodec codec;
  std::vector<Pending> pending;
  for (std::size_t start = 0; start < cards.size(); start += kBatchCards) {
    qzpam::StoreBatch batch;
    const std::size_t end = std::min(cards.size(), start + kBatchCards);
    for (std::size_t i = start; i < end; ++i) {
      const int number = static_cast<int>(i) + 1;
      CContactInfo contact;
      if (codec.DecodeVcfBytes(cards[i].data(), cards[i].size(), contact)) {
        UseStoredGroupNames(contact);
        const int id = db->AddContact(contact);
        if (id > 0)
          pending.push_back({number, id, ToUtf8(contact.fileAs.view())});
        else
          pending.push_back({number, 0, "the store did not take the contact"});
      } else {
        pending.push_back({number, 0, "the card cannot be read"});
      }
      progress.Show(file, i + 1, cards.size());
    }
    ReportBatch(file, pending, batch.Commit(), report);
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
  Progress progress;
  for (const std::string& file : args.positional) ImportFile(db, file, report, progress);
  if (inv.json) {
    std::printf("%s\n",
                JsonObject().Raw("imported", JsonArray(report.imported)).Raw("refused", JsonArray(report.refused)).str().c_str());
  }
  return report.refusedCount > 0 ? kExitNotFound : kExitOk;
}

VORNACTL_COMMAND({"import", "import FILE.vcf...", "store the cards of .vcf files as new contacts", RunImport});

}  // namespace
