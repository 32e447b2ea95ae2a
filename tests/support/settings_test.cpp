#include "support/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "common/temp_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AppDirScope;
using testing::slurp;
using testing::TempDir;
using testing::write_bytes;

class SettingsFile : public ::testing::Test {
 protected:
  [[nodiscard]] fs::path file() const { return dir_.path() / "ravelin.ini"; }
  TIniGT ini() const { return TIniGT(file()); }
  void put(std::string_view bytes) const { write_bytes(file(), bytes); }
  [[nodiscard]] std::string bytes() const { return slurp(file()); }

 private:
  TempDir dir_;
};

TEST_F(SettingsFile, SectionsAndKeysMatchWithoutRegardToCaseAndTheFirstOneCounts) {
  put("top=1\r\n"
      "[LOCATE]\r\n"
      "  Top  =  42  \r\n"
      "TOP=43\r\n"
      "[locate]\r\n"
      "left=7\r\n");
  EXPECT_EQ(ini().ReadInteger("locate", "top", 10), 42);
  EXPECT_EQ(ini().ReadString("Locate", "TOP", "x"), "42");
  // Only the first section of a name is read, as the platform does.
  EXPECT_EQ(ini().ReadInteger("locate", "left", 10), 10);
  // A key before any section belongs to none.
  EXPECT_EQ(ini().ReadInteger("", "top", 5), 5);
}

TEST_F(SettingsFile, EnclosingQuotesAndCornerBracketsAreCleanedOnce) {
  put(
      sj("[MailSet]\r\n"
         "dq=\"  two spaces  \"\r\n"
         "sq='single'\r\n"
         "corner=｢  inside  ｣\r\n"
         "emptydq=\"\"\r\n"
         "emptycorner=｢｣\r\n"
         "doubled=\"\"x\"\"\r\n"
         "unmatched=\"abc'\r\n"
         "lone=\"\r\n"
         "open=｢abc\r\n"
         "inner=a\"b\"c\r\n"));
  const TIniGT s = ini();
  EXPECT_EQ(s.ReadString("MailSet", "dq", "d"), "  two spaces  ");
  EXPECT_EQ(s.ReadString("MailSet", "sq", "d"), "single");
  EXPECT_EQ(s.ReadString("MailSet", "corner", "d"), "  inside  ");
  EXPECT_EQ(s.ReadString("MailSet", "emptydq", "d"), "");
  EXPECT_EQ(s.ReadString("MailSet", "emptycorner", "d"), "");
  EXPECT_EQ(s.ReadString("MailSet", "doubled", "d"), "x");
  EXPECT_EQ(s.ReadString("MailSet", "unmatched", "d"), "\"abc'");
  EXPECT_EQ(s.ReadString("MailSet", "lone", "d"), "\"");
  EXPECT_EQ(s.ReadString("MailSet", "open", "d"), sj("｢abc"));
  EXPECT_EQ(s.ReadString("MailSet", "inner", "d"), "a\"b\"c");
}

TEST_F(SettingsFile, CornerBracketsAreSingleShiftJisBytesAndATrailByteIsNotOne) {
  ASSERT_EQ(sj("｢｣"), "\xA2\xA3");
  // ぅ is 0x82 0xA3: a value that opens with ｢ and ends in that trail byte keeps both.
  ASSERT_EQ(sj("ぅ"), "\x82\xA3");
  put(sj("[Dir]\r\nkaime=｢ぅ\r\nboth=｢ぅ｣\r\n"));
  EXPECT_EQ(ini().ReadString("Dir", "kaime", ""), sj("｢ぅ"));
  EXPECT_EQ(ini().ReadString("Dir", "both", ""), sj("ぅ"));
}

