#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "pim_test_print.h"
#include "qzpam/CVcardCodec.h"
#include "temp_root.h"

namespace {

// The handset's own cards are GBK bytes.
const std::string kZhang = "\xD5\xC5", kSan = "\xC8\xFD", kFamily = "\xBC\xD2\xC8\xCB",
                  kColleagues = "\xCD\xAC\xCA\xC2", kStreet = "\xC9\xEE\xC4\xCF\xB4\xF3\xB5\xC0" "1\xBA\xC5",
                  kShenzhen = "\xC9\xEE\xDB\xDA", kGuangdong = "\xB9\xE3\xB6\xAB", kChina = "\xD6\xD0\xB9\xFA";

std::string QpChunk(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const bool literal_space = c == ' ' && i + 1 < bytes.size();
    if ((c >= 33 && c <= 126 && c != '=') || literal_space) {
      out += static_cast<char>(c);
    } else {
      out += '=';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// The note line as the handset writes it: 24-byte chunks joined by soft breaks.
std::string NoteLine(const std::string& bytes) {
  std::string line = "NOTE;ENCODING=QUOTED-PRINTABLE:";
  for (std::size_t i = 0; i < bytes.size(); i += 24) {
    if (i > 0) line += "=\n";
    line += QpChunk(bytes.substr(i, 24));
  }
  return line;
}

std::string Base64(const std::string& bytes) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kAlphabet[v & 63] : '=';
  }
  return out;
}

std::string Photo(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + 0xD8) & 0xFF);
  return bytes;
}

bool Decode(const std::string& bytes, CContactInfo& contact) {
  return CVcardCodec().DecodeVcfBytes(bytes.data(), bytes.size(), contact);
}

std::string Join(const std::vector<std::string>& lines, const char* eol = "\n") {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? eol : "") + lines[i];
  return out;
}

std::vector<int> Types(const qzu::array<ContactValueEntry>& entries) {
  std::vector<int> types;
  for (const ContactValueEntry& entry : entries) types.push_back(entry.type);
  return types;
}

std::string PhotoOf(const CContactInfo& c) {
  return std::string(reinterpret_cast<const char*>(c.photoData.get()), static_cast<std::size_t>(c.photoLength));
}

// The address's type and texts, street to country.
void ExpectAddress(const ContactAddressEntry& a, int type, const wchar_t* street, const wchar_t* city,
                   const wchar_t* province, const wchar_t* postcode, const wchar_t* country) {
  EXPECT_EQ(a.type, type);
  EXPECT_EQ(a.street, street);
  EXPECT_EQ(a.city, city);
  EXPECT_EQ(a.province, province);
  EXPECT_EQ(a.postcode, postcode);
  EXPECT_EQ(a.country, country);
}

// The handset's own cards carry GBK text without a charset parameter. (The
// library's round-trip test reads back every field of the cards it writes.)
TEST(VcardCodec, ReadsTheHandsetsOwnGbkCard) {
  // The first 24-byte chunk ends inside a character; the third chunk starts
  // with a space.
  std::string note = "a";
  for (int i = 0; i < 12; ++i) note += kZhang;
  note += std::string(23, 'x') + " " + kSan + "\r\nend";
  const std::string card = Join({"BEGIN:VCARD", "VERSION:2.1", "N:" + kZhang + ";" + kSan, "ORG:Acme",
                                 "CATEGORIES:" + kFamily + ";" + kColleagues, "TEL;CELL:13800138000",
                                 "TEL;HOME:0755-1234567",
                                 "ADR;HOME:;;" + kStreet + ";" + kShenzhen + ";" + kGuangdong + ";518000;" + kChina,
                                 "ADR:;;;City;;;", NoteLine(note), "END:VCARD"});
  CContactInfo c;
  ASSERT_TRUE(Decode(card, c));
  EXPECT_EQ(c.lastName, L"张");
  EXPECT_EQ(c.firstName, L"三");
  EXPECT_EQ(c.fileAs, L"张三");
  EXPECT_EQ(c.company, L"Acme");
  ASSERT_EQ(c.categories.size(), 2);
  EXPECT_EQ(c.categories[0], L"家人");
  EXPECT_EQ(c.categories[1], L"同事");
  EXPECT_EQ(Types(c.phoneNumbers), (std::vector<int>{0, 1}));
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 0);
  ASSERT_EQ(c.addresses.size(), 2);
  ExpectAddress(c.addresses[0], 0, L"深南大道1号", L"深圳", L"广东", L"518000", L"中国");
  ExpectAddress(c.addresses[1], 2, L"", L"City", L"", L"", L"");
  EXPECT_EQ(c.note, L"a张张张张张张张张张张张张xxxxxxxxxxxxxxxxxxxxxxx 三\r\nend");
}

