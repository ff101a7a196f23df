// Cards written by other phones and mail programs (tests/pim/data/vcards):
// what each one gives, field by field.
#include <gtest/gtest.h>

#include <string_view>

#include "contact_summary.h"
#include "file_bytes.h"
#include "vcard_cards.h"

namespace {

using pimtest::Card;
using pimtest::Decoded;
using vorna::test::ReadFileBytes;
using pimtest::Summary;

const std::filesystem::path kSamples = VORNA_VCARD_SAMPLES;

struct Sample {
  const char* file;
  const char* stored;
};

const Sample kSamplesTable[] = {
    {"android_21_utf8_qp.vcf",
     "name: 张|伟\nshown: 张伟\ncompany: 华为技术有限公司\n"
     "tel: 138 0013 8000 (mobile) primary\ntel: 0755-8888 6666 (home)\ntel: 010-6552 9988 (fax)\n"
     "email: zhangwei@example.cn (personal)\nadr: (home) 深南大道100号 / 深圳 / 广东 / 518000 / 中国\n"
     "birthday: 19880315\nnote: 小学同学\\n爱打球\nphoto: known\n"},
    {"android_30.vcf",
     "name: Lee|Anna Marie\nshown: Anna Marie Lee\ncompany: Example Corp.\n"
     "tel: +1 650-555-0123 (mobile) primary\ntel: +1 650-555-0100 (work)\ntel: +1 650-555-0177 (home)\n"
     "email: anna.lee@example.com (work)\nurl: https://anna.example.com (other)\n"
     "note: Hiking group, Saturdays\\nBring water\n"},
    {"iphone_30.vcf",
     "name: Appleseed|Johnny\nshown: Johnny Appleseed\ncompany: Apple Inc.\n"
     "tel: +1 (408) 555-0199 (mobile) primary\ntel: (408) 555-0111 (mobile)\n"
     "email: johnny@example.com (other)\nurl: http://www.example.com/johnny (other)\n"
     "adr: (home) 1 Infinite Loop / Cupertino / CA / 95014 / United States\nbirthday: 19760401\nphoto: known\n"},
    {"macos_contacts_30.vcf",
     "name: |Blue Harbor Café\nshown: Blue Harbor Café\ncompany: Blue Harbor Café Catering, Events\n"
     "tel: +44 20 7946 0958 (work) primary\nemail: events@blueharbor.example (other)\n"
     "note: Ask for Sam; closed Mondays.\\nParking behind the building.\n"},
    {"outlook_21.vcf",
     "name: Smith|John Quincy\nshown: John Quincy Smith\ncompany: Contoso Ltd Accounting\n"
     "tel: (425) 555-0101 (work) primary\ntel: (425) 555-0102 (home)\ntel: (425) 555-0103 (mobile)\n"
     "tel: (425) 555-0104 (fax)\nemail: john.smith@contoso.example (other)\nurl: http://www.contoso.example/ (work)\n"
     "adr: (work) One Contoso Way / Redmond / WA / 98052 / United States of America\n"
     "note: Quarterly review\\r\\nBring the C:\\reports folder\n"},
    {"outlook_zh_gb2312.vcf",
     "name: 王|小明\nshown: 王小明\ncompany: 中国银行 信息科技部\n"
     "tel: 010-6659 6688 (work) primary\ntel: 139 1000 2000 (mobile)\nemail: wangxm@example.com.cn (other)\n"
     "adr: (work) 复兴门内大街1号 / 北京 / 北京 / 100818 / 中国\n"},
    {"google_contacts_30.vcf",
     "name: García|María\nshown: María García\ntel: +34 612 34 56 78 (mobile) primary\n"
     "email: maria.garcia@example.com (personal)\nemail: mgarcia@example.org (work)\nurl: http://maria.example.com (other)\n"
     "adr: (home) Calle Mayor 1 / Madrid /  / 28013 / España\n"
     "note: Met at the conference in Lisbon, 2019.\\nLikes tea.\ngroup: myContacts\ngroup: Friends\n"},
    {"thunderbird_40.vcf",
     "name: Müller|Hans\nshown: Hans Müller\ncompany: Beispiel GmbH Vertrieb\n"
     "tel: +49 30 1234567 (work) primary\ntel: +49 171 1234567 (mobile)\nemail: hans.mueller@example.de (other)\n"
     "url: https://www.example.de (other)\nbirthday: 19750910\nnote: Termin am Montag\\nRaum 3\n"},
    {"netscape_21.vcf",
     "name: Novak|Peter\nshown: Peter Novak\ncompany: Acme s.r.o. Sales\n"
     "tel: +420 222 123 456 (work) primary\ntel: +420 602 123 456 (mobile)\nemail: peter.novak@example.cz (other)\n"
     "url: http://www.example.cz (other)\nadr: (other) Hlavni 12 / Praha /  / 11000 / Czech Republic\n"
     "note: Prefers e-mail; answers in the evening\n"},
    {"evolution_30.vcf",
     "name: Doe|Jane\nshown: Jane Doe\ntel: +44 7700 900123 (mobile) primary\ntel: +44 20 7946 0321 (home)\n"
     "email: jane.doe@example.net (work)\nadr: (work) 221B Baker Street / London /  / NW1 6XE / United Kingdom\n"
     "note: A long note that the address book folds at seventy-five characters so that it goes on here.\n"
     "group: Business\n"},
    {"kaddressbook_30.vcf",
     "name: Schmidt|Lena\nshown: Lena Schmidt\ntel: +49 160 5551234 (mobile) primary\ntel: +49 89 5551235 (fax)\n"
     "email: lena@example.org (other)\nmsn: lena.schmidt@hotmail.example (other)\nphoto: known\n"},
    {"nokia_s60_21.vcf",
     "name: 陈|大文\nshown: 陈大文\ntel: +86 139 2222 3333 (mobile)\ntel: 020-3888 1234 (work)\n"
     "tel: +86 136 4444 5555 (mobile) primary\nemail: chendw@example.com.cn (work)\n"},
    {"feature_phone_gbk_qp.vcf",
     "name: 刘|德华\nshown: 刘德华\ntel: 13912345678 (mobile) primary\ntel: 025-8888 6666 (home)\nnote: 南京的老朋友\n"},
    {"samsung_21_custom_label.vcf",
     "name: 周|杰\nshown: 周杰\ntel: +86 186 0000 1111 (mobile) primary\ntel: 0512-6666 8888 (other)\n"
     "email: zhoujie@example.cn (personal)\n"},
    {"qq_mail_30.vcf",
     "name: 司马|相如\nshown: 司马相如\ncompany: 成都文学社 编辑部\ntel: +86 135 0000 2222 (mobile) primary\n"
     "email: simaxr@qq.example (other)\nqq: 88886666 (other)\nadr: (home) 锦里路8号 / 成都 / 四川 / 610000 / 中国\n"
     "birthday: 19901225\n"},
    {"mail_gateway_cr_cr_lf.vcf",
     "name: 欧阳|娜娜\nshown: 欧阳娜娜\ntel: +86 186 1234 5678 (mobile) primary\nemail: nana@example.cn (other)\n"
     "note: line one\\r\\nline two\n"},
    {"organizer_cr.vcf",
     "name: Tanaka|Yuki\nshown: Yuki Tanaka\ntel: +81 3 1234 5678 (work) primary\ntel: +81 90 1234 5678 (mobile)\n"
     "email: yuki@example.jp (other)\nadr: (work) 1-2-3 Marunouchi / Chiyoda-ku / Tokyo / 100-0005 / Japan\n"},
    {"standard_40.vcf",
     "name: Perreault|Simon Philip Paul\nshown: Simon Philip Paul Perreault\ncompany: Viagenie Research\n"
     "tel: +1-418-656-9254 (work) primary\ntel: +1-418-262-6501 (mobile)\n"
     "email: simon.perreault@viagenie.example (work)\nurl: http://nomis80.example (personal)\n"
     "adr: (work) Suite D2-630 2875 Laurier / Québec / QC / G1V 2M2 / Canada\n"},
    {"standard_30.vcf",
     "name: Public|John Quinlan Paul\nshown: John Quinlan Paul Public\n"
     "company: ABC, Inc. North American Division Marketing\ntel: +1-213-555-1234 (work) primary\n"
     "tel: +1-213-555-1235 (fax)\nemail: jqpublic@xyz.example.com (other)\n"
     "note: This fax number is operational 0800 to 1715\\n EST, Mon-Fri.\n"
     "group: INTERNET\ngroup: IETF\ngroup: INDUSTRY\n"},
    {"data_uri_photo_40.vcf",
     "name: Kowalska|Anna\nshown: Anna Kowalska\ntel: +48 22 555 01 23 (home)\ntel: +48 601 555 012 (mobile) primary\n"
     "email: anna.kowalska@example.pl (work)\nphoto: known\n"},
    {"windows_contacts_utf16.vcf",
     "name: Brown|Lisa\nshown: Lisa Brown\ntel: +1 206 555 0142 (home) primary\ntel: +1 206 555 0143 (mobile)\n"
     "email: lisa.brown@example.com (other)\n"},
    {"sony_ericsson_21.vcf",
     "name: Larsson|Erik\nshown: Erik Larsson\ntel: +46 70 123 45 67 (mobile) primary\n"
     "tel: +46 8 123 456 78 (work)\ntel: +46 8 123 456 79 (fax)\n"},
    {"blackberry_30.vcf",
     "name: Okafor|Chidi\nshown: Chidi Okafor\ntel: +234 803 555 0101 (mobile) primary\ntel: +234 1 555 0102 (work)\n"
     "email: chidi@example.ng (work)\nurl: http://www.example.ng (work)\nmsn: chidi@live.example (other)\n"},
};

TEST(VcardSamples, EachCardFromAnotherSystemStoresEveryField) {
  const std::string photo = ReadFileBytes(kSamples / "small.jpg.bin");
  ASSERT_FALSE(photo.empty());
  std::size_t cards = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSamples)) cards += entry.path().extension() == ".vcf";
  EXPECT_EQ(cards, std::size(kSamplesTable)) << "every sample card has its row";
  for (const Sample& sample : kSamplesTable) {
    EXPECT_EQ(Summary(Decoded(ReadFileBytes(kSamples / sample.file)), photo), sample.stored) << sample.file;
  }
}

