// `vornactl export [--group NAME] [--version 2.1|3.0] [--out FILE]`: every
// contact, or the members of one group, as one file of vCards in list order,
// with photos, groups and ring tones, for a backup or another program.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "cmd_common.h"
#include "group_option.h"
#include "contactdata/VcardBuilder.h"
#include "platform/PimContract.h"

namespace {

using namespace vornactl;

// Where the cards go: stdout, or a new file that a failed write removes.
class CardSink {
 public:
  bool Open(const std::string* path, std::string& error) {
    if (!path) return true;
    path_ = *path;
    fd_ = open(path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) error = "cannot create " + *path + (errno == EEXIST ? ": it exists already" : "");
    return fd_ >= 0;
  }
  bool Write(const std::string& bytes) {
    written_ += bytes.size();
    if (fd_ < 0) return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }
  // Closes the file, removing it when anything failed.
  bool Close(bool complete, std::string& error) {
    if (fd_ < 0) return complete && std::fflush(stdout) == 0;
    complete = close(fd_) == 0 && complete;
    fd_ = -1;
    if (!complete) {
      unlink(path_.c_str());
      error = "cannot write " + path_;
    }
    return complete;
  }
  std::size_t written() const { return written_; }

 private:
  std::string path_;
  int fd_ = -1;
  std::size_t written_ = 0;
};

// The identifiers first: the cursor is not held while records are read.
std::vector<int> ContactIds(CContactsDbIf* db, int groupId) {
  std::vector<int> ids;
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; groupId ? db->GetContactslist(groupId, id, name, detail, type, letter, first)
                                  : db->GetContactslist(id, name, detail, type, letter, first);
       first = false)
    ids.push_back(id);
  return ids;
}

int RunExport(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {"--group", "--version", "--out"}, args, error)) return UsageError(error);
  if (!args.positional.empty()) return UsageError("usage: export [--group NAME] [--version 2.1|3.0] [--out FILE]");
  VcardOptions options;
  options.ringTone = true;
  if (const std::string* version = args.Value("--version")) {
    if (*version == "3.0")
      options.version = VcardVersion::V30;
    else if (*version != "2.1")
      return UsageError("--version is 2.1 or 3.0");
  }
  const std::string* out = args.Value("--out");
  if (inv.json && !out) return UsageError("export --json needs --out FILE");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;

  int groupId = 0;
  if (int status = GroupOption(args, db, groupId)) return status;

  CardSink sink;
  if (!sink.Open(out, error)) return UsageError(error);
  bool complete = true;
  int count = 0;
  for (const int id : ContactIds(db, groupId)) {
    CContactInfo contact;
    if (!db->GetContactInfo(id, contact)) continue;  // removed meanwhile
    std::string card;
    VcardBuilder::Build(contact, options, card);
    // 2.1 cards end without a line feed; 3.0 lines carry their own CR LF.
    if (options.version == VcardVersion::V21) card += '\n';
    if (!sink.Write(card)) {
      complete = false;
      break;
    }
    ++count;
  }
  if (!sink.Close(complete, error)) {
    std::fprintf(stderr, "vornactl: %s\n", error.c_str());
    return kExitUsage;
  }
  if (out && inv.json)
    std::printf("%s\n", JsonObject().Number("contacts", count).Text("file", *out).Number("bytes", static_cast<long long>(sink.written())).str().c_str());
  else if (out)
    std::printf("%s: %d contacts, %zu bytes\n", out->c_str(), count, sink.written());
  return count > 0 ? kExitOk : kExitNotFound;
}

VORNACTL_COMMAND({"export", "export [--group NAME] [--version 2.1|3.0] [--out FILE]",
                  "every contact (or one group's) as one vCard file, with photos and groups", RunExport});

}  // namespace