TEST(VcardCodec, SmallHandsetCards) {
  CContactInfo c;
  ASSERT_TRUE(Decode("BEGIN:VCARD\nVERSION:2.1\nTEL;CELL:13800138000\nEND:VCARD", c));
  ASSERT_EQ(c.phoneNumbers.size(), 1);
  EXPECT_EQ(c.phoneNumbers[0].value, L"13800138000");
  EXPECT_EQ(c.phoneNumbers[0].primary, 1);
  EXPECT_TRUE(c.fileAs.empty());

  ASSERT_TRUE(Decode("BEGIN:VCARD\nVERSION:2.1\nN:;Ann\nNOTE;ENCODING=QUOTED-PRINTABLE:\nEND:VCARD", c));
  EXPECT_TRUE(c.lastName.empty());
  EXPECT_EQ(c.firstName, L"Ann");
  EXPECT_EQ(c.fileAs, L"Ann");
  EXPECT_TRUE(c.note.empty());
  EXPECT_TRUE(c.phoneNumbers.empty());

  // Exactly 24 bytes: one chunk, no soft break.
  ASSERT_TRUE(Decode(Join({"BEGIN:VCARD", "VERSION:2.1", NoteLine(std::string(24, 'x')), "END:VCARD"}), c));
  EXPECT_EQ(c.note, qzu::string(std::wstring(24, L'x')));
}

TEST(VcardCodec, WideTextGivesTheSameContactAsTheFile) {
  // A card pasted as text: the characters are Unicode, the quoted-printable
  // note still carries GBK bytes.
  const std::string note_line = NoteLine(kZhang + kSan + "\n" + kFamily);  // ASCII
  const qzu::string text = L"BEGIN:VCARD\r\nVERSION:2.1\r\nN:张;三\r\nTEL;WORK:12345678\r\n" +
                           qzu::string(std::wstring(note_line.begin(), note_line.end()).c_str()) +
                           L"\r\nEND:VCARD\r\n";
  CContactInfo c;
  ASSERT_TRUE(CVcardCodec().DecodeVcfBuf(text, c));
  EXPECT_EQ(c.fileAs, L"张三");
  EXPECT_EQ(c.phoneNumbers[0].type, 2);
  EXPECT_EQ(c.note, L"张三\n家人");
}

TEST(VcardCodec, ForeignVersion30Card) {
  const std::string photo = Photo(300);
  const std::string b64 = Base64(photo);
  const std::string card = Join(
      {"BEGIN:VCARD", "VERSION:3.0", "FN:Anna Maria Smith", "N:Smith;Anna;Maria;Dr.;", "ORG:Acme\\, Inc.;Sales",
       "item1.TEL;TYPE=CELL,VOICE;TYPE=pref:+86 138 0013 8000", "TEL;TYPE=WORK,FAX:+1 555 0100",
       "TEL;TYPE=HOME:+1 555 0199", "EMAIL;TYPE=INTERNET,HOME:anna@example.com", "EMAIL;TYPE=INTERNET:x@example.com",
       "ADR;TYPE=WORK:PO 7;Suite 5;1 Main St;Springfield;IL;62701;USA", "BDAY:1985-07-14",
       "NOTE:line one\\nline two\\, with comma\\\\", "CATEGORIES:Friends,Work", "X-QQ:10001",
       "PHOTO;ENCODING=b;TYPE=JPEG:" + b64.substr(0, 70), " " + b64.substr(70, 200), " " + b64.substr(270),
       "END:VCARD"},
      "\r\n");
  CContactInfo c;
  ASSERT_TRUE(Decode(card, c));
  EXPECT_EQ(c.lastName, L"Smith");
  EXPECT_EQ(c.firstName, L"Anna Maria");
  EXPECT_EQ(c.fileAs, L"Anna Maria Smith");
  EXPECT_EQ(c.company, L"Acme, Inc. Sales");
  EXPECT_EQ(Types(c.phoneNumbers), (std::vector<int>{0, 3, 1}));
  EXPECT_EQ(c.phoneNumbers[0].value, L"+86 138 0013 8000");
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 0);
  EXPECT_EQ(Types(c.emails), (std::vector<int>{0, 2}));
  ASSERT_EQ(c.addresses.size(), 1);
  ExpectAddress(c.addresses[0], 1, L"PO 7 Suite 5 1 Main St", L"Springfield", L"IL", L"62701", L"USA");
  EXPECT_EQ(c.birthday, L"19850714");
  EXPECT_EQ(c.note, L"line one\nline two, with comma\\");
  ASSERT_EQ(c.categories.size(), 2);
  EXPECT_EQ(c.categories[1], L"Work");
  EXPECT_EQ(c.qqNumbers.size(), 1);
  EXPECT_EQ(PhotoOf(c), photo);
}

