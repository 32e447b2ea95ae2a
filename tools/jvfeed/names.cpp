#include "jvfeed/names.h"

#include <vector>

namespace rv::jvfeed {
namespace {

const std::vector<std::string> kHorseHead = {
    "アース",     "ブルー",   "ゴールド",   "シルバー",   "スター",   "ミラクル", "ロイヤル",
    "サンライズ", "ウインド", "クリスタル", "ハッピー",   "ノーブル", "グランド", "ルージュ",
    "ライト",     "ベル",     "エターナル", "フラッシュ", "メロディ", "コスモ",   "アルマ",
    "リュウ",     "ヒカリ",   "カゼノ",     "ハナノ",     "ユメノ",   "ソラノ",   "ミナミ"};
const std::vector<std::string> kHorseTail = {
    "ストーム", "フラワー", "ハート",   "ドリーム", "ソング", "キング", "クイーン",
    "ロード",   "ウェーブ", "ブレイブ", "スマイル", "ムーン", "アロー", "ライン",
    "ダンサー", "プリンス", "ジュエル", "レイン",   "ボルト", "エール", "オーラ",
    "セイル",   "テラ",     "ノヴァ",   "リリー",   "カナタ", "ツバサ", "ホマレ"};
const std::vector<std::string> kSyllable = {
    "ア", "イ", "ウ", "エ", "オ", "カ", "キ", "ク",   "ケ",   "コ",   "サ",   "シ",   "ス",
    "セ", "ソ", "タ", "チ", "テ", "ト", "ナ", "ニ",   "ノ",   "ハ",   "ヒ",   "フ",   "ホ",
    "マ", "ミ", "ム", "メ", "モ", "ヤ", "ユ", "ヨ",   "ラ",   "リ",   "ル",   "レ",   "ロ",
    "ワ", "ン", "ガ", "ギ", "グ", "ゴ", "ザ", "ジ",   "ズ",   "ダ",   "デ",   "ド",   "バ",
    "ビ", "ブ", "ベ", "ボ", "パ", "ピ", "プ", "ティ", "ファ", "フィ", "シャ", "ショ", "ー"};
const std::vector<std::string> kSurname = {
    "田中", "佐藤", "鈴木", "高橋", "渡辺", "伊藤", "山本", "中村",   "小林", "加藤",
    "吉田", "山田", "松本", "井上", "木村", "清水", "山崎", "森",     "池田", "橋本",
    "阿部", "石川", "前田", "藤田", "小川", "岡田", "後藤", "長谷川", "村上", "近藤",
    "石井", "坂本", "遠藤", "青木", "藤井", "西村", "福田", "太田",   "三浦", "藤原",
    "岡本", "松田", "中川", "中野", "原田", "小野", "田村", "竹内",   "金子", "和田"};
const std::vector<std::string> kGiven = {"健", "翔", "大", "雄", "誠", "隆", "和",
                                         "浩", "直", "亮", "拓", "達", "光", "勇",
                                         "悠", "聖", "優", "一", "宏", "武"};
const std::vector<std::string> kOwnerTail = {"レーシング", "ファーム",     "ホースクラブ",
                                             "ステーブル", "サラブレッド", "ホールディングス"};
const std::vector<std::string> kColour = {"黒", "白", "赤",   "青", "黄", "緑",
                                          "紫", "桃", "水色", "茶", "灰"};
const std::vector<std::string> kPattern = {"襷",     "縦縞",   "山形一本輪", "星散らし",
                                           "一本輪", "菱山形", "元禄",       "銭形散らし"};
const std::vector<std::string> kStem = {
    "北斗", "紅葉", "銀嶺", "冬星", "霜月", "朝霧", "若潮", "紫苑", "白梅", "春雷",
    "翠嵐", "青葉", "夕凪", "天狼", "黎明", "雪華", "鳳雛", "葉月", "早苗", "風花",
    "蒼穹", "晩秋", "初霜", "月影", "星影", "陽春", "飛燕", "常盤", "蓬莱", "白鷺"};

}  // namespace

int char_count(const std::string& utf8) {
  int n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string first_chars(const std::string& utf8, int n) {
  std::size_t i = 0;
  int seen = 0;
  while (i < utf8.size()) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == n) break;
    ++i;
  }
  return utf8.substr(0, i);
}

std::string horse_name(Rng& rng) {
  for (;;) {
    std::string name;
    if (rng.chance(0.6)) {
      name = rng.pick(kHorseHead);
      name += rng.pick(kHorseTail);
    } else {
      const int syllables = rng.range(3, 6);
      for (int i = 0; i < syllables; ++i) {
        std::string s = rng.pick(kSyllable);
        if (i == 0 && (s == "ー" || s == "ン")) s = "ア";
        name += s;
      }
    }
    if (char_count(name) <= 9) return name;
  }
}

// Each draw is a statement of its own: the operands of one expression may be evaluated in
// any order, and compilers differ.
std::string person_short_name(Rng& rng) {
  std::string s = rng.pick(kSurname);
  return s + rng.pick(kGiven);
}

std::string owner_name(Rng& rng) {
  std::string s = rng.pick(kHorseHead);
  return s + rng.pick(kOwnerTail);
}

std::string racing_colours(Rng& rng) {
  std::string s = rng.pick(kColour) + "，";
  s += rng.pick(kColour);
  s += rng.pick(kPattern) + "，";
  return s + rng.pick(kColour) + "袖";
}

std::string race_name_stem(Rng& rng) {
  return rng.pick(kStem);
}

std::string race_name(Rng& rng, const std::string& stem, char grade) {
  static const std::vector<std::string> graded = {"ステークス", "記念", "カップ", "杯", "賞"};
  static const std::vector<std::string> special = {"特別", "ステークス", "賞", "特別"};
  if (grade == 'A' || grade == 'B' || grade == 'C') return stem + rng.pick(graded);
  if (grade == 'L' || grade == ' ') return stem + "ステークス";
  return stem + rng.pick(special);
}

}  // namespace rv::jvfeed
