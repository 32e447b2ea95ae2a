#include "model/day_load.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "jvdata/keiba_func.h"
#include "model/day_paths.h"
#include "model/day_records.h"
#include "model/mining.h"
#include "model/payouts.h"
#include "model/race_odds.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/message_pump.h"
#include "support/text.h"

namespace rv {
namespace {

// Data kind of a runner record with final results.
constexpr char kFinalResults = '7';

// The race file of a day of more than six races gets a blank odds file when it has none:
// one line of blanks an O1 line long per race line (a blank O1 record each).
void create_blank_o1(const DayFiles& files) {
  if (file_exists(files.OzFile[0])) return;
  const std::vector<std::string> ra_lines = read_lines(files.RaFile);
  if (ra_lines.size() <= 6) return;
  write_lines(
      files.OzFile[0],
      std::vector<std::string>(ra_lines.size(), std::string(jv::o1::kLayout.line_length(), ' ')));
}

// The first race record whose runner count the model cannot hold; -1 when all fit.
int oversized_race(const Day& day, int races) {
  for (int s = 0; s < races; ++s) {
    if (day.runners(s) > kMaxHorses) return s;
  }
  return -1;
}

std::string oversized_message(const Day& day, int slot) {
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  return DatListItem(ra) + fmt("の登録頭数が %d 頭です（18頭まで）。", day.runners(slot)) +
         SJ("データに誤りがあるため、この日のデータは読み込みませんでした。");
}

// Horse records are optional input placed below "\UMA\" from outside, one file per horse:
// "\UMA\" + first 4 digits of the pedigree number + "\" + number + ".jvUMA".
class HorseFiles {
 public:
  HorseFiles() : dir_(app_path("\\UMA")) {
    std::error_code ec;
    present_ = std::filesystem::is_directory(dir_, ec);
  }

  [[nodiscard]] bool present() const { return present_; }

  void read(std::string_view pedigree, UmRecord& dest) const {
    if (!present_ || pedigree.size() != 10 || !all_digits(pedigree)) return;
    std::string rel(pedigree.substr(0, 4));
    rel += '\\';
    rel += pedigree;
    rel += ".jvUMA";
    const fs::path file = resolve_below(dir_, rel);
    if (!file_exists(file)) return;
    if (!read_record_at(file, UmRecord::kSize, 0, dest.bytes.data())) dest.blank();
  }

