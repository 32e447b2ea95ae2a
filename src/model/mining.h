// The data-mining reader behind "ﾏｲﾆﾝｸﾞ読込" (DMReadBtnClick): predicted times, error bands
// and ranks of every race's horses.
#pragma once

#include "model/day.h"

namespace rv {

// Fills DmData from the day's prediction file (each record at the first slot of its date,
// venue and race number) and every race's predictions by horse position; a prediction that
// the runner record carries (a time of 1..99998) wins over the file's. Horses with a time
// are ranked fastest first, ties by position; the others keep their rank. Throws FileError
// on an unreadable file.
void ReadMiningPredictions(Day& day);

}  // namespace rv
