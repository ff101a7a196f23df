#include "text/NameReading.h"

#include <unicode/coll.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <memory>
#include <mutex>
#include <unordered_map>

namespace qzpam {
namespace {

// Surnames whose common reading differs from their reading as a surname.
const std::unordered_map<char32_t, const char*> kSurnameReadings = {
    {U'曾', "zeng"}, {U'单', "shan"}, {U'解', "xie"},   {U'仇', "qiu"},  {U'区', "ou"},   {U'查', "zha"},
    {U'朴', "piao"}, {U'盖', "ge"},   {U'乐', "yue"},   {U'缪', "miao"}, {U'尉', "yu"},   {U'翟', "zhai"},
    {U'覃', "qin"},  {U'秘', "bi"},   {U'长', "chang"}, {U'重', "chong"}, {U'员', "yun"}, {U'召', "shao"},
    {U'种', "chong"}, {U'繁', "po"},  {U'句', "gou"},   {U'宿', "su"},   {U'隗', "wei"},  {U'能', "nai"},
    {U'贲', "ben"},  {U'郇', "huan"}, {U'折', "she"},   {U'车', "che"},  {U'沈', "shen"}, {U'柏', "bai"},
};

// Two-character surnames, read as surnames when a name begins with them.
// Most read as their characters do anyway; they are listed all the same so
// that the surname's reading does not hang on a polyphonic character's
// default (长孙 zhang, not the single surname's chang).
const std::unordered_map<std::u32string, const char*> kCompoundSurnameReadings = {
    {U"欧阳", "ou yang"},   {U"司马", "si ma"},     {U"诸葛", "zhu ge"},    {U"上官", "shang guan"},
    {U"东方", "dong fang"}, {U"皇甫", "huang fu"},  {U"慕容", "mu rong"},   {U"令狐", "ling hu"},
    {U"夏侯", "xia hou"},   {U"公孙", "gong sun"},  {U"尉迟", "yu chi"},    {U"长孙", "zhang sun"},
    {U"单于", "chan yu"},   {U"万俟", "mo qi"},     {U"澹台", "tan tai"},   {U"拓跋", "tuo ba"},
    {U"宇文", "yu wen"},    {U"南宫", "nan gong"},  {U"西门", "xi men"},    {U"呼延", "hu yan"},
    {U"赫连", "he lian"},   {U"鲜于", "xian yu"},   {U"闾丘", "lu qiu"},    {U"轩辕", "xuan yuan"},
    {U"钟离", "zhong li"},  {U"宗政", "zong zheng"}, {U"濮阳", "pu yang"},  {U"淳于", "chun yu"},
    {U"太叔", "tai shu"},   {U"申屠", "shen tu"},   {U"公羊", "gong yang"}, {U"公冶", "gong ye"},
    {U"端木", "duan mu"},   {U"独孤", "du gu"},     {U"司徒", "si tu"},     {U"司空", "si kong"},
    {U"百里", "bai li"},    {U"东郭", "dong guo"},  {U"南门", "nan men"},   {U"乐正", "yue zheng"},
    {U"左丘", "zuo qiu"},   {U"梁丘", "liang qiu"}, {U"第五", "di wu"},     {U"亓官", "qi guan"},
    {U"仲孙", "zhong sun"}, {U"巫马", "wu ma"},     {U"公良", "gong liang"},
    {U"漆雕", "qi diao"},   {U"段干", "duan gan"},  {U"谷梁", "gu liang"},  {U"闻人", "wen ren"},
};

// The lower-case ASCII letters and digits of a transliteration.
std::string LettersAndDigits(const std::string& text) {
  std::string out;
  for (char ch : text)
    if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) out += ch;
  return out;
}

// ICU's transliterator and collator are costly to build and not meant for
// concurrent use; one of each serves the process under a lock, and the
// reading of each character is remembered.
class Readers {
 public:
  static Readers& Get() {
    static Readers readers;
    return readers;
  }

  std::mutex mutex;

  const std::string& Syllable(char32_t c) {
    auto it = syllables_.find(c);
    if (it != syllables_.end()) return it->second;
    std::string out;
    if (translit_) {
      icu::UnicodeString text(static_cast<UChar32>(c));
      translit_->transliterate(text);
      std::string utf8;
      text.toUTF8String(utf8);
      out = LettersAndDigits(utf8);
    }
    return syllables_.emplace(c, std::move(out)).first->second;
  }