TEST(VcardCodec, ForeignVersion40Card) {
  const std::string photo = Photo(40);
  const std::string card = Join({"BEGIN:VCARD", "VERSION:4.0", "FN:李四", "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+86-10-1234",
                                 "TEL;VALUE=uri;TYPE=\"cell,voice\";PREF=1:tel:+86-138-0013-8000",
                                 "BDAY:19900309T101500Z", "PHOTO:data:image/jpeg;base64," + Base64(photo),
                                 "NOTE:folded lin", " e", "END:VCARD"},
                                "\r\n");
  CContactInfo c;
  ASSERT_TRUE(Decode(card, c));
  EXPECT_EQ(c.firstName, L"李四");  // no N: the formatted name stands in
  EXPECT_EQ(c.fileAs, L"李四");
  EXPECT_EQ(Types(c.phoneNumbers), (std::vector<int>{1, 0}));
  EXPECT_EQ(c.phoneNumbers[0].value, L"+86-10-1234");
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 1);
  EXPECT_EQ(c.birthday, L"19900309");
  EXPECT_EQ(c.note, L"folded line");
  EXPECT_EQ(PhotoOf(c), photo);
}

TEST(VcardCodec, ForeignVersion21CardWithCharsets) {
  const std::string photo = Photo(60);
  const std::string b64 = Base64(photo);
  const std::string card = Join(
      {"begin:vcard", "version:2.1",
       "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=8E=8B;=E4=BA=94", "ORG;CHARSET=GB2312:" + kShenzhen,
       "TEL;VOICE;CELL:139 0000 0000", "TEL;PREF;HOME:0755 8888 8888", "EMAIL;INTERNET:w@x.cn",
       "NOTE;CHARSET=UTF-8;QUOTED-PRINTABLE:=E5=A4=87=",  "=E6=B3=A8", "X-MSN;HOME:m@live.cn",
       "PHOTO;JPEG;BASE64:", "  " + b64.substr(0, 40), b64.substr(40), "", "end:vcard"},
      "\r\n");
  CContactInfo c;
  ASSERT_TRUE(Decode(card, c));
  EXPECT_EQ(c.lastName, L"王");
  EXPECT_EQ(c.firstName, L"五");
  EXPECT_EQ(c.company, L"深圳");
  EXPECT_EQ(Types(c.phoneNumbers), (std::vector<int>{0, 1}));
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 1);
  EXPECT_EQ(Types(c.emails), (std::vector<int>{2}));
  EXPECT_EQ(c.note, L"备注");
  EXPECT_EQ(Types(c.msnAccounts), (std::vector<int>{0}));
  EXPECT_EQ(PhotoOf(c), photo);
}

TEST(VcardCodec, Utf16FilesAndEscapedSeparators) {
  const std::u16string text = u"\uFEFFBEGIN:VCARD\r\nVERSION:3.0\r\nN:王;五\r\nCATEGORIES:A\\,B,C\r\nEND:VCARD";
  std::string le, be;
  for (const char16_t unit : text) {
    le += static_cast<char>(unit & 0xFF);
    le += static_cast<char>(unit >> 8);
    be += static_cast<char>(unit >> 8);
    be += static_cast<char>(unit & 0xFF);
  }
  for (const std::string& bytes : {le, be}) {
    CContactInfo c;
    ASSERT_TRUE(Decode(bytes, c));
    EXPECT_EQ(c.fileAs, L"王五");
    ASSERT_EQ(c.categories.size(), 2);
    EXPECT_EQ(c.categories[0], L"A,B");
    EXPECT_EQ(c.categories[1], L"C");
  }
}

TEST(VcardCodec, BirthdayForms) {
  const std::pair<const char*, const wchar_t*> cases[] = {
      {"19800102", L"19800102"}, {"1980-01-02", L"19800102"}, {"1980-01-02T08:00:00Z", L"19800102"},
      {"--0102", L""},           {"19801302", L""},           {"1980-1-2", L""},
      {"", L""},                 {"19810229", L""},           {"19800229", L"19800229"},
      {"20000229", L"20000229"}, {"19000229", L""},           {"19800431", L""},
  };
  for (const auto& [text, expected] : cases) {
    CContactInfo c;
    ASSERT_TRUE(Decode(std::string("BEGIN:VCARD\nVERSION:3.0\nBDAY:") + text + "\nEND:VCARD", c));
    EXPECT_EQ(c.birthday, expected) << text;
  }
}