TEST(VcardSamples, EveryCommonLineEndReadsTheSameCard) {
  const std::vector<std::string> lines = {"BEGIN:VCARD", "VERSION:2.1", "N:Lee;Anna", "TEL;CELL:13800138000",
                                          "NOTE;ENCODING=QUOTED-PRINTABLE:one=0Atwo=", "three", "END:VCARD"};
  const std::string expected = "name: Lee|Anna\nshown: Anna Lee\ntel: 13800138000 (mobile) primary\nnote: one\\ntwothree\n";
  const std::vector<std::vector<std::string>> endings = {
      {"\r\n"}, {"\n"}, {"\r"}, {"\r\r\n"}, {"\r\n", "\n", "\r", "\r\r\n"}, {"\r", "\r", "\n"},
  };
  for (const auto& ends : endings) {
    std::string card = Card(lines, ends);
    EXPECT_EQ(Summary(Decoded(card)), expected) << card;
    // The last line may have no end at all.
    while (card.back() == '\r' || card.back() == '\n') card.pop_back();
    EXPECT_EQ(Summary(Decoded(card)), expected) << card;
  }
  // A blank line between CR line ends still ends a 2.1 base64 value.
  const CContactInfo photo = Decoded("BEGIN:VCARD\rVERSION:2.1\rPHOTO;ENCODING=BASE64:QUJD\r REVG\r\rNOTE:n\rEND:VCARD\r");
  EXPECT_EQ(photo.photoLength, 6);
  EXPECT_EQ(photo.note, L"n");
}