TEST_F(SettingsFile, AMissingKeyGivesTheDefaultWithItsSpacesWhateverItHolds) {
  put("[Kaime]\r\nOption=2\r\n");
  const TIniGT s = ini();
  EXPECT_EQ(s.ReadString("Kaime", "missing", "  padded  "), "  padded  ");
  EXPECT_EQ(s.ReadString("Kaime", "missing", ""), "");
  EXPECT_EQ(s.ReadString("Kaime", "missing", "\"q\""), "\"q\"");
  EXPECT_EQ(s.ReadString("Kaime", "missing", sj("｢x｣")), sj("｢x｣"));
  EXPECT_EQ(s.ReadString("nosection", "Option", "0.0"), "0.0");
  EXPECT_EQ(TIniGT(file().parent_path() / "none.ini").ReadString("a", "b", " d "), " d ");
}

TEST_F(SettingsFile, IntegersAndBooleansReadAsThePlatformReadsThem) {
  put("[n]\r\n"
      "plain= 12 \r\nneg=-3\r\nplus=+4\r\nhex=$1F\r\nhex0x=0x1f\r\nquoted=\"7\"\r\n"
      "junk=abc\r\ntail=12abc\r\nempty=\r\nbig=99999999999\r\nlow=-2147483648\r\n"
      "allbits=$FFFFFFFF\r\nfloat=1.5\r\n"
      "[b]\r\none=1\r\nzero=0\r\ntwo=2\r\nminus=-1\r\nword=true\r\n");
  const TIniGT s = ini();
  EXPECT_EQ(s.ReadInteger("n", "plain", 0), 12);
  EXPECT_EQ(s.ReadInteger("n", "neg", 0), -3);
  EXPECT_EQ(s.ReadInteger("n", "plus", 0), 4);
  EXPECT_EQ(s.ReadInteger("n", "hex", 0), 31);
  EXPECT_EQ(s.ReadInteger("n", "hex0x", 0), 31);
  EXPECT_EQ(s.ReadInteger("n", "quoted", 0), 7);
  EXPECT_EQ(s.ReadInteger("n", "low", 0), -2147483648);
  EXPECT_EQ(s.ReadInteger("n", "allbits", 0), -1);
  for (const char* junk : {"junk", "tail", "empty", "big", "float", "missing"}) {
    EXPECT_EQ(s.ReadInteger("n", junk, 900), 900) << junk;
  }
  EXPECT_TRUE(s.ReadBool("b", "one", false));
  EXPECT_FALSE(s.ReadBool("b", "zero", true));
  EXPECT_TRUE(s.ReadBool("b", "two", false));
  EXPECT_TRUE(s.ReadBool("b", "minus", false));
  EXPECT_FALSE(s.ReadBool("b", "word", false));
  EXPECT_TRUE(s.ReadBool("b", "word", true));
  EXPECT_TRUE(s.ReadBool("b", "missing", true));
}

TEST_F(SettingsFile, WritesChangeOnlyTheirOwnLine) {
  const std::string before =
      sj("; 設定ファイル\r\n"
         "\r\n"
         "[locate]\r\n"
         "Top = 1\r\n"
         "unknown=keep me\r\n"
         "top=duplicate\r\n"
         "\r\n"
         "[Other]\n"
         "x=\"quoted\"\n");
  put(before);
  TIniGT s = ini();
  s.WriteInteger("LOCATE", "top", 250);
  std::string expected = before;
  expected.replace(expected.find("Top = 1"), 7, "Top=250");
  EXPECT_EQ(bytes(), expected);

  // A new key goes after the last line of its section, before the blank line.
  s.WriteBool("locate", "width", true);
  expected.insert(expected.find("\r\n\r\n[Other]") + 2, "width=1\r\n");
  EXPECT_EQ(bytes(), expected);

  // A new section goes at the end.
  s.WriteString("MailSet", "SMTP", sj("  メール  "));
  expected += sj("[MailSet]\r\nSMTP=  メール  \r\n");
  EXPECT_EQ(bytes(), expected);
  EXPECT_EQ(s.ReadString("mailset", "smtp", ""), sj("メール"));
  EXPECT_EQ(s.ReadInteger("locate", "top", 0), 250);
  EXPECT_TRUE(s.ReadBool("locate", "width", false));
}

