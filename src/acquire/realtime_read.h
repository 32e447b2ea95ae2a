// The readers of the real-time fetches: which records each one keeps and how they reach the
// day files, and the read loop they share. A fetch refreshes a day that exists: the race
// details (RA) and the runner files (SE) are only updated, never started, so a fetch cannot
// make a day appear; payouts, odds, predictions and change announcements may start their file.
#pragma once

#include <string_view>

#include "acquire/day_store.h"
#include "acquire/jvlink.h"
#include "support/services.h"

namespace rv {

enum class RealtimeReader { kOdds, kResults, kMining, kChanges };

// Stores one record as `reader` keeps it (immediately, so a record is on disk once taken);
// false for records the reader drops.
bool StoreRealtimeRecord(RealtimeReader reader, std::string_view record, DayStore& store);

// Reads the open real-time stream to its end: window messages run before every JVRead, and
// CancelFlag stops the loop at its next turn. Returns 0 at the end or on cancel, else the
// JVRead result below -3 that ended it. A FileError of the store propagates; what was stored
// before stays.
int ReadRealtimeRecords(JVLink& jvlink, Dialogs& dialogs, RealtimeReader reader);

}  // namespace rv
