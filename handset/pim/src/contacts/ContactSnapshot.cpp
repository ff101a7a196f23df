#include "contacts/ContactSnapshot.h"

#include <algorithm>
#include <unordered_map>

#include "ce/wstring.h"

namespace qzpam {
namespace {

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

}  // namespace

std::shared_ptr<const ContactSnapshot> ContactSnapshot::Load(Store& store) {
  auto snapshot = std::make_shared<ContactSnapshot>();
  // One read transaction (or a savepoint inside a batch), so the counter and
  // the rows agree.
  if (!store.Prepare("SAVEPOINT snapshot").Run()) return nullptr;
  snapshot->storeSerial_ = store.serial();
  snapshot->counter_ = store.Counter("contacts");
  std::unordered_map<int, size_t> indexOf;
  {
    // Read in table order (sequential pages) and sort here: walking the
    // sort index would cost one random table lookup per contact.
    std::vector<std::pair<std::string, SnapshotContact>> sorted;
    Statement rows = store.Prepare(
        "SELECT id, display_name, detail, detail_type, letter, pinyin, initials, sort_group, sort_key FROM contacts");
    while (rows.Step() == SQLITE_ROW) {
      SnapshotContact c;
      c.id = rows.Int(0);
      c.name = rows.Text(1);
      c.detail = rows.Text(2);
      c.detailType = rows.Int(3);
      std::wstring letter = rows.Text(4);
      c.letter = letter.empty() ? L'#' : letter[0];
      c.foldedName = ce::FoldCase(c.name);
      SetReading(c, rows.Utf8(5));
      c.initials = rows.Utf8(6);
      std::string order(1, static_cast<char>(rows.Int(7)));
      if (rows.BlobSize(8) > 0)
        order.append(static_cast<const char*>(rows.Blob(8)), static_cast<size_t>(rows.BlobSize(8)));
      sorted.emplace_back(std::move(order), std::move(c));
    }
    // Ties of group and key fall back to the identifier, as the table order gives it.
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    snapshot->contacts_.reserve(sorted.size());
    for (auto& entry : sorted) {
      indexOf.emplace(entry.second.id, snapshot->contacts_.size());
      snapshot->contacts_.push_back(std::move(entry.second));
    }
  }
  {
    Statement numbers = store.Prepare("SELECT contact_id, value, type FROM phones ORDER BY contact_id, id");
    while (numbers.Step() == SQLITE_ROW) {
      auto it = indexOf.find(numbers.Int(0));
      if (it == indexOf.end()) continue;
      SnapshotNumber n;
      n.value = numbers.Text(1);
      n.digits = Digits(n.value);
      n.type = numbers.Int(2);
      snapshot->contacts_[it->second].numbers.push_back(std::move(n));
    }
  }
  store.Prepare("RELEASE snapshot").Run();
  return snapshot;
}

FuzzyKey::FuzzyKey(const std::wstring& key) : folded_(ce::FoldCase(key)) {
  bool onlyLetters = true;
  bool onlyDigits = true;
  std::string letters;
  std::string digits;
  for (wchar_t c : folded_) {
    if (c == L' ') continue;
    bool letter = c >= L'a' && c <= L'z';
    bool digit = c >= L'0' && c <= L'9';
    onlyLetters = onlyLetters && letter;
    onlyDigits = onlyDigits && (digit || c == L'+' || c == L'-');
    if (letter) letters += static_cast<char>(c);
    if (digit) digits += static_cast<char>(c);
  }
  if (onlyLetters) letters_ = std::move(letters);
  if (onlyDigits) digits_ = std::move(digits);
}

bool FuzzyKey::Matches(const SnapshotContact& contact, int* numberIndex) const {
  *numberIndex = -1;
  if (folded_.empty()) return true;
  if (contact.foldedName.find(folded_) != std::wstring::npos) return true;
  if (!letters_.empty()) {
    if (contact.initials.find(letters_) != std::string::npos) return true;
    for (uint16_t start : contact.syllableStarts)
      if (contact.pinyin.compare(start, letters_.size(), letters_) == 0) return true;
  }
  if (!digits_.empty()) {
    for (size_t i = 0; i < contact.numbers.size(); ++i) {
      if (contact.numbers[i].digits.find(digits_) != std::string::npos) {
        *numberIndex = static_cast<int>(i);
        return true;
      }
    }
  }
  return false;
}

}  // namespace qzpam
