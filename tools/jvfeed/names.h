// Invented Japanese names for the sample feed: horses in katakana, jockeys and trainers as
// short kanji names, owners, racing colours and race names. Every name is full-width text
// that Shift-JIS can hold, short enough for its JV-Data field.
#pragma once

#include <string>

#include "jvfeed/rng.h"

namespace rv::jvfeed {

std::string horse_name(Rng& rng);         // at most 9 characters
std::string person_short_name(Rng& rng);  // at most 4 characters (jockey, trainer)
std::string owner_name(Rng& rng);         // at most 32 characters
std::string racing_colours(Rng& rng);     // at most 30 characters
std::string race_name_stem(Rng& rng);     // two or three characters: 北斗, 紅葉 ...
// A named race: stem + suffix for the grade ("ステークス", "記念", "特別" ...).
std::string race_name(Rng& rng, const std::string& stem, char grade);

// Number of characters of UTF-8 text.
int char_count(const std::string& utf8);
// The first `n` characters of UTF-8 text.
std::string first_chars(const std::string& utf8, int n);

}  // namespace rv::jvfeed
