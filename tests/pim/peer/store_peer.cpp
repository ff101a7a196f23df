// A second process for the store's tests: writes to the store of the device
// root in $VORNA_ROOT while the test (or another peer) does the same.
//
//   pim_store_peer contacts TAG COUNT [ACK_FILE]
//     adds COUNT contacts named TAG-<i>, each with one number and one call;
//     after each acknowledged contact appends "<id>\n" to ACK_FILE ("-" is
//     standard output).
//   pim_store_peer forever TAG ACK_FILE
//     the same without end (the test kills it).
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "qzpam/CContactsDbIf.h"

namespace {

int AddOne(CContactsDbIf* db, const std::string& tag, long i) {
  std::wstring name(tag.begin(), tag.end());
  name += L"-" + std::to_wstring(i);
  CContactInfo record;
  record.UpdateNameInfo(L"", name.c_str(), L"");
  std::wstring number = L"1390000" + std::to_wstring(1000 + i % 9000);
  record.AddPhoneNumber(0, number.c_str(), 0, 1);
  int id = db->AddContact(record);
  if (id > 0 && !db->InsertCall(number.c_str(), static_cast<int>(1700000000 + i), 5, 2)) return 0;
  return id;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string mode = argv[1];
  std::string tag = argv[2];
  long count = mode == "contacts" && argc >= 4 ? std::atol(argv[3]) : -1;
  const char* ackPath = mode == "contacts" ? (argc >= 5 ? argv[4] : nullptr) : (argc >= 4 ? argv[3] : nullptr);
  int ack = !ackPath ? -1 : std::string(ackPath) == "-" ? 1 : open(ackPath, O_WRONLY | O_CREAT | O_APPEND, 0644);

  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return 3;
  for (long i = 0; count < 0 || i < count; ++i) {
    int id = AddOne(db, tag, i);
    if (id <= 0) {
      std::fprintf(stderr, "store_peer: write %ld failed\n", i);
      return 1;
    }
    if (ack >= 0) {
      std::string line = std::to_string(id) + "\n";
      if (write(ack, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return 4;
    }
  }
  return 0;
}