  std::string Fold(const icu::UnicodeString& word) {
    icu::UnicodeString text(word);
    if (latin_) latin_->transliterate(text);
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
  }

  std::string Key(const icu::UnicodeString& text) {
    if (!collator_) return std::string();
    int32_t size = collator_->getSortKey(text, nullptr, 0);
    std::string key(static_cast<size_t>(size), '\0');
    collator_->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), size);
    return key;  // ends with its 0 byte, which keeps concatenated keys ordered
  }

 private:
  Readers() {
    UErrorCode status = U_ZERO_ERROR;
    translit_.reset(icu::Transliterator::createInstance("Han-Latin; Latin-ASCII; Lower", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) translit_.reset();
    status = U_ZERO_ERROR;
    latin_.reset(icu::Transliterator::createInstance("Any-Latin; Latin-ASCII; Lower", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) latin_.reset();
    status = U_ZERO_ERROR;
    collator_.reset(icu::Collator::createInstance(icu::Locale("zh"), status));
    if (U_FAILURE(status)) collator_.reset();
  }

  std::unique_ptr<icu::Transliterator> translit_;
  std::unique_ptr<icu::Transliterator> latin_;
  std::unique_ptr<icu::Collator> collator_;
  std::unordered_map<char32_t, std::string> syllables_;
};

bool IsHan(char32_t c) {
  UErrorCode status = U_ZERO_ERROR;
  return uscript_getScript(static_cast<UChar32>(c), &status) == USCRIPT_HAN;
}

}  // namespace

NameReading NameReading::Of(std::wstring_view name) {
  Readers& readers = Readers::Get();
  std::lock_guard lock(readers.mutex);

  // The reading with one space between syllables and words.
  std::string reading;
  icu::UnicodeString word;
  auto flushWord = [&] {
    if (word.isEmpty()) return;
    std::string clean = LettersAndDigits(readers.Fold(word));
    word.remove();
    if (clean.empty()) return;
    if (!reading.empty()) reading += ' ';
    reading += clean;
  };
  std::wstring_view rest = name;
  if (name.size() >= 2) {
    auto compound = kCompoundSurnameReadings.find(
        std::u32string{static_cast<char32_t>(name[0]), static_cast<char32_t>(name[1])});
    if (compound != kCompoundSurnameReadings.end()) {
      reading = compound->second;
      rest.remove_prefix(2);
    }
  }
  bool first = rest.size() == name.size();
  for (wchar_t wc : rest) {
    char32_t c = static_cast<char32_t>(wc);
    if (IsHan(c)) {
      flushWord();
      auto surname = first ? kSurnameReadings.find(c) : kSurnameReadings.end();
      const std::string& syllable = surname != kSurnameReadings.end() ? surname->second : readers.Syllable(c);
      if (!syllable.empty()) {
        if (!reading.empty()) reading += ' ';
        reading += syllable;
      }
    } else if (u_isalnum(static_cast<UChar32>(c))) {
      word.append(static_cast<UChar32>(c));
    } else {
      flushWord();
    }
    first = false;
  }
  flushWord();

  NameReading result;
  for (size_t i = 0; i < reading.size(); ++i)
    if (reading[i] != ' ' && (i == 0 || reading[i - 1] == ' ')) result.initials += reading[i];
  // The letter comes from the name's first character itself, so a name
  // beginning with a digit or symbol files under "#".
  if (!name.empty() && !reading.empty() && reading[0] >= 'a' && reading[0] <= 'z') {
    char32_t lead = static_cast<char32_t>(name[0]);
    if (IsHan(lead) || u_isalpha(static_cast<UChar32>(lead)))
      result.letter = static_cast<wchar_t>(reading[0] - 'a' + 'A');
  }
  icu::UnicodeString wholeName;
  for (wchar_t wc : name) wholeName.append(static_cast<UChar32>(wc));
  result.sortKey = readers.Key(icu::UnicodeString::fromUTF8(reading)) + readers.Key(wholeName);
  result.reading = std::move(reading);
  return result;
}

}  // namespace qzpam
