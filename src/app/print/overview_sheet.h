// The day's overview sheet "一覧表" as drawing commands: A4 landscape, the venues of the
// day in three columns, the races 1-12 in rows, per race its runners and short name and,
// once paid out, the bracket-quinella result with its popularity and class.
#pragma once

#include <string_view>

#include "app/print/prev_x.h"
#include "model/day.h"

namespace rv {

// Draws the sheet of the loaded day on prev, whose recording has begun. A race of a venue
// beyond the day's three has no column and is left out.
void DrawOverviewSheet(const Day& day, TPrevX& prev);

// The class of a bracket-quinella result's popularity rank: "A" for 1 and 10-13, "B" for
// 4-9, "C" for 2, 3 and 14-17, "-" for any other rank.
std::string_view WakurenClass(int rank);

}  // namespace rv
