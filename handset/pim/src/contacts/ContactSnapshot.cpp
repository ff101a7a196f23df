#include "contacts/ContactSnapshot.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

#include "ce/wstring.h"
#include "store/Schema.h"

namespace qzpam {
namespace {

// Past this many change log entries reading everything again is about as
// quick, and the log may no longer hold them all.
constexpr int64_t kIncrementalLimit = 1024;
static_assert(kIncrementalLimit < kContactLogKept);

#define CONTACT_COLUMNS \
  "SELECT id, display_name, detail, detail_type, letter, pinyin, initials, sort_group, sort_key FROM contacts"
constexpr char kAllContacts[] = CONTACT_COLUMNS " ORDER BY id";
constexpr char kOneContact[] = CONTACT_COLUMNS " WHERE id = ?";
constexpr char kAllNumbers[] = "SELECT contact_id, value, type FROM phones ORDER BY contact_id, id";
constexpr char kOneContactsNumbers[] = "SELECT contact_id, value, type FROM phones WHERE contact_id = ? ORDER BY id";

// A read transaction (or a savepoint inside a batch), so that the counter,
// the log and the rows agree.
class ReadTransaction {
 public:
  explicit ReadTransaction(Store& store) : store_(store), open_(store.Prepare("SAVEPOINT snapshot").Run()) {}
  ~ReadTransaction() {
    if (open_) store_.Prepare("RELEASE snapshot").Run();
  }
  bool open() const { return open_; }

 private:
  Store& store_;
  bool open_;
};

std::string Digits(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text)
    if (c >= L'0' && c <= L'9') out += static_cast<char>(c);
  return out;
}

void SetReading(SnapshotContact& contact, const std::string& reading) {
  for (size_t i = 0; i < reading.size(); ++i) {
    if (reading[i] == ' ') continue;
    if (i == 0 || reading[i - 1] == ' ') contact.syllableStarts.push_back(static_cast<uint16_t>(contact.pinyin.size()));
    contact.pinyin += reading[i];
  }
}

// A contact from a row of CONTACT_COLUMNS, without its numbers.
SnapshotContact ReadContact(const Statement& row) {
  SnapshotContact c;
  c.id = row.Int(0);
  c.name = row.Text(1);
  c.detail = row.Text(2);
  c.detailType = row.Int(3);
  std::wstring letter = row.Text(4);
  c.letter = letter.empty() ? L'#' : letter[0];
  c.foldedName = ce::FoldCase(c.name);
  SetReading(c, row.Utf8(5));
  c.initials = row.Utf8(6);
  c.order.assign(1, static_cast<char>(row.Int(7)));
  if (row.BlobSize(8) > 0) c.order.append(static_cast<const char*>(row.Blob(8)), static_cast<size_t>(row.BlobSize(8)));
  return c;
}

// A number from a row of kAllNumbers or kOneContactsNumbers.
SnapshotNumber ReadNumber(const Statement& row) {
  SnapshotNumber n;
  n.value = row.Text(1);
  n.digits = Digits(n.value);
  n.type = row.Int(2);
  return n;
}


bool ListedBefore(const SnapshotContact& a, const SnapshotContact& b) {
  return std::tie(a.order, a.id) < std::tie(b.order, b.id);
}

// The contacts in list order, laid out one after the other in one block
// with their texts copied afresh in that order: the lists and the search
// walk them in this order, and memory that is read in sequence is read
// several times faster than memory scattered across the heap.
ContactSnapshot::Contacts InListOrder(const std::vector<SnapshotContact>& read) {
  std::vector<const SnapshotContact*> sorted;
  sorted.reserve(read.size());
  for (const SnapshotContact& contact : read) sorted.push_back(&contact);
  std::sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) { return ListedBefore(*a, *b); });
  auto block = std::make_shared<std::vector<SnapshotContact>>();
  block->reserve(sorted.size());
  for (const SnapshotContact* contact : sorted) block->push_back(*contact);
  ContactSnapshot::Contacts contacts;
  contacts.reserve(block->size());
  for (const SnapshotContact& contact : *block) contacts.emplace_back(block, &contact);
  return contacts;
}

