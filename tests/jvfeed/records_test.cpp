#include "jvfeed/records.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv::jvfeed {
namespace {

const std::string kWideBlank = "\x81\x40";

TEST(RecordLayout, EveryKindHasItsLengthAndFieldsThatNeitherOverlapNorLeaveTheRecord) {
  const std::pair<Kind, std::size_t> lengths[] = {
      {Kind::RA, 1272}, {Kind::SE, 555},  {Kind::HR, 719},   {Kind::O1, 962},   {Kind::O2, 2042},
      {Kind::O3, 2654}, {Kind::O4, 4031}, {Kind::O5, 12293}, {Kind::O6, 83285}, {Kind::DM, 303},
      {Kind::TC, 45},   {Kind::WE, 42},   {Kind::UM, 1577}};
  for (const auto& [kind, len] : lengths) {
    SCOPED_TRACE(std::string(kind_id(kind)));
    EXPECT_EQ(record_length(kind), len);
    EXPECT_EQ(kind_of(kind_id(kind)), kind);
    std::vector<int> owner(len + 1, 0);
    for (const auto& f : fields(kind)) {
      for (int i = 0; i < f.count; ++i) {
        for (int b = 0; b < f.len; ++b) {
          const int at = f.pos + i * f.stride + b;
          ASSERT_LE(at, static_cast<int>(len) - 2) << f.name;
          EXPECT_EQ(owner[static_cast<std::size_t>(at)], 0) << f.name << " overlaps at " << at;
          owner[static_cast<std::size_t>(at)] = 1;
        }
      }
    }
    const Record r(kind, '7', "20261207");
    EXPECT_EQ(r.str().size(), len);
    EXPECT_EQ(r.str().substr(len - 2), "\r\n");
    EXPECT_EQ(fld(r, 1, 2), kind_id(kind));
    EXPECT_EQ(fld(r, 3, 9), "720261207");
    EXPECT_EQ(r.line().size(), len - 2);
  }
  EXPECT_FALSE(kind_of("XX").has_value());
}

TEST(RecordLayout, FieldsStartAsTheFormatSays) {
  const Record se(Kind::SE, '2', "20261204");
  EXPECT_EQ(fld(se, 29, 2), "00");  // numeric: zeros
  EXPECT_EQ(fld(se, 328, 1), " ");  // half-width text: spaces
  std::string name;
  for (int i = 0; i < 18; ++i) name += kWideBlank;
  EXPECT_EQ(fld(se, 41, 36), name);  // full-width text: full-width blanks
  const Record hr(Kind::HR, '2', "20261206");
  EXPECT_TRUE(is_blank(fld(hr, 103, 13)));  // payout entries start blank
  EXPECT_EQ(fld(hr, 32, 9), "000000000");
}

TEST(RaceRecords, AnRaceCardInOneLineCarriesItsFieldsWhereTheReadersLook) {
  const Record r = ra(key(20261206, 6, 11), {.runners = 16, .start = "1540"});
  EXPECT_EQ(fld(r, 12, 16), "2026120606050211");
  EXPECT_EQ(r.race_key(), key(20261206, 6, 11));
  EXPECT_EQ(fld(r, 3, 1), "2");
  EXPECT_EQ(fld(r, 28, 1), "2");  // a Sunday
  EXPECT_EQ(fld(r, 874, 4), "1540");
  EXPECT_EQ(fld(r, 882, 2), "16");
  EXPECT_EQ(fld(r, 884, 2), "16");
  EXPECT_EQ(fld(r, 706, 2), "17");
  EXPECT_EQ(fld(r, 617, 2), "13");
  EXPECT_EQ(fld(r, 635, 3), "005");
  EXPECT_EQ(fld(r, 623, 3), "000");  // no two-year-olds in a three-and-up race
  EXPECT_EQ(fld(r, 698, 4), "2000");

  Record g = ra(key(20261227, 6, 11), {.grade = 'A', .joken = 999, .name = "有馬記念"});
  g.set("Honsyokin", 1, 50000000).set("CourseKubunCD", "A ");
  EXPECT_EQ(fld(g, 615, 1), "A");
  EXPECT_EQ(to_utf8(fld(g, 33, 8)), "有馬記念");
  EXPECT_EQ(fld(g, 41, 2), kWideBlank);
  EXPECT_EQ(fld(g, 714, 8), "50000000");
  EXPECT_EQ(fld(g, 710, 2), "A ");
  EXPECT_EQ(g.get("JyokenCD", 5), "999");
}

TEST(RaceRecords, SettersRejectWhatDoesNotFit) {
  Record r = ra(key(20261206, 6, 1));
  EXPECT_THROW(r.set("NoSuchField", 1), std::invalid_argument);
  EXPECT_THROW(r.set("TorokuTosu", 100), std::invalid_argument);
  EXPECT_THROW(r.set("Honsyokin", 8, 1), std::invalid_argument);
  EXPECT_THROW(
      r.set("Hondai", "とても長いレース名前がここに三十一文字以上入ることはありませんよね本当に"),
      std::invalid_argument);
  EXPECT_THROW(r.win(1, 2.0), std::invalid_argument);
  r.set("TorokuTosu", "--");
  EXPECT_EQ(fld(r, 882, 2), "--");
  r.set("HassoTime", "930");
  EXPECT_EQ(fld(r, 874, 4), "0930");
}

TEST(RunnerRecords, CarryHorseBracketAndResultFields) {
  const Record s = se(key(20261206, 5, 3), {.data_kind = '7',
                                            .horse = 15,
                                            .runners = 16,
                                            .name = "テストラン",
                                            .finish = 2,
                                            .popularity = 4,
                                            .odds_tenths = 123});
  EXPECT_EQ(fld(s, 3, 1), "7");
  EXPECT_EQ(fld(s, 28, 1), "8");
  EXPECT_EQ(fld(s, 29, 2), "15");
  EXPECT_EQ(fld(s, 31, 10), "2022100015");
  EXPECT_EQ(to_utf8(fld(s, 41, 10)), "テストラン");
  EXPECT_EQ(fld(s, 335, 2), "02");
  EXPECT_EQ(fld(s, 360, 4), "0123");
  EXPECT_EQ(fld(s, 364, 2), "04");
}

TEST(Brackets, FollowTheDrawOfTheFieldSize) {
  EXPECT_EQ(bracket_of(8, 8), 8);
  EXPECT_EQ(bracket_of(1, 5), 1);
  // Ten runners: brackets 7 and 8 hold two horses each.
  std::vector<int> ten;
  for (int h = 1; h <= 10; ++h) ten.push_back(bracket_of(h, 10));
  EXPECT_EQ(ten, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7, 8, 8}));
  EXPECT_EQ(bracket_of(16, 16), 8);
  EXPECT_EQ(bracket_of(1, 18), 1);
  EXPECT_EQ(bracket_of(18, 18), 8);
  EXPECT_EQ(bracket_of(15, 18), 7);  // 18 runners: 2,2,2,2,2,2,3,3
  EXPECT_EQ(bracket_of(0, 16), 0);
  EXPECT_EQ(bracket_of(17, 16), 0);
}

