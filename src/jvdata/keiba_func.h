// KeibaFunc: the code tables, number and time formats and combination labels that the race
// list, race card, payouts, odds tables, voting files and mails share. All pure functions.
#pragma once

#include "jvdata/code_tables.h"
#include "jvdata/combo_labels.h"
#include "jvdata/keiba_format.h"
