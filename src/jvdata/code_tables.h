// JV-Data codes to the short Japanese texts of the race list, race card, payouts, voting files
// and mails. Every function takes the code exactly as the record holds it (fixed width,
// leading zeros included) and answers a Shift-JIS text held in static storage; a code not in
// the table gives the function's fallback text. Unless a function says it reads its code as
// a number, codes are compared as text, so "5" is not venue "05".
#pragma once

#include <string>
#include <string_view>

namespace rv {

// Venue code (2 characters) to its 4-byte short name, e.g. "06" -> "中山"; four blanks when
// unknown. 110 codes: the ten JRA venues, local venues 30-61 and countries A0-M8.
const std::string& BashoName(std::string_view code);
// The same name without its trailing blanks ("中山", "約"), as day-file names use it; empty
// for an unknown code.
const std::string& BashoShortName(std::string_view code);

enum class KindWidth { kShort, kLong };
// Race kind (RA 617-618): 4 full-width characters, or 8 padded with "　".
const std::string& ShubetuName(std::string_view code, KindWidth width);

// Grade (RA 615) to 5 bytes: "G1   ", "重賞 ", "List ", ...
const std::string& GradeName(std::string_view code);

// Weekday (RA 28) to one character: "0" "　", "1" 土 ... "8" 金; empty when unknown.
const std::string& YoubiName(std::string_view code);

// Race symbol (RA 619-621) padded with full-width blanks to 24 bytes.
const std::string& KigoName(std::string_view code);

// Race condition, read as a number: 5 "1勝ｸﾗｽ", 701 "新馬", 999 "オープン", ...; empty when
// unknown.
const std::string& JokenName(std::string_view code);

// Race kind and condition, both read as numbers, to an age part plus a class part
// ("3歳上" + "2勝ｸﾗｽ"); each part is empty when its code is unknown.
std::string JokenLabel(std::string_view kind_code, std::string_view condition_code);

// Weight type (RA 622): "ﾊﾝﾃﾞ", "別定", "馬齢", "定量".
const std::string& JuryoName(std::string_view code);

// Abnormality (SE 332) to 8 bytes ("出走取消", "失格    "); eight blanks otherwise.
const std::string& IjoName(std::string_view code);

enum class TrackForm { kLong, kMedium };
// Track (RA 706-707), read as a number: "芝 右回り 外回り", or the 6-byte "芝右外".
const std::string& TrackName(std::string_view code, TrackForm form);

// Weather (RA 888): 晴, 曇, 雨, 小雨, 雪, 小雪.
const std::string& TenkoName(std::string_view code);

enum class Going { kTurf, kDirt };
// Going (RA 889 turf, 890 dirt): "芝:良" ... "ダ:不良".
const std::string& BabaName(std::string_view code, Going surface);

// Sex: 牡, 牝, ｾﾝ.
const std::string& SeibetuName(std::string_view code);

// Running style: 逃, 先, 差, 追; two blanks otherwise.
const std::string& KyakusituName(std::string_view code);

// Apprentice allowance: "1kg減" ... ; "　" otherwise.
const std::string& MinaraiName(std::string_view code);

// "1" gives "ﾌﾞﾘﾝ", anything else one blank.
const std::string& BlinkerMark(std::string_view code);

// "1" gives "○", anything else "－".
const std::string& MaruMark(std::string_view code);

}  // namespace rv
