// KeibaFunc: the code tables, number and time formats and combination labels that the race
// list, race card, payouts, odds tables, voting files and mails share. All pure functions.
#pragma once

#include "model/codes/code_tables.h"
#include "model/codes/combo_labels.h"
#include "model/codes/keiba_format.h"
