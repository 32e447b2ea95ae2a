// Field maps of the JV-Data records (format 4.8 lengths). Positions are 1-based bytes.
#include <array>

#include "jvfeed/records.h"

namespace rv::jvfeed {
namespace {

constexpr auto N = FieldType::Num;
constexpr auto E = FieldType::Entry;
constexpr auto T = FieldType::Text;
constexpr auto W = FieldType::Wide;

// Bytes 1-27 of every race record: id, data kind, creation date, race key.
std::vector<Field> race_header() {
  return {{"RecordSpec", 1, 2, T}, {"DataKubun", 3, 1, T}, {"MakeDate", 4, 8, N},
          {"Year", 12, 4, N},      {"MonthDay", 16, 4, N}, {"JyoCD", 20, 2, N},
          {"Kaiji", 22, 2, N},     {"Nichiji", 24, 2, N},  {"RaceNum", 26, 2, N}};
}

std::vector<Field> with_header(std::initializer_list<Field> rest) {
  auto f = race_header();
  f.insert(f.end(), rest);
  return f;
}

std::vector<Field> ra_fields() {
  return with_header({
      {"YoubiCD", 28, 1, N},
      {"TokuNum", 29, 4, N},
      {"Hondai", 33, 60, W},
      {"Fukudai", 93, 60, W},
      {"Kakko", 153, 60, W},
      {"HondaiEng", 213, 120, T},
      {"FukudaiEng", 333, 120, T},
      {"KakkoEng", 453, 120, T},
      {"Ryakusyo10", 573, 20, W},
      {"Ryakusyo6", 593, 12, W},
      {"Ryakusyo3", 605, 6, W},
      {"Kubun", 611, 1, N},
      {"Nkai", 612, 3, N},
      {"GradeCD", 615, 1, T},
      {"GradeCDBefore", 616, 1, T},
      {"SyubetuCD", 617, 2, N},
      {"KigoCD", 619, 3, T},
      {"JyuryoCD", 622, 1, N},
      // 2歳, 3歳, 4歳, 5歳以上, 最若年 conditions.
      {"JyokenCD", 623, 3, N, 5, 3},
      {"JyokenName", 638, 60, W},
      {"Kyori", 698, 4, N},
      {"KyoriBefore", 702, 4, N},
      {"TrackCD", 706, 2, N},
      {"TrackCDBefore", 708, 2, N},
      {"CourseKubunCD", 710, 2, T},
      {"CourseKubunCDBefore", 712, 2, T},
      {"Honsyokin", 714, 8, N, 7, 8},
      {"HonsyokinBefore", 770, 8, N, 5, 8},
      {"Fukasyokin", 810, 8, N, 5, 8},
      {"FukasyokinBefore", 850, 8, N, 3, 8},
      {"HassoTime", 874, 4, N},
      {"HassoTimeBefore", 878, 4, N},
      {"TorokuTosu", 882, 2, N},
      {"SyussoTosu", 884, 2, N},
      {"NyusenTosu", 886, 2, N},
      {"TenkoCD", 888, 1, N},
      {"SibaBabaCD", 889, 1, N},
      {"DirtBabaCD", 890, 1, N},
      {"LapTime", 891, 3, N, 25, 3},
      {"SyogaiMileTime", 966, 4, N},
      {"HaronTimeS3", 970, 3, N},
      {"HaronTimeS4", 973, 3, N},
      {"HaronTimeL3", 976, 3, N},
      {"HaronTimeL4", 979, 3, N},
      {"Corner", 982, 1, N, 4, 72},
      {"Syukaisu", 983, 1, N, 4, 72},
      {"Jyuni", 984, 70, T, 4, 72},
      {"RecordUpKubun", 1270, 1, T},
  });
}

std::vector<Field> se_fields() {
  return with_header({
      {"Wakuban", 28, 1, N},
      {"Umaban", 29, 2, N},
      {"KettoNum", 31, 10, N},
      {"Bamei", 41, 36, W},
      {"UmaKigoCD", 77, 2, N},
      {"SexCD", 79, 1, N},
      {"HinsyuCD", 80, 1, N},
      {"KeiroCD", 81, 2, N},
      {"Barei", 83, 2, N},
      {"TozaiCD", 85, 1, N},
      {"ChokyosiCode", 86, 5, N},
      {"ChokyosiRyakusyo", 91, 8, W},
      {"BanusiCode", 99, 6, N},
      {"BanusiName", 105, 64, W},
      {"Fukusyoku", 169, 60, W},
      {"Reserved1", 229, 60, T},
      {"Futan", 289, 3, N},
      {"FutanBefore", 292, 3, N},
      {"Blinker", 295, 1, N},
      {"Reserved2", 296, 1, T},
      {"KisyuCode", 297, 5, N},
      {"KisyuCodeBefore", 302, 5, N},
      {"KisyuRyakusyo", 307, 8, W},
      {"KisyuRyakusyoBefore", 315, 8, W},
      {"MinaraiCD", 323, 1, N},
      {"MinaraiCDBefore", 324, 1, N},
      {"BaTaijyu", 325, 3, N},
      {"ZogenFugo", 328, 1, T},
      {"ZogenSa", 329, 3, N},
      {"IJyoCD", 332, 1, N},
      {"NyusenJyuni", 333, 2, N},
      {"KakuteiJyuni", 335, 2, N},
      {"DochakuKubun", 337, 1, N},
      {"DochakuTosu", 338, 1, N},
      {"Time", 339, 4, N},
      {"ChakusaCD", 343, 3, T},
      {"ChakusaCDP", 346, 3, T},
      {"ChakusaCDPP", 349, 3, T},
      {"Jyuni1c", 352, 2, N},
      {"Jyuni2c", 354, 2, N},
      {"Jyuni3c", 356, 2, N},
      {"Jyuni4c", 358, 2, N},
      {"Odds", 360, 4, N},
      {"Ninki", 364, 2, N},
      {"Honsyokin", 366, 8, N},
      {"Fukasyokin", 374, 8, N},
      {"Reserved3", 382, 3, T},
      {"Reserved4", 385, 3, T},
      {"HaronTimeL4", 388, 3, N},
      {"HaronTimeL3", 391, 3, N},
      {"ChakuUmaKettoNum", 394, 10, N, 3, 46},
      {"ChakuUmaBamei", 404, 36, W, 3, 46},
      {"TimeDiff", 532, 4, N},
      {"RecordUpKubun", 536, 1, T},
      {"DMKubun", 537, 1, N},
      {"DMTime", 538, 5, N},
      {"DMGosaP", 543, 4, N},
      {"DMGosaM", 547, 4, N},
      {"DMJyuni", 551, 2, N},
      {"KyakusituKubun", 553, 1, N},
  });
}

std::vector<Field> hr_fields() {
  return with_header({
      {"TorokuTosu", 28, 2, N},
      {"SyussoTosu", 30, 2, N},
      // Order of the flags: 単 複 枠 馬連 ワイド 予備 馬単 3連複 3連単.
      {"FuseirituFlag", 32, 1, N, 9, 1},
      {"TokubaraiFlag", 41, 1, N, 9, 1},
      {"HenkanFlag", 50, 1, N, 9, 1},
      {"HenkanUma", 59, 1, N, 28, 1},
      {"HenkanWaku", 87, 1, N, 8, 1},
      {"HenkanDoWaku", 95, 1, N, 8, 1},
      {"TansyoUmaban", 103, 2, E, 3, 13},
      {"TansyoPay", 105, 9, E, 3, 13},
      {"TansyoNinki", 114, 2, E, 3, 13},
      {"FukusyoUmaban", 142, 2, E, 5, 13},
      {"FukusyoPay", 144, 9, E, 5, 13},
      {"FukusyoNinki", 153, 2, E, 5, 13},
      {"WakurenKumi", 207, 2, E, 3, 13},
      {"WakurenPay", 209, 9, E, 3, 13},
      {"WakurenNinki", 218, 2, E, 3, 13},
      {"UmarenKumi", 246, 4, E, 3, 16},
      {"UmarenPay", 250, 9, E, 3, 16},
      {"UmarenNinki", 259, 3, E, 3, 16},
      {"WideKumi", 294, 4, E, 7, 16},
      {"WidePay", 298, 9, E, 7, 16},
      {"WideNinki", 307, 3, E, 7, 16},
      {"YobiKumi", 406, 4, E, 3, 16},
      {"YobiPay", 410, 9, E, 3, 16},
      {"YobiNinki", 419, 3, E, 3, 16},
      {"UmatanKumi", 454, 4, E, 6, 16},
      {"UmatanPay", 458, 9, E, 6, 16},
      {"UmatanNinki", 467, 3, E, 6, 16},
      {"SanrenpukuKumi", 550, 6, E, 3, 18},
      {"SanrenpukuPay", 556, 9, E, 3, 18},
      {"SanrenpukuNinki", 565, 3, E, 3, 18},
      {"SanrentanKumi", 604, 6, E, 6, 19},
      {"SanrentanPay", 610, 9, E, 6, 19},
      {"SanrentanNinki", 619, 4, E, 6, 19},
  });
}

// Bytes 28-39 shared by O1..O6.
std::vector<Field> odds_header(std::initializer_list<Field> rest) {
  auto f =
      with_header({{"HappyoTime", 28, 8, N}, {"TorokuTosu", 36, 2, N}, {"SyussoTosu", 38, 2, N}});
  f.insert(f.end(), rest);
  return f;
}

std::vector<Field> o1_fields() {
  return odds_header({
      {"TansyoFlag", 40, 1, N},
      {"FukusyoFlag", 41, 1, N},
      {"WakurenFlag", 42, 1, N},
      {"FukuChakuBaraiKey", 43, 1, N},
      {"TansyoUmaban", 44, 2, E, 28, 8},
      {"TansyoOdds", 46, 4, E, 28, 8},
      {"TansyoNinki", 50, 2, E, 28, 8},
      {"FukusyoUmaban", 268, 2, E, 28, 12},
      {"FukusyoOddsLow", 270, 4, E, 28, 12},
      {"FukusyoOddsHigh", 274, 4, E, 28, 12},
      {"FukusyoNinki", 278, 2, E, 28, 12},
      {"WakurenKumi", 604, 2, E, 36, 9},
      {"WakurenOdds", 606, 5, E, 36, 9},
      {"WakurenNinki", 611, 2, E, 36, 9},
      {"TansyoVote", 928, 11, N},
      {"FukusyoVote", 939, 11, N},
      {"WakurenVote", 950, 11, N},
  });
}

// O2, O4: combination, odds, popularity; O5, O6 the same with triples.
std::vector<Field> combo_fields(std::string_view flag, int kumi, int odds, int ninki, int count,
                                int vote_pos) {
  const int stride = kumi + odds + ninki;
  return odds_header({
      {flag, 40, 1, N},
      {"Kumi", 41, kumi, E, count, stride},
      {"Odds", 41 + kumi, odds, E, count, stride},
      {"Ninki", 41 + kumi + odds, ninki, E, count, stride},
      {"TotalVote", vote_pos, 11, N},
  });
}

std::vector<Field> o3_fields() {
  return odds_header({
      {"WideFlag", 40, 1, N},
      {"Kumi", 41, 4, E, 153, 17},
      {"OddsLow", 45, 5, E, 153, 17},
      {"OddsHigh", 50, 5, E, 153, 17},
      {"Ninki", 55, 3, E, 153, 17},
      {"TotalVote", 2642, 11, N},
  });
}

std::vector<Field> dm_fields() {
  return with_header({
      {"MakeHM", 28, 4, N},
      {"Umaban", 32, 2, E, 18, 15},
      {"DMTime", 34, 5, E, 18, 15},
      {"DMGosaP", 39, 4, E, 18, 15},
      {"DMGosaM", 43, 4, E, 18, 15},
  });
}

std::vector<Field> tc_fields() {
  return with_header(
      {{"HappyoTime", 28, 8, N}, {"AtoHassoTime", 36, 4, N}, {"MaeHassoTime", 40, 4, N}});
}

std::vector<Field> we_fields() {
  return {{"RecordSpec", 1, 2, T},
          {"DataKubun", 3, 1, T},
          {"MakeDate", 4, 8, N},
          {"Year", 12, 4, N},
          {"MonthDay", 16, 4, N},
          {"JyoCD", 20, 2, N},
          {"Kaiji", 22, 2, N},
          {"Nichiji", 24, 2, N},
          {"HappyoTime", 26, 8, N},
          {"HenkoID", 34, 1, N},
          {"TenkoCD", 35, 1, N},
          {"SibaBabaCD", 36, 1, N},
          {"DirtBabaCD", 37, 1, N},
          {"TenkoCDBefore", 38, 1, N},
          {"SibaBabaCDBefore", 39, 1, N},
          {"DirtBabaCDBefore", 40, 1, N}};
}

std::vector<Field> um_fields() {
  return {
      {"RecordSpec", 1, 2, T},
      {"DataKubun", 3, 1, T},
      {"MakeDate", 4, 8, N},
      {"KettoNum", 12, 10, N},
      {"DelKubun", 22, 1, N},
      {"RegDate", 23, 8, N},
      {"DelDate", 31, 8, N},
      {"BirthDate", 39, 8, N},
      {"Bamei", 47, 36, W},
      {"BameiKana", 83, 36, T},
      {"BameiEng", 119, 60, T},
      {"ZaikyuFlag", 179, 1, N},
      {"Reserved", 180, 19, T},
      {"UmaKigoCD", 199, 2, N},
      {"SexCD", 201, 1, N},
      {"HinsyuCD", 202, 1, N},
      {"KeiroCD", 203, 2, N},
      {"HansyokuNum", 205, 8, N, 14, 44},
      {"HansyokuBamei", 213, 36, W, 14, 44},
      {"TozaiCD", 821, 1, N},
      {"ChokyosiCode", 822, 5, N},
      {"ChokyosiRyakusyo", 827, 8, W},
      {"Syotai", 835, 20, W},
      {"BreederCode", 855, 6, N},
      {"BreederName", 861, 70, W},
      {"SanchiName", 931, 20, W},
      {"BanusiCode", 951, 6, N},
      {"BanusiName", 957, 64, W},
      {"RuikeiSyokin", 1021, 9, N, 6, 9},
      {"ChakuSogo", 1075, 3, N, 6, 3},
      {"ChakuChuo", 1093, 3, N, 6, 3},
      {"ChakuKaisuBa", 1111, 3, N, 42, 3},
      {"ChakuKaisuJyotai", 1237, 3, N, 72, 3},
      {"ChakuKaisuKyori", 1453, 3, N, 36, 3},
      {"Kyakusitu", 1561, 3, N, 4, 3},
      {"RaceCount", 1573, 3, N},
  };
}

struct Layout {
  Kind kind;
  std::string_view id;
  std::size_t length;
  std::vector<Field> fields;
};

const std::array<Layout, 13>& layouts() {
  static const std::array<Layout, 13> all = {{
      {Kind::RA, "RA", 1272, ra_fields()},
      {Kind::SE, "SE", 555, se_fields()},
      {Kind::HR, "HR", 719, hr_fields()},
      {Kind::O1, "O1", 962, o1_fields()},
      {Kind::O2, "O2", 2042, combo_fields("UmarenFlag", 4, 6, 3, 153, 2030)},
      {Kind::O3, "O3", 2654, o3_fields()},
      {Kind::O4, "O4", 4031, combo_fields("UmatanFlag", 4, 6, 3, 306, 4019)},
      {Kind::O5, "O5", 12293, combo_fields("SanrenpukuFlag", 6, 6, 3, 816, 12281)},
      {Kind::O6, "O6", 83285, combo_fields("SanrentanFlag", 6, 7, 4, 4896, 83273)},
      {Kind::DM, "DM", 303, dm_fields()},
      {Kind::TC, "TC", 45, tc_fields()},
      {Kind::WE, "WE", 42, we_fields()},
      {Kind::UM, "UM", 1577, um_fields()},
  }};
  return all;
}

const Layout& layout(Kind kind) {
  return layouts()[static_cast<std::size_t>(kind)];
}

}  // namespace

std::size_t record_length(Kind kind) {
  return layout(kind).length;
}
std::string_view kind_id(Kind kind) {
  return layout(kind).id;
}

std::optional<Kind> kind_of(std::string_view id) {
  for (const auto& l : layouts()) {
    if (l.id == id) return l.kind;
  }
  return std::nullopt;
}

const std::vector<Field>& fields(Kind kind) {
  return layout(kind).fields;
}

const Field* find_field(Kind kind, std::string_view name) {
  for (const auto& f : layout(kind).fields) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

}  // namespace rv::jvfeed
