#include "app/odds_viewer.h"

#include <vector>

#include "acquire/viewer_import.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

// The busy cursor for a scope, taken back also when a file error ends the import.
class BusyCursor {
 public:
  explicit BusyCursor(Dialogs& dialogs) : dialogs_(dialogs) { dialogs_.busy(true); }
  ~BusyCursor() { dialogs_.busy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Dialogs& dialogs_;
};

}  // namespace

OddsViewer::OddsViewer(Day& day, DayControls& controls, DayLoading& day_loading, TIniGT& ini,
                       Dialogs& dialogs, Desktop& desktop)
    : day_(day),
      c_(controls),
      day_loading_(day_loading),
      ini_(ini),
      dialogs_(dialogs),
      desktop_(desktop) {}

std::string OddsViewer::T1Click() {
  const std::string folder = ini_.ReadString("Dir", "jikeiretu", app_dir_text());
  if (folder == app_dir_text()) {
    dialogs_.beep();
    dialogs_.info(SJ("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"));
    return {};
  }
  if (is_blank(c_.DateCombo.text())) {
    dialogs_.beep();
    dialogs_.info(SJ("ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。"));
    return {};
  }
  std::vector<ViewerRace> races;
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    if (!day_.slot_in_use(slot)) continue;
    races.push_back({day_.RaData[slot].view(), day_.Work[slot].OzTime});
  }
  ViewerImportCounts counts;
  {
    const BusyCursor busy(dialogs_);
    DayStore store;
    counts = ImportViewerOdds(text_path(folder), races, store);
  }
  std::string message = fmt("%d", counts.o1) + SJ("ﾚｰｽ分の単複枠ｵｯｽﾞ") + "\r\n" +
                        fmt("%d", counts.o2) + SJ("ﾚｰｽ分の馬連ｵｯｽﾞ") + "\r\n" +
                        SJ("を取りこみました。");
  if (!day_.BatchReading) dialogs_.info(message);
  day_loading_.DateComboChange();
  return message;
}

void OddsViewer::N12Click() {
  const std::string current = ini_.ReadString("Dir", "jikeiretu", app_dir_text());
  const std::optional<fs::path> chosen =
      desktop_.choose_folder(SJ("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定"), text_path(current));
  if (chosen) ini_.WriteString("Dir", "jikeiretu", path_text(*chosen));
}

}  // namespace rv