TEST(VcardSamples, EscapesAreUndoneIn30And40AndBackslashesAreTextIn21) {
  struct Case {
    const char* version;
    const char* value;
    const wchar_t* note;
  };
  const Case cases[] = {
      {"3.0", "http\\://example.com", L"http://example.com"},
      {"4.0", "a\\,b\\;c\\\\d", L"a,b;c\\d"},
      {"3.0", "one\\ntwo\\Nthree", L"one\ntwo\nthree"},
      {"4.0", "\\q\\:\\\"", L"q:\""},
      {"3.0", "ends in \\", L"ends in \\"},
      {"2.1", "C:\\temp\\new", L"C:\\temp\\new"},
      {"2.1", "http\\://example.com\\,", L"http\\://example.com\\,"},
  };
  for (const Case& c : cases) {
    const std::string card = std::string("BEGIN:VCARD\nVERSION:") + c.version + "\nNOTE:" + c.value +
                             "\nURL:" + c.value + "\nEND:VCARD\n";
    const CContactInfo contact = Decoded(card);
    EXPECT_EQ(contact.note, c.note) << card;
    ASSERT_EQ(contact.webPages.size(), 1) << card;
    EXPECT_EQ(contact.webPages[0].value, c.note) << card;
  }
}

TEST(VcardSamples, TypeParametersInAnyCaseAndFormGiveTheSameCodes) {
  struct Case {
    const char* line;
    int type;
  };
  const Case cases[] = {
      {"TEL;TYPE=CELL,VOICE:1", 0},      {"TEL;type=CELL;type=VOICE:1", 0}, {"TEL;CELL;VOICE:1", 0},
      {"TEL;TYPE=\"cell,voice\":1", 0},  {"TEL;TYPE=VOICE, CELL:1", 0},     {"TEL;Type=Voice;Type=Cell:1", 0},
      {"TEL;VOICE;CELL:1", 0},           {"item2.TEL;type=cell:1", 0},      {"TEL;TYPE=work,FAX:1", 3},
      {"TEL;TYPE=FAX;TYPE=HOME:1", 3},   {"TEL;type=HOME:1", 1},            {"TEL;HOME;VOICE:1", 1},
      {"TEL;TYPE=WORK,VOICE:1", 2},      {"TEL;TYPE=VOICE:1", 4},           {"TEL:1", 4},
      {"EMAIL;TYPE=INTERNET,HOME:1", 0}, {"EMAIL;type=INTERNET;type=WORK:1", 1}, {"EMAIL;INTERNET;WORK:1", 1},
      {"item1.EMAIL;type=INTERNET;type=HOME:1", 0}, {"EMAIL;TYPE=\"home\":1", 0}, {"EMAIL;TYPE=INTERNET:1", 2},
  };
  for (const char* version : {"2.1", "3.0", "4.0"}) {
    for (const Case& c : cases) {
      const std::string card = std::string("BEGIN:VCARD\r\nVERSION:") + version + "\r\n" + c.line + "\r\nEND:VCARD\r\n";
      const CContactInfo contact = Decoded(card);
      const auto& entries = std::string_view(c.line).find("TEL") != std::string_view::npos ? contact.phoneNumbers
                                                                                          : contact.emails;
      ASSERT_EQ(entries.size(), 1) << card;
      EXPECT_EQ(entries[0].value, L"1") << card;
      EXPECT_EQ(entries[0].type, c.type) << card;
    }
  }
}