int64_t LatestLogEntry(Store& store) {
  Statement stmt = store.Prepare("SELECT max(seq) FROM contact_log");
  return stmt.Step() == SQLITE_ROW ? stmt.Int64(0) : 0;
}

}  // namespace

std::shared_ptr<const ContactSnapshot> ContactSnapshot::Refresh(Store& store,
                                                                const std::shared_ptr<const ContactSnapshot>& previous) {
  bool trusted = previous && previous->storeSerial_ == store.serial() &&
                 !(previous->readInBatch_ && previous->rollbacks_ != store.rollbacks());
  if (trusted && previous->counter_ == store.Counter("contacts")) return previous;

  bool inBatch = store.InTransaction();
  ReadTransaction transaction(store);
  if (!transaction.open()) return nullptr;
  auto snapshot = std::make_shared<ContactSnapshot>();
  snapshot->storeSerial_ = store.serial();
  snapshot->counter_ = store.Counter("contacts");
  snapshot->logSeq_ = LatestLogEntry(store);
  snapshot->readInBatch_ = inBatch;
  snapshot->rollbacks_ = store.rollbacks();
  bool incremental = trusted && snapshot->logSeq_ >= previous->logSeq_ &&
                     snapshot->logSeq_ - previous->logSeq_ <= kIncrementalLimit;
  if (incremental ? !snapshot->ReadChanges(store, *previous) : !snapshot->ReadAll(store)) return nullptr;
  return snapshot;
}

bool ContactSnapshot::ReadAll(Store& store) {
  // Read in table order (sequential pages) and sort here: walking the sort
  // index would cost one random table lookup per contact.
  std::vector<SnapshotContact> read;
  Statement rows = store.Prepare(kAllContacts);
  int rc;
  while ((rc = rows.Step()) == SQLITE_ROW) read.push_back(ReadContact(rows));
  if (rc != SQLITE_DONE) return false;

  // Both come in identifier order, so the numbers join their contacts in one pass.
  Statement numbers = store.Prepare(kAllNumbers);
  auto owner = read.begin();
  while ((rc = numbers.Step()) == SQLITE_ROW) {
    int contactId = numbers.Int(0);
    while (owner != read.end() && owner->id < contactId) ++owner;
    if (owner != read.end() && owner->id == contactId) owner->numbers.push_back(ReadNumber(numbers));
  }
  if (rc != SQLITE_DONE) return false;
  contacts_ = std::make_shared<const Contacts>(InListOrder(read));
  return true;
}

bool ContactSnapshot::ReadChanges(Store& store, const ContactSnapshot& previous) {
  std::unordered_set<int> changed;
  {
    Statement log = store.Prepare("SELECT DISTINCT contact_id FROM contact_log WHERE seq > ?");
    log.Bind(1, previous.logSeq_);
    while (log.Step() == SQLITE_ROW) changed.insert(log.Int(0));
  }
  if (changed.empty()) {
    contacts_ = previous.contacts_;
    return true;
  }

  // The changed contacts as they are now; a removed one is simply absent.
  std::vector<SnapshotContact> read;
  for (int id : changed) {
    Statement row = store.Prepare(kOneContact);
    if (row.Bind(1, id).Step() != SQLITE_ROW) continue;
    SnapshotContact contact = ReadContact(row);
    Statement numbers = store.Prepare(kOneContactsNumbers);
    numbers.Bind(1, id);
    while (numbers.Step() == SQLITE_ROW) contact.numbers.push_back(ReadNumber(numbers));
    read.push_back(std::move(contact));
  }
  Contacts fresh = InListOrder(read);

  // The unchanged contacts keep their order; the fresh ones merge in.
  auto contacts = std::make_shared<Contacts>();
  contacts->reserve(previous.contacts().size() + fresh.size());
  auto next = fresh.begin();
  for (const auto& contact : previous.contacts()) {
    if (changed.contains(contact->id)) continue;
    while (next != fresh.end() && ListedBefore(**next, *contact)) contacts->push_back(*next++);
    contacts->push_back(contact);
  }
  contacts->insert(contacts->end(), next, fresh.end());
  contacts_ = std::move(contacts);
  return true;
}

}  // namespace qzpam