 private:
  fs::path dir_;
  bool present_ = false;
};

// Reads each race's runners (and their horse records). Answers whether every runner
// record read holds final results; a day with none read does not count as finished.
bool read_runners(Day& day, int races) {
  const HorseFiles horses;
  int read = 0;
  bool all_final = true;
  for (int s = 0; s < races; ++s) {
    const int n = ReadRunnerRecords(day, day.Date, s, RunnerSlots(day, s));
    if (n > 0 && horses.present()) day.HorsesFilled.set(static_cast<std::size_t>(s));
    auto& runners = day.SeData[static_cast<std::size_t>(s)];
    for (int j = 0; j < n; ++j) {
      const SeRecord& se = runners[static_cast<std::size_t>(j)];
      if (se.field(jv::rec::DataKubun)[0] != kFinalResults) all_final = false;
      horses.read(se.field(jv::se::KettoNum),
                  day.UmData[static_cast<std::size_t>(s)][static_cast<std::size_t>(j)]);
    }
    read += n;
  }
  return read > 0 && all_final;
}

void set_results_label(Label& label, bool all_in) {
  label.set_text(all_in ? SJ("成績記録済") : SJ("成績未記録"));
  label.set_color(all_in ? colors::kAqua : colors::kYellow);
}

// Venue codes of the day in ascending order (at most three kept) and the first slot of each.
void fill_venue_table(Day& day, int races) {
  std::vector<std::string> venues;  // code + short name, sorted, no duplicates
  for (int s = 0; s < races; ++s) {
    const std::string_view code = day.RaData[static_cast<std::size_t>(s)].field(jv::head::JyoCD);
    std::string item(code);
    item += BashoShortName(code);
    const auto at = std::lower_bound(venues.begin(), venues.end(), item);
    if (at == venues.end() || *at != item) venues.insert(at, std::move(item));
  }
  for (auto& l : day.BashoLabel) l.clear();
  for (auto& l : day.BashoIdx) l.clear();
  for (std::size_t k = 0; k < day.BashoLabel.size() && k < venues.size(); ++k) {
    day.BashoLabel[k] = venues[k].substr(0, 2);
  }
  for (int s = 0; s < kMaxRaces; ++s) {
    const std::string_view code = day.RaData[static_cast<std::size_t>(s)].field(jv::head::JyoCD);
    for (std::size_t k = 0; k < day.BashoIdx.size(); ++k) {
      if (day.BashoIdx[k].empty() && !day.BashoLabel[k].empty() && day.BashoLabel[k] == code) {
        day.BashoIdx[k] = fmt("%2d", s);
      }
    }
  }
}

// A load that cannot finish leaves an empty day rather than part of one.
void clear_day(Day& day, DayLoadControls& c) {
  day.blank_records();
  ResetRaceWork(day);
  day.Date.clear();
  day.Files = DayFiles{};
  BuildPayoutTables(day);
  c.DatList.clear();
  c.SeiRecLabel.set_text("");
  c.SeiRecLabel.set_color(kDefaultColor);
}

}  // namespace

DayLoadSettings DayLoadSettings::Read(const TIniGT& ini) {
  DayLoadSettings s;
  s.AutoOzGet = ini.ReadInteger("Time", "AutoOzGet", 10);
  s.DefaultAmount = ini.ReadInteger("KaimeSet", "DefaultAmount", 3000);
  return s;
}

void ResetRaceWork(Day& day) {
  for (RaceWork& w : day.Work) w.reset();
  day.Delivered.fill(false);
}

std::string RaceClassOf(const RaRecord& ra) {
  const int n = inum(ra.field(jv::ra::TorokuTosu));
  const std::string_view g = ra.field(jv::ra::GradeCD);
  const std::string_view k = ra.field(jv::ra::SyubetuCD);
  const std::string_view c = ra.field(jv::ra::JyokenCDYoungest);
  const std::string_view t = ra.field(jv::ra::TrackCDSurface);
  const bool graded = g == "A" || g == "B" || g == "C";  // G1, G2, G3
  if (graded && t != "5" && k != "11") return "A";       // not a jump race
  if (c == "999" && n >= 14 && !graded) return "B";
  if (c == "016" && n >= 14) return "C";
  if (c == "010") return "D";
  if (c == "005" && n >= 16) return "E";
  if (c == "703") return "F";
  if (c == "701" && n >= 13) return "G";
  return {};
}

void SetAutoTimes(RaceWork& work, std::string_view start, int auto_oz_get) {
  work.OzTime = AddMinutes(start, -auto_oz_get);
  work.OzTime2 = AddMinutes(start, -auto_oz_get + 1);
  work.DeliverTime = AddMinutes(start, -auto_oz_get + 2);
}

std::string DatListItem(const RaRecord& ra) {
  const int race = inum(ra.field(jv::head::RaceNum));
  std::string item = BashoName(ra.field(jv::head::JyoCD));
  item += race == 0 ? std::string("  ") : fmt("%2d", race);
  item += 'R';
  return item;
}

DayLoadResult LoadDay(Day& day, DayLoadControls& c, std::string_view date,
                      const DayLoadSettings& settings, Dialogs& dialogs) {
  c.DatList.clear();

  // The previous day's records stay until this one is known to exist.
  const DayFiles files = MakeDayFiles(date);
  if (!file_exists(files.RaFile)) {
    ResetRaceWork(day);
    dialogs.beep();
    dialogs.info(SJ("データ作成が未完了のようです。"));
    return DayLoadResult::kNoRaceFile;
  }
  // The odds load below resets the odds of every slot.
  for (RaceWork& w : day.Work) w.reset_besides_odds();
  day.Date = date;
  day.Files = files;

  pump_messages(dialogs);
  day.blank_records_for_load();
  try {
    create_blank_o1(day.Files);

    const auto races =
        static_cast<int>(read_records(day.Files.RaFile, RaRecord::kSize, day.RaData[0].bytes.data(),
                                      sizeof(RaRecord), kMaxRaces));
    // A race of more than 18 runners would spill into the next race's runners.
    if (const int bad = oversized_race(day, races); bad >= 0) {
      const std::string message = oversized_message(day, bad);
      clear_day(day, c);
      dialogs.error(message);
      return DayLoadResult::kBadData;
    }
    // The stored race records have their data kind zeroed, so only the runner records tell
    // whether the results are in.
    day.AllResultsIn = read_runners(day, races);

    TakeRecordsBySlot(day.Files.HrFile, day, SlotMatch::kDateVenueRace, day.HrData, [](int) {});
  } catch (...) {
    // A file that cannot be read ends the load before its odds: they read as cleared.
    day.blank_odds_records();
    for (RaceWork& w : day.Work) w.reset_odds();
    throw;
  }
  LoadDayOdds(day);
  for (std::size_t s = 0; s < kMaxRaces; ++s) day.Work[s].RaceClass = RaceClassOf(day.RaData[s]);
  ReadMiningPredictions(day);

  set_results_label(c.SeiRecLabel, day.AllResultsIn);

  const int in_use = day.slots_in_use();
  for (int s = 0; s < in_use; ++s) {
    const RaRecord& ra = day.RaData[static_cast<std::size_t>(s)];
    c.DatList.add(DatListItem(ra));
    SetAutoTimes(day.Work[static_cast<std::size_t>(s)], ra.field(jv::ra::HassoTime),
                 settings.AutoOzGet);
  }
  fill_venue_table(day, in_use);
  BuildPayoutTables(day);
  day.RaceAmount.fill(fmt("%d", settings.DefaultAmount));
  return DayLoadResult::kLoaded;
}

}  // namespace rv