TEST(Combinations, RunInTheOrderOfTheRecords) {
  EXPECT_EQ(entry_count(Kind::O1), 36);
  EXPECT_EQ(entry_count(Kind::O3), 153);
  EXPECT_EQ(entry_count(Kind::O4), 306);
  EXPECT_EQ(entry_count(Kind::O5), 816);
  EXPECT_EQ(entry_count(Kind::O6), 4896);
  EXPECT_EQ(entry_index(Kind::O5, {2, 3, 4}), 137);
  EXPECT_EQ(entry_index(Kind::O6, {10, 1, 2}), 2449);
  EXPECT_EQ(entry_index(Kind::O6, {18, 17, 16}), 4896);
  EXPECT_EQ(entry_index(Kind::O1, {8, 8}), 36);
  EXPECT_EQ(entry_index(Kind::O2, {8, 8}), 0);
  EXPECT_EQ(entry_index(Kind::O4, {3, 3}), 0);
  EXPECT_EQ(entry_index(Kind::O2, {2, 1}), 0);
  EXPECT_EQ(combination(Kind::O4, 306), (std::vector<int>{18, 17}));
  EXPECT_TRUE(combination(Kind::O2, 154).empty());
  for (const Kind k : {Kind::O1, Kind::O2, Kind::O4, Kind::O5, Kind::O6}) {
    for (int i = 1; i <= entry_count(k); ++i) ASSERT_EQ(entry_index(k, combination(k, i)), i);
  }
}