TEST(VcardSamples, StructuredNamesAndCompaniesReadNaturally) {
  struct Case {
    const char* version;
    const char* line;
    const char* stored;
  };
  const Case cases[] = {
      {"3.0", "N:Doe;John;Paul,Peter;Dr.;Jr.", "name: Doe|John Paul Peter\nshown: John Paul Peter Doe\n"},
      {"4.0", "N:Doe;John,Jack;Paul\\,Jr", "name: Doe|John Jack Paul,Jr\nshown: John Jack Paul,Jr Doe\n"},
      {"3.0", "N:;;Paul", "name: |Paul\nshown: Paul\n"},
      {"2.1", "N:Doe;John;Paul", "name: Doe|John Paul\nshown: John Paul Doe\n"},
      {"3.0", "ORG:IBM;Accounting", "shown: IBM Accounting\ncompany: IBM Accounting\n"},
      {"3.0", "ORG:IBM;;Accounting;", "shown: IBM Accounting\ncompany: IBM Accounting\n"},
      {"4.0", "ORG:;Accounting", "shown: Accounting\ncompany: Accounting\n"},
      {"3.0", "ORG:Acme\\; Sons\\, Ltd", "shown: Acme; Sons, Ltd\ncompany: Acme; Sons, Ltd\n"},
      {"2.1", "ORG:Acme\\;Sons;Sales", "shown: Acme;Sons Sales\ncompany: Acme;Sons Sales\n"},
  };
  for (const Case& c : cases) {
    const std::string card = std::string("BEGIN:VCARD\nVERSION:") + c.version + "\n" + c.line + "\nEND:VCARD\n";
    EXPECT_EQ(Summary(Decoded(card)), c.stored) << card;
  }
}

}  // namespace
