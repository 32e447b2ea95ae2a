#include "mail/jis.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

#include "support/text.h"

namespace rv {
namespace {

// Whole-text conversion through iconv; nullopt when any byte does not convert.
std::optional<std::string> iconv_text(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  std::string out(in.size() * 4 + 16, '\0');
  auto* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  char* dst = out.data();
  std::size_t room = out.size();
  const bool ok = iconv(cd, &src, &left, &dst, &room) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &dst, &room) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - room);
  return out;
}

struct Case {
  std::string in;
  std::string out;
};

TEST(SjisToJis, ConvertsEachKindOfByte) {
  const std::vector<Case> cases = {
      {"", ""},
      {"ABC 1", "ABC 1"},
      {sj("1R出馬表"), "1R\x1b$B=PGOI=\x1b(J"},
      {sj("馬A"), "\x1b$BGO\x1b(JA"},
      {"\xb6\xde", "\x1b$B%+!+\x1b(J"},         // ｶﾞ: カ and ゛, one run
      {"\xa1\xdf", "\x1b$B!#!,\x1b(J"},         // ｡ and ﾟ, the ends of the table
      {sj("カ") + "\xb6", "\x1b$B%+%+\x1b(J"},  // full and half width share a run
      {"A\x82", "A?"},                          // a lone lead byte at the end
      {"\x82 A", "? A"},                        // a lead byte before no trail byte
      {"\x80\xa0\xfd", "???"},
      {sj("馬") + "\xfd" + sj("馬"), "\x1b$BGO\x1b(J?\x1b$BGO\x1b(J"},
      {"\xea\xa4", "\x1b$Bt&\x1b(J"},  // the last JIS X 0208 code
  };
  for (const Case& c : cases) EXPECT_EQ(SjisToJis(c.in), c.out) << to_utf8(c.in);
}

TEST(JisToMimeHeader, EncodesEachRunAndCopiesTheRest) {
  const std::string run = "\x1b$BGO\x1b(J";
  const std::string word = "=?ISO-2022-JP?B?" + MimeBEncode(run) + "?=";
  const std::vector<Case> cases = {
      {"plain text", "plain text"},
      {"A" + run + "B", "A" + word + "B"},
      {run + " " + run, word + " " + word},
      {"A\x1b$@GO\x1b(B", "A=?ISO-2022-JP?B?" + MimeBEncode("\x1b$@GO\x1b(B") + "?="},
      {"A\x1b$BGO", "A=?ISO-2022-JP?B?" + MimeBEncode("\x1b$BGO") + "?="},  // open to the end
      {"A\x1b$BG", "A\x1b$BG"},             // too short to start a run
      {"A\x1b(J" + run, "A\x1b(J" + word},  // an ESC that starts nothing is copied
  };
  for (const Case& c : cases) EXPECT_EQ(JisToMimeHeader(c.in), c.out) << c.in;
}

TEST(MimeBEncode, FillsTheLastGroup) {
  const std::vector<Case> cases = {{"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
                                   {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"\xff\xfe", "//4="}};
  for (const Case& c : cases) EXPECT_EQ(MimeBEncode(c.in), c.out);
}

// Every character of every JIS X 0208 row, taken to Shift-JIS by iconv, comes back from
// SjisToJis as its JIS code, which iconv's ISO-2022-JP decoder reads as the same character.
TEST(SjisToJis, EveryJisX0208RowRoundTripsThroughIso2022Jp) {
  for (int row = 1; row <= 94; ++row) {
    std::string jis;
    std::string utf8;
    for (int cell = 1; cell <= 94; ++cell) {
      const std::string code{static_cast<char>(0x20 + row), static_cast<char>(0x20 + cell)};
      const auto ch = iconv_text("UTF-8", "ISO-2022-JP", "\x1b$B" + code + "\x1b(B");
      if (!ch) continue;
      jis += code;
      utf8 += *ch;
    }
    if (jis.empty()) continue;
    SCOPED_TRACE(row);
    const auto sjis = iconv_text("SHIFT_JIS", "UTF-8", utf8);
    ASSERT_TRUE(sjis);
    const std::string out = SjisToJis(*sjis);
    EXPECT_EQ(out, "\x1b$B" + jis + "\x1b(J");
    EXPECT_EQ(iconv_text("UTF-8", "ISO-2022-JP", out), utf8);
  }
}

}  // namespace
}  // namespace rv