// Offsets in these tests are the 0-based ones the odds reader uses.
std::string_view at0(const Record& r, std::size_t off, std::size_t len) {
  return std::string_view(r.str()).substr(off, len);
}

TEST(OddsRecords, WinAndPlaceEntriesTakeValuesAndMarkers) {
  Record o = o1(key(20261206, 6, 11), 16, '1');
  o.announced("12061132").win(1, 3.4, 1).win(2, Odds::dashes()).win(3, Odds::stars());
  o.win(4, Odds::blank()).place(1, 1.2, 1.5, 1).place(2, Odds::dashes(), 9.9);
  EXPECT_EQ(at0(o, 31, 4), "1132");
  EXPECT_EQ(at0(o, 45, 4), "0034");
  EXPECT_EQ(at0(o, 49, 2), "01");
  EXPECT_EQ(at0(o, 45 + 8, 4), "----");
  EXPECT_EQ(at0(o, 49 + 8, 2), "--");
  EXPECT_EQ(at0(o, 45 + 16, 4), "****");
  EXPECT_EQ(at0(o, 49 + 16, 2), "**");
  EXPECT_EQ(at0(o, 43 + 24, 8), "        ");
  EXPECT_EQ(at0(o, 45 + 32, 4), "0000");  // horse 5: no votes yet
  EXPECT_EQ(at0(o, 269, 4), "0012");
  EXPECT_EQ(at0(o, 273, 4), "0015");
  EXPECT_EQ(at0(o, 269 + 12, 4), "----");
  EXPECT_EQ(at0(o, 273 + 12, 4), "----");
  EXPECT_EQ(at0(o, 45 + 8 * 16, 4), "    ");  // horse 17 does not run
  EXPECT_EQ(fld(o, 40, 4), "7773");
}

TEST(OddsRecords, CombinationEntriesExistOnlyForHorsesThatRun) {
  const RaceKey k = key(20261206, 6, 11);
  Record b = o1(k, 10);
  b.bracket(7, 7, 12.3, 5);
  const int k77 = entry_index(Kind::O1, {7, 7});
  EXPECT_EQ(at0(b, 605 + 9 * (k77 - 1), 5), "00123");
  EXPECT_EQ(at0(b, 610 + 9 * (k77 - 1), 2), "05");
  EXPECT_EQ(at0(b, 603 + 9 * (entry_index(Kind::O1, {1, 1}) - 1), 9), "         ");
  EXPECT_EQ(at0(b, 603 + 9 * (entry_index(Kind::O1, {1, 2}) - 1), 2), "12");
  // Eight runners: no bracket sale at all.
  const Record eight = o1(k, 8);
  EXPECT_EQ(fld(eight, 42, 1), "0");
  EXPECT_TRUE(is_blank(at0(eight, 603, 9 * 36)));

  Record tri = o6(k, 16);
  tri.triple(10, 1, 2, 1234.5, 321).triple(16, 15, 14, Odds::stars());
  EXPECT_EQ(at0(tri, 40 + 17 * 2448, 6), "100102");
  EXPECT_EQ(at0(tri, 46 + 17 * 2448, 7), "0012345");
  EXPECT_EQ(at0(tri, 53 + 17 * 2448, 4), "0321");
  const int last = entry_index(Kind::O6, {16, 15, 14}) - 1;
  EXPECT_EQ(at0(tri, 46 + 17 * last, 7), "*******");
  EXPECT_EQ(at0(tri, 53 + 17 * last, 4), "****");
  EXPECT_TRUE(is_blank(at0(tri, 40 + 17 * 4895, 17)));  // 18-17-16
  Record q = o2(k, 16).pair(5, 2, 999999.9, 153);       // too large: shows its largest value
  EXPECT_EQ(at0(q, 40 + 13 * (entry_index(Kind::O2, {2, 5}) - 1), 13), "0205999999153");
  Record w = o3(k, 16).wide(1, 2, 1.5, 2.1, 1);
  EXPECT_EQ(at0(w, 40, 17), "01020001500021001");
  Record p = o5(k, 16).triple(3, 1, 2, 5.0, 1);
  EXPECT_EQ(at0(p, 40, 15), "010203000050001");
}

