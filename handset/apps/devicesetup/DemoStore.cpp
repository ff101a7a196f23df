#include "DemoStore.h"

#include <cstdint>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "ce/utf8.h"
#include "qzpam/CContactsDbIf.h"
#include "qzpam/PhoneSettingsDbIf.h"
#include "qzpam/StoreBatch.h"
#include "seed_photos.h"

namespace vorna::device {

namespace {

// A small generator of our own, so the data do not depend on the standard
// library's distributions (which differ between implementations).
class SeedRandom {
 public:
  explicit SeedRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  bool Percent(int p) { return Below(100) < p; }
  template <typename T, size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }

 private:
  uint64_t state_;
};

struct Syllable {
  const wchar_t* text;
  const char* pinyin;
};

const Syllable kSurnames[] = {
    {L"王", "wang"}, {L"李", "li"},    {L"张", "zhang"}, {L"刘", "liu"},   {L"陈", "chen"},  {L"杨", "yang"},
    {L"赵", "zhao"}, {L"黄", "huang"}, {L"周", "zhou"},  {L"吴", "wu"},    {L"徐", "xu"},    {L"孙", "sun"},
    {L"胡", "hu"},   {L"朱", "zhu"},   {L"高", "gao"},   {L"林", "lin"},   {L"何", "he"},    {L"郭", "guo"},
    {L"马", "ma"},   {L"罗", "luo"},   {L"梁", "liang"}, {L"宋", "song"},  {L"郑", "zheng"}, {L"谢", "xie"},
    {L"韩", "han"},  {L"唐", "tang"},  {L"冯", "feng"},  {L"曾", "zeng"},  {L"单", "shan"},  {L"欧阳", "ouyang"},
};
const Syllable kGiven[] = {
    {L"伟", "wei"},  {L"芳", "fang"}, {L"娜", "na"},    {L"敏", "min"},  {L"静", "jing"}, {L"丽", "li"},
    {L"强", "qiang"}, {L"磊", "lei"}, {L"军", "jun"},   {L"洋", "yang"}, {L"勇", "yong"}, {L"艳", "yan"},
    {L"杰", "jie"},  {L"娟", "juan"}, {L"涛", "tao"},   {L"明", "ming"}, {L"超", "chao"}, {L"秀", "xiu"},
    {L"霞", "xia"},  {L"平", "ping"}, {L"文", "wen"},   {L"华", "hua"},  {L"建", "jian"}, {L"国", "guo"},
    {L"志", "zhi"},  {L"晓", "xiao"}, {L"红", "hong"},  {L"婷", "ting"}, {L"宇", "yu"},   {L"浩", "hao"},
};
const wchar_t* const kLatinFirst[] = {L"Anna", L"Bob",  L"Chris", L"David", L"Emma", L"Frank", L"Grace",
                                      L"Henry", L"Ivy", L"Jack",  L"Kate",  L"Leo",  L"Mia",   L"Olivia",
                                      L"Peter", L"Rose", L"Sam",  L"Tom",   L"Zoe"};
const wchar_t* const kLatinLast[] = {L"Smith",  L"Brown", L"Miller", L"Wilson", L"Taylor",
                                     L"Clark",  L"Lewis", L"Walker", L"Young",  L"King"};
const wchar_t* const kCompanies[] = {L"华为技术", L"腾讯", L"中国移动", L"招商银行", L"顺丰速运",
                                     L"Acme Ltd", L"深圳大学", L"人民医院", L"Globex"};
const char* const kMailDomains[] = {"163.com", "qq.com", "126.com", "gmail.com", "example.com"};
const int kMobilePrefixes[] = {130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 150, 151, 152, 153,
                               155, 156, 157, 158, 159, 176, 177, 178, 180, 181, 182, 183, 185, 186,
                               187, 188, 189, 199};
const int kAreaCodes[] = {10, 20, 21, 22, 23, 24, 25, 27, 28, 29, 311, 512, 532, 571, 591, 731, 755, 871, 898};
struct Place {
  const wchar_t* province;
  const wchar_t* city;
  const wchar_t* postcode;
};
const Place kPlaces[] = {{L"广东", L"深圳", L"518000"}, {L"北京", L"北京", L"100000"}, {L"上海", L"上海", L"200000"},
                         {L"浙江", L"杭州", L"310000"}, {L"四川", L"成都", L"610000"}, {L"湖北", L"武汉", L"430000"}};
const wchar_t* const kStreets[] = {L"深南大道", L"长安街", L"南京路", L"文三路", L"人民南路", L"中山路"};
const wchar_t* const kNotes[] = {L"大学同学", L"周末一起打球", L"装修师傅", L"Met at the conference", L"孩子的老师",
                                 L"只在工作日联系"};
const wchar_t* const kGroups[] = {L"家人", L"朋友", L"同事", L"同学"};
const wchar_t kBlacklist[] = L"_$!<Blacklist>!$_";

// Calls end here (2026-12-01 00:00 UTC) and reach back one year, so the
// store is the same whenever it is seeded.
constexpr int kCallsEnd = 1796083200;
constexpr int kYear = 365 * 24 * 3600;
// Writes per transaction while seeding.
constexpr int kBatchSize = 2000;

std::wstring Digits(SeedRandom& rng, int count) {
  std::wstring out;
  for (int i = 0; i < count; ++i) out += static_cast<wchar_t>(L'0' + rng.Below(10));
  return out;
}

// Every draw from the generator is a statement of its own: the order in
// which a compiler evaluates the operands of "+" or the arguments of a call
// is not fixed, and the store must come out the same from any compiler. The
// draws run in the order the first builds happened to use.
std::wstring MobileNumber(SeedRandom& rng) {
  std::wstring digits = Digits(rng, 8);
  int prefix = rng.Pick(kMobilePrefixes);
  return std::to_wstring(prefix) + digits;
}

std::wstring LandlineNumber(SeedRandom& rng) {
  int area = rng.Pick(kAreaCodes);
  std::wstring digits = Digits(rng, area < 100 ? 7 : 6);
  int first = 2 + rng.Below(8);
  return L"0" + std::to_wstring(area) + L"-" + std::to_wstring(first) + digits;
}

// The same mobile number as people write it: plain, spaced or international.
std::wstring Formatted(SeedRandom& rng, const std::wstring& mobile) {
  int form = rng.Below(10);
  if (form == 8) return mobile.substr(0, 3) + L" " + mobile.substr(3, 4) + L" " + mobile.substr(7);
  if (form == 9) return L"+86 " + mobile;
  return mobile;
}

struct SeededContact {
  std::wstring name;
  std::wstring mobile;
};

CContactInfo MakeContact(SeedRandom& rng, std::string* mailName) {
  CContactInfo record;
  if (rng.Percent(85)) {
    const Syllable& last = rng.Pick(kSurnames);
    const Syllable& first = rng.Pick(kGiven);
    std::wstring given = first.text;
    *mailName = std::string(last.pinyin) + first.pinyin;
    if (rng.Percent(60)) {
      const Syllable& second = rng.Pick(kGiven);
      given += second.text;
      *mailName += second.pinyin;
    }
    record.UpdateNameInfo(last.text, given.c_str(), rng.Percent(30) ? rng.Pick(kCompanies) : L"");
  } else {
    const wchar_t* first = rng.Pick(kLatinFirst);
    const wchar_t* last = rng.Pick(kLatinLast);
    record.UpdateNameInfo(last, first, rng.Percent(30) ? rng.Pick(kCompanies) : L"");
    *mailName = ce::ToUtf8(std::wstring(first) + L"." + last);
    for (char& c : *mailName) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  record.AddPhoneNumber(0, Formatted(rng, MobileNumber(rng)).c_str(), 0, 1);
  if (rng.Percent(30)) {
    int type = 1 + rng.Below(2);
    record.AddPhoneNumber(0, LandlineNumber(rng).c_str(), type, 0);
  }
  if (rng.Percent(5)) record.AddPhoneNumber(0, LandlineNumber(rng).c_str(), 3, 0);
  if (rng.Percent(50)) {
    const char* domain = rng.Pick(kMailDomains);
    int suffix = rng.Below(100);
    std::string mail = *mailName + std::to_string(suffix) + "@" + domain;
    record.AddEmail(0, ce::FromUtf8(mail).c_str(), rng.Below(2));
  }
  if (rng.Percent(20)) {
    std::wstring digits = Digits(rng, 8);
    int first = 1 + rng.Below(9);
    record.AddQQ(0, (std::to_wstring(first) + digits).c_str(), 0);
  }
  if (rng.Percent(5)) record.AddWebPage(0, ce::FromUtf8("http://www." + *mailName + ".example.com").c_str(), 0);
  if (rng.Percent(25)) {
    const Place& place = rng.Pick(kPlaces);
    int houseNumber = 1 + rng.Below(300);
    std::wstring street = std::wstring(rng.Pick(kStreets)) + std::to_wstring(houseNumber) + L"号";
    record.AddAddress(0, place.city, L"中国", place.postcode, place.province, street.c_str(), rng.Below(2));
  }
  if (rng.Percent(40)) {
    wchar_t birthday[16];
    int day = 1 + rng.Below(28);
    int month = 1 + rng.Below(12);
    int year = 1950 + rng.Below(60);
    std::swprintf(birthday, 16, L"%04d%02d%02d", year, month, day);
    record.UpdateBirthday(birthday);
  }
  if (rng.Percent(10)) record.UpdateRemark(rng.Pick(kNotes));
  if (rng.Percent(20)) {
    const SeedPhoto& photo = rng.Pick(kSeedPhotos);
    record.SetPhoto(photo.bytes, static_cast<int>(photo.size));
  }
  if (rng.Percent(40)) record.AddToCategoris(rng.Pick(kGroups));
  if (rng.Percent(5)) record.AddToCategoris(rng.Pick(kGroups));
  if (rng.Percent(1)) record.AddToCategoris(kBlacklist);
  return record;
}

int CallType(SeedRandom& rng) {
  int roll = rng.Below(100);
  return roll < 35 ? 1 : roll < 70 ? 2 : roll < 90 ? 3 : roll < 96 ? 4 : 5;
}

}  // namespace

DemoStoreResult SeedDemoStore(long contacts, long calls, uint64_t seed) {
  DemoStoreResult result;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  if (!db || !settings) return result;
  result.available = true;
  SeedRandom rng(seed);
  std::vector<SeededContact> seeded;
  bool failed = false;
  {
    auto batch = std::make_unique<qzpam::StoreBatch>();
    auto nextBatch = [&] {
      failed = !batch->Commit() || failed;
      batch = std::make_unique<qzpam::StoreBatch>();
    };
    for (const wchar_t* group : kGroups)
      if (db->GetGroupID(group) == 0) db->AddGroup(group);
    for (long i = 0; i < contacts; ++i) {
      std::string mailName;
      CContactInfo record = MakeContact(rng, &mailName);
      if (db->AddContact(record) > 0)
        seeded.push_back({std::wstring(record.fileAs.view()), std::wstring(record.phoneNumbers[0].value.view())});
      else
        failed = true;
      if ((i + 1) % kBatchSize == 0) nextBatch();
    }
    settings->InsertSpeedDialItem(1, 0, L"语音信箱", L"12599");
    for (int entry = 2; entry <= 5 && entry - 2 < static_cast<int>(seeded.size()); ++entry)
      settings->InsertSpeedDialItem(entry, 0, seeded[static_cast<size_t>(entry - 2)].name.c_str(),
                                    seeded[static_cast<size_t>(entry - 2)].mobile.c_str());

    std::vector<std::wstring> strangers;
    for (long i = 0; i < 50 + calls / 20; ++i) strangers.push_back(rng.Percent(70) ? MobileNumber(rng) : LandlineNumber(rng));
    for (long i = 0; i < calls; ++i) {
      int time = kCallsEnd - kYear + static_cast<int>(static_cast<int64_t>(kYear) * i / (calls ? calls : 1)) +
                 rng.Below(3600);
      std::wstring number;
      int roll = rng.Below(100);
      if (roll < 70 && !seeded.empty())
        number = seeded[static_cast<size_t>(rng.Below(static_cast<int>(seeded.size())))].mobile;
      else if (roll < 95)
        number = strangers[static_cast<size_t>(rng.Below(static_cast<int>(strangers.size())))];
      int type = CallType(rng);
      int value = type <= 2 ? (rng.Percent(10) ? 0 : 5 + rng.Below(1800)) : 1 + rng.Below(8);
      if (db->InsertCall(number.c_str(), time, value, type))
        ++result.calls;
      else
        failed = true;
      if ((i + 1) % kBatchSize == 0) nextBatch();
    }
    failed = !batch->Commit() || failed;
  }
  result.contacts = seeded.size();
  result.complete = !failed;
  return result;
}

bool IsStoreEmpty() {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  int id = 0, type = 0, time = 0, value = 0;
  wchar_t letter = 0;
  qzu::string name, detail, number;
  if (db->GetContactslist(id, name, detail, type, letter, true)) return false;
  return !db->GetCallHistory(1, number, time, value, type, name, id, true);
}

}  // namespace vorna::device