TEST(VcardCodec, FirstOfSeveralCardsAndNestedCardsIgnored) {
  CContactInfo c;
  ASSERT_TRUE(Decode(Join({"junk before", "BEGIN:VCARD", "VERSION:2.1", "N:One;", "AGENT:BEGIN:VCARD",
                           "N:Agent;", "TEL:999", "END:VCARD", "TEL:111", "END:VCARD", "BEGIN:VCARD", "N:Two;",
                           "END:VCARD"}),
                     c));
  EXPECT_EQ(c.lastName, L"One");
  ASSERT_EQ(c.phoneNumbers.size(), 1);
  EXPECT_EQ(c.phoneNumbers[0].value, L"111");
}

TEST(VcardCodec, BadInputGivesFalseAndLeavesTheRecord) {
  CContactInfo c;
  c.UpdateNameInfo(L"Keep", L"Me", L"");
  const std::string bad[] = {
      "",
      "hello",
      "N:No;Begin\nEND:VCARD",
      "BEGIN:VCARD\nVERSION:2.1\nN:Missing;End",
      "BEGIN:VCARD\nBEGIN:VCARD\nEND:VCARD",
      std::string("BEGIN:VCARD\0\xFF\xFE", 15),
  };
  for (const std::string& input : bad) EXPECT_FALSE(Decode(input, c)) << input;
  EXPECT_FALSE(CVcardCodec().DecodeVcfBuf(qzu::string(), c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfBytes(nullptr, 10, c));
  EXPECT_EQ(c.fileAs, L"Me Keep");

  // Deep nesting costs a counter, not a stack.
  std::string nested;
  for (int i = 0; i < 200000; ++i) nested += "BEGIN:VCARD\n";
  EXPECT_FALSE(Decode(nested, c));

  // Damaged values lose themselves, not the card: a stray "=" at the end of
  // quoted-printable, a photo that is not base64.
  ASSERT_TRUE(Decode("BEGIN:VCARD\nN:A;B\nPHOTO;ENCODING=BASE64:@@@@\nEND:VCARD", c));
  EXPECT_EQ(c.fileAs, L"B A");
  EXPECT_EQ(c.photoLength, 0);
  ASSERT_TRUE(Decode("BEGIN:VCARD\nNOTE;QUOTED-PRINTABLE:abc=\nEND:VCARD", c));
  EXPECT_EQ(c.note, L"abc");

  // Endless entries and separators stop growing the record.
  std::string many = "BEGIN:VCARD\nN:" + std::string(100000, ';') + "\nCATEGORIES:";
  for (int i = 0; i < 1000; ++i) many += std::to_string(i) + ",";
  many += "\n";
  for (int i = 0; i < 1000; ++i) many += "TEL:" + std::to_string(i) + "\nEMAIL:e\n";
  ASSERT_TRUE(Decode(many + "END:VCARD", c));
  EXPECT_EQ(c.phoneNumbers.size(), 100);
  EXPECT_EQ(c.emails.size(), 100);
  EXPECT_EQ(c.categories.size(), 64);
  EXPECT_EQ(c.categories[63], L"63");

  const std::string huge(CVcardCodec::kMaxCardBytes + 1, 'A');
  EXPECT_FALSE(Decode("BEGIN:VCARD\nPHOTO;ENCODING=BASE64:" + huge + "\nEND:VCARD", c));
}

TEST(VcardCodec, DecodesFilesUnderTheDeviceRoot) {
  vorna::test::TempDeviceRoot root;
  std::filesystem::create_directories(root.path() / "tmpvcard");
  const std::string card = "\xEF\xBB\xBF" "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann\r\nEND:VCARD\r\n";
  std::ofstream(root.path() / "tmpvcard" / "Ann.vcf", std::ios::binary) << card;

  CContactInfo c;
  ASSERT_TRUE(CVcardCodec().DecodeVcfFile(L"\\TmpVcard\\ann.VCF", c));
  EXPECT_EQ(c.fileAs, L"Ann Smith");

  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"\\tmpvcard\\missing.vcf", c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"\\tmpvcard", c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"\\..\\..\\etc\\passwd", c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"", c));
  EXPECT_EQ(c.fileAs, L"Ann Smith");
}

}  // namespace