TEST(PayoutRecords, EntriesLandInTheirBetTypeFields) {
  Record h = hr(key(20261206, 6, 11), 16, '1');
  h.pay(Bet::Win, 1, {7}, 340, 1).pay(Bet::Win, 2, {9}, 520, 3);
  h.pay(Bet::Place, 5, {3}, 150, 2).pay(Bet::Bracket, 3, {4, 8}, 1230, 6);
  h.pay(Bet::Quinella, 1, {7, 9}, 1560, 4).pay(Bet::Wide, 7, {1, 18}, 45670, 120);
  h.pay(Bet::Exacta, 6, {9, 7}, 2980, 8).pay(Bet::Trio, 3, {1, 2, 3}, 123456, 300);
  h.pay(Bet::Trifecta, 6, {16, 1, 2}, 1234567, 4000);
  EXPECT_EQ(fld(h, 103, 13), "0700000034001");
  EXPECT_EQ(fld(h, 116, 13), "0900000052003");
  EXPECT_EQ(fld(h, 142 + 13 * 4, 13), "0300000015002");
  EXPECT_EQ(fld(h, 207 + 13 * 2, 13), "4800000123006");
  EXPECT_EQ(fld(h, 246, 16), "0709000001560004");
  EXPECT_EQ(fld(h, 294 + 16 * 6, 16), "0118000045670120");
  EXPECT_EQ(fld(h, 454 + 16 * 5, 16), "0907000002980008");
  EXPECT_EQ(fld(h, 550 + 18 * 2, 18), "010203000123456300");
  EXPECT_EQ(fld(h, 604 + 19 * 5, 19), "1601020012345674000");
  EXPECT_TRUE(is_blank(fld(h, 129, 13)));
  EXPECT_THROW(h.pay(Bet::Trio, 1, {1, 2}, 100, 1), std::invalid_argument);
}

TEST(OtherRecords, PredictionsChangesAndGoingSitWhereTheReadersLook) {
  const RaceKey k = key(20261206, 9, 4, 5, 2);
  Record d = dm(k, 12, '2', "0915");
  d.predict(3, 13456, 120, 45);
  EXPECT_EQ(fld(d, 28, 4), "0915");
  EXPECT_EQ(fld(d, 32 + 15 * 2, 15), "031345601200045");
  EXPECT_EQ(fld(d, 32 + 15 * 11, 2), "12");
  EXPECT_TRUE(is_blank(fld(d, 32 + 15 * 12, 15)));

  const Record t = tc(k, "12061012", "1215", "1205");
  EXPECT_EQ(fld(t, 3, 1), "1");
  EXPECT_EQ(fld(t, 12, 16), "2026120609050204");
  EXPECT_EQ(fld(t, 28, 8), "12061012");
  EXPECT_EQ(fld(t, 36, 8), "12151205");

  const Record w = we(k, "12060830", 1, {.weather = 3, .turf = 2, .dirt = 3}, {1, 1, 1});
  EXPECT_EQ(fld(w, 12, 14), "20261206090502");
  EXPECT_EQ(fld(w, 26, 8), "12060830");
  EXPECT_EQ(fld(w, 34, 7), "1323111");
  EXPECT_EQ(w.race_key().race, 0);

  const Record u = um("2021104567", "ユーエムホース");
  EXPECT_EQ(fld(u, 12, 10), "2021104567");
  EXPECT_EQ(to_utf8(fld(u, 47, 14)), "ユーエムホース");
}

TEST(RaceKeys, ParseOnlySixteenDigits) {
  const auto k = RaceKey::parse("2026120606050211");
  ASSERT_TRUE(k.has_value());
  EXPECT_EQ(k->text(), "2026120606050211");
  EXPECT_EQ(k->date(), "20261206");
  EXPECT_FALSE(RaceKey::parse("20261206060502 1").has_value());
  EXPECT_FALSE(RaceKey::parse("202612060605021").has_value());
}

}  // namespace
}  // namespace rv::jvfeed
