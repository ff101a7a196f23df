// `vornactl vcard ID [--out FILE | --text]`: a contact as a vCard 2.1 card
// (on stdout or into a new file) or as the plain-text card.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "cmd_common.h"
#include "contactdata/VcardWriter.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

namespace {

using namespace vornactl;

// Writes to a file that must not exist yet, like MakeVcard itself.
bool WriteNewFile(const std::string& path, const std::string& bytes, std::string& error) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = "cannot create " + path + (errno == EEXIST ? ": it exists already" : "");
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  // Closing can report a write that failed late; the descriptor goes either way.
  const bool closed = close(fd) == 0;
  const bool complete = done == bytes.size() && closed;
  if (!complete) {
    unlink(path.c_str());
    error = "cannot write " + path;
  }
  return complete;
}

std::string Base64(const std::string& bytes) {
  std::string out(static_cast<std::size_t>(QzBase64Encode(bytes.data(), static_cast<int>(bytes.size()), nullptr, 0)) + 1,
                  '\0');
  out.resize(static_cast<std::size_t>(
      QzBase64Encode(bytes.data(), static_cast<int>(bytes.size()), out.data(), static_cast<int>(out.size()))));
  return out;
}

int RunVcard(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {"--text"}, {"--out"}, args, error)) return UsageError(error);
  long long id = 0;
  if (args.positional.size() != 1 || (args.Has("--text") && args.Has("--out")))
    return UsageError("usage: vcard ID [--out FILE | --text]");
  if (!ParseNumber(args.positional[0], 1, INT32_MAX, id)) return UsageError("the contact id must be a number above 0");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;
  CContactInfo contact;
  if (!db->GetContactInfo(static_cast<int>(id), contact)) {
    std::fprintf(stderr, "vornactl: no contact %lld\n", id);
    return kExitNotFound;
  }

  if (args.Has("--text")) {
    qzu::string text;
    MakeVcardContent(contact, text);
    const std::string utf8 = ToUtf8(text.view());
    if (inv.json)
      std::printf("%s\n", JsonObject().Number("id", id).Text("text", utf8).str().c_str());
    else
      std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return kExitOk;
  }
  qzu::string8 card;
  MakeVcard(contact, card);
  const std::string bytes(card.view());
  if (const std::string* path = args.Value("--out")) {
    if (!WriteNewFile(*path, bytes, error)) return UsageError(error);
    if (inv.json)
      std::printf("%s\n", JsonObject().Number("id", id).Text("file", *path).Number("bytes", static_cast<long long>(bytes.size())).str().c_str());
    else
      std::printf("%s: %zu bytes\n", path->c_str(), bytes.size());
    return kExitOk;
  }
  // The card is in the handset's code page, so JSON carries its bytes in base64.
  if (inv.json)
    std::printf("%s\n", JsonObject().Number("id", id).Text("vcard_base64", Base64(bytes)).str().c_str());
  else
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return kExitOk;
}

VORNACTL_COMMAND({"vcard", "vcard ID [--out FILE | --text]", "a contact as a vCard 2.1 card or the plain-text card",
                  RunVcard});

}  // namespace
