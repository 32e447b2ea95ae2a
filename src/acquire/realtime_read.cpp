#include "acquire/realtime_read.h"

#include <string>

#include "acquire/cancel_flag.h"
#include "acquire/day_files.h"
#include "jvdata/layouts.h"
#include "support/message_pump.h"
#include "support/text.h"

namespace rv {
namespace {

enum class Wants {
  kAlways,
  kRace,          // race > 0
  kRaceAndHorse,  // race > 0 and horse > 0
  kOnSale,        // race > 0, and not a deletion ("0") or a cancelled race ("9")
};

struct Route {
  RealtimeReader reader;
  std::string_view id;
  Wants wants;
  bool creates;  // the day file may be started
};

constexpr Route kRoutes[] = {
    {RealtimeReader::kOdds, "O1", Wants::kOnSale, true},
    {RealtimeReader::kOdds, "O2", Wants::kOnSale, true},
    {RealtimeReader::kOdds, "O3", Wants::kOnSale, true},
    {RealtimeReader::kOdds, "O4", Wants::kOnSale, true},
    {RealtimeReader::kOdds, "O5", Wants::kOnSale, true},
    {RealtimeReader::kOdds, "O6", Wants::kOnSale, true},
    {RealtimeReader::kResults, "RA", Wants::kRace, false},
    {RealtimeReader::kResults, "SE", Wants::kRaceAndHorse, false},
    {RealtimeReader::kResults, "HR", Wants::kRace, true},
    {RealtimeReader::kMining, "DM", Wants::kRace, true},
    {RealtimeReader::kChanges, "WE", Wants::kAlways, true},
    {RealtimeReader::kChanges, "TC", Wants::kAlways, true},
};

bool wanted(Wants wants, std::string_view record) {
  const int race = inum(jv::field(record, jv::head::RaceNum));
  switch (wants) {
    case Wants::kAlways:
      return true;
    case Wants::kRace:
      return race > 0;
    case Wants::kRaceAndHorse:
      return race > 0 && inum(jv::field(record, jv::se::Umaban)) > 0;
    case Wants::kOnSale: {
      const std::string_view kind = jv::field(record, jv::rec::DataKubun);
      return race > 0 && kind != "0" && kind != "9";
    }
  }
  return false;
}

}  // namespace

bool StoreRealtimeRecord(RealtimeReader reader, std::string_view record, DayStore& store) {
  const std::string_view id = jv::field(record, jv::rec::RecordSpec);
  for (const Route& r : kRoutes) {
    if (r.reader != reader || r.id != id) continue;
    // The day-file kinds carry the key, the folder and whether a real-time record is zeroed.
    return wanted(r.wants, record) && store.Store(record, RecordOrigin::kRealTime, r.creates);
  }
  return false;
}

int ReadRealtimeRecords(JVLink& jvlink, Dialogs& dialogs, RealtimeReader reader) {
  // One fetch touches a few day files many times (a day's results are hundreds of records):
  // they are written once, when the read ends for whatever reason, and only if they changed.
  DayStore store(DayStore::Mode::kWriteBack);
  std::string buff;
  std::string filename;
  for (;;) {
    pump_messages(dialogs);
    if (CancelFlag) break;
    int size = 0;
    const int rc = jvlink.JVRead(buff, size, filename);
    if (rc > 0) {
      StoreRealtimeRecord(reader, buff, store);
    } else if (rc == 0) {
      break;
    } else if (rc < -3) {
      store.Flush();
      return rc;
    }
  }
  store.Flush();
  return 0;
}

}  // namespace rv