TEST_F(SettingsFile, WritesCreateTheFileAndFinishAnUnterminatedLastLine) {
  TIniGT s = ini();
  s.WriteInteger("locate", "left", 10);
  EXPECT_EQ(bytes(), "[locate]\r\nleft=10\r\n");

  put("[a]\r\nk=1");
  s.WriteString("a", "n", "2");
  EXPECT_EQ(bytes(), "[a]\r\nk=1\r\nn=2\r\n");
  put("[a]\r\nk=1");
  s.WriteString("b", "n", "2");
  EXPECT_EQ(bytes(), "[a]\r\nk=1\r\n[b]\r\nn=2\r\n");
  // Nothing but the file itself is left in the folder (the write goes through a rename).
  EXPECT_EQ(std::distance(fs::directory_iterator(file().parent_path()), fs::directory_iterator()),
            1);
}

TEST_F(SettingsFile, ALineBreakInAValueCannotAddKeysOrSections) {
  TIniGT s = ini();
  s.WriteString("MailSet", "Pass", "secret\r\n[locate]\r\ntop=999");
  EXPECT_EQ(s.ReadInteger("locate", "top", 10), 10);
  EXPECT_EQ(s.ReadString("MailSet", "Pass", ""), "secret  [locate]  top=999");
}

// Files a person or a crash could leave behind: every read gives its default and a write
// keeps every byte that was there.
TEST_F(SettingsFile, GarbageFilesReadDefaultsAndLoseNothingOnWrite) {
  std::string binary(4096, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7 + 3);
  const std::string long_line(1 << 20, 'x');
  const std::vector<std::pair<const char*, std::string>> garbage = {
      {"no sections", "top=5\r\nleft=6\r\n"},
      {"junk lines", "this is not a setting\r\n[locate\r\n]top=5[\r\n=5\r\n"},
      {"invalid Shift-JIS", "[\x81]\r\n\x81\x81top=\xFF\xFE\r\n[locate]\x82\r\ntop\x81=5\r\n"},
      {"very long lines", "[" + long_line + "]\r\n" + long_line + "=1\r\ntop" + long_line},
      {"binary", binary},
      {"CR only", "junk\rmore junk\r"},
  };
  for (const auto& [what, content] : garbage) {
    SCOPED_TRACE(what);
    put(content);
    TIniGT s = ini();
    EXPECT_EQ(s.ReadInteger("locate", "top", 10), 10);
    EXPECT_EQ(s.ReadString("locate", "left", "L"), "L");
    EXPECT_FALSE(s.ReadBool("datalist", "close", false));
    s.WriteInteger("locate", "top", 77);
    const std::string after = bytes();
    ASSERT_GE(after.size(), content.size());
    EXPECT_EQ(after.substr(0, content.size()), content);
    EXPECT_EQ(s.ReadInteger("locate", "top", 10), 77);
    EXPECT_EQ(s.ReadString("locate", "left", "L"), "L");
  }
}

TEST_F(SettingsFile, AFileThatCannotBeReadGivesDefaultsAndIsNeverOverwritten) {
  fs::create_directories(file());  // a folder where the file should be
  TIniGT s = ini();
  EXPECT_EQ(s.ReadInteger("locate", "top", 10), 10);
  EXPECT_THROW(s.WriteInteger("locate", "top", 1), FileError);
  EXPECT_TRUE(fs::is_directory(file()));
}

TEST(SettingsFileName, TheSharedFileIsRavelinIniInAppDir) {
  AppDirScope app;
  write_bytes(app.path() / "RAVELIN.INI", "[locate]\r\ntop=3\r\n");
  const TIniGT s;
  EXPECT_EQ(s.file(), app.path() / "RAVELIN.INI");
  EXPECT_EQ(s.ReadInteger("locate", "top", 10), 3);
}

}  // namespace
}  // namespace rv
