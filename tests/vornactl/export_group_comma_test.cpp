// Group names with the characters that separate groups on a card (a comma,
// a semicolon, a trailing backslash) survive `vornactl export` and `import`
// in either vCard version, and a 2.1 card written before commas were escaped
// still reads as it did.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "temp_root.h"
#include "vornactl_runner.h"

namespace {

using vorna::test::RunVornactl;

class VornactlExportGroupNames : public ::testing::Test {
 protected:
  // Imports the card into a fresh root named `name`; the root's path.
  std::string ImportInto(const std::string& name, const std::string& card) {
    const std::string file = (root_.path() / (name + ".vcf")).string();
    std::ofstream(file, std::ios::binary) << card;
    const std::string root = (root_.path() / name).string();
    EXPECT_EQ(RunVornactl({"--root", root, "import", file}).status, 0) << name;
    return root;
  }
  // The root's only card in this version.
  static std::string Export(const std::string& root, const std::string& version) {
    const auto exported = RunVornactl({"--root", root, "export", "--version", version});
    EXPECT_EQ(exported.status, 0) << exported.err;
    return exported.out;
  }

  vorna::test::TempDeviceRoot root_;
};

TEST_F(VornactlExportGroupNames, SeparatorsInGroupNamesSurviveEitherVersion) {
  const std::string line30 = "CATEGORIES:Golf\\, Tennis,a\\;b,ends\\\\\r\n";
  const std::string source =
      ImportInto("source", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann\r\nFN:Ann Lee\r\n" + line30 + "END:VCARD\r\n");
  EXPECT_NE(Export(source, "3.0").find(line30), std::string::npos) << "three groups, each escaped";

  const std::string card21 = Export(source, "2.1");
  EXPECT_NE(card21.find("\nCATEGORIES:Golf\\, Tennis;a\\;b;ends\\\\\n"), std::string::npos) << card21;
  const std::string copy = ImportInto("copy", card21);
  EXPECT_NE(Export(copy, "3.0").find(line30), std::string::npos) << "the same three groups back";

  // Written before: no comma escaped, a semicolon escaped, a lone backslash
  // kept as it is.
  const std::string old = ImportInto("old", "BEGIN:VCARD\nVERSION:2.1\nN:Old;Card\nCATEGORIES:x\\;y;C:\\dir;A,B\nEND:VCARD");
  EXPECT_NE(Export(old, "3.0").find("CATEGORIES:x\\;y,C:\\\\dir,A,B\r\n"), std::string::npos);
}

}  // namespace
