#include "model/chase_list.h"

#include <algorithm>

#include "jvdata/keiba_func.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

const char* const kChaseFile = "\\ChaseHorse.dat";

bool before(const std::string& a, const std::string& b) {
  return icompare_ascii(a, b) < 0;
}

// A name as messages and captions show it: without its full-width padding.
std::string shown_name(std::string_view raw) {
  return std::string(trim(DelZenSpace(raw)));
}

const SeRecord* selected_runner(const Day& day, int slot, const RaceCardControls& card) {
  const int pos = card.SelectedHorse;
  if (slot < 0 || slot >= kMaxRaces || pos < 0 || pos >= CardRunners(day, slot)) return nullptr;
  return &day.SeData[static_cast<std::size_t>(slot)][static_cast<std::size_t>(pos)];
}

}  // namespace

void ChaseList::load() {
  if (loaded_) return;
  std::vector<std::string> lines = read_lines(app_path(kChaseFile));
  std::erase_if(lines, [](const std::string& l) { return is_blank(l); });
  std::stable_sort(lines.begin(), lines.end(), before);
  lines.erase(std::unique(lines.begin(), lines.end(),
                          [](const std::string& a, const std::string& b) {
                            return icompare_ascii(a, b) == 0;
                          }),
              lines.end());
  lines_ = std::move(lines);
  loaded_ = true;
}

const std::vector<std::string>& ChaseList::lines() {
  load();
  return lines_;
}

bool ChaseList::add(std::string_view pedigree, std::string_view name) {
  load();
  std::string line(pedigree);
  line.append(name);
  const auto at = std::lower_bound(lines_.begin(), lines_.end(), line, before);
  const bool fresh = at == lines_.end() || icompare_ascii(*at, line) != 0;
  if (fresh) lines_.insert(at, std::move(line));
  write_lines(app_path(kChaseFile), lines_);
  return fresh;
}

void SelectCardHorse(const Day& day, int slot, RaceCardControls& card, int row) {
  if (row < 1 || row > CardRunners(day, slot)) return;
  card.SelectedHorse = row - 1;
  const SeRecord* se = selected_runner(day, slot, card);
  if (se == nullptr) return;
  const std::string name = shown_name(se->field(jv::se::Bamei));
  card.R1.set_text(SJ("追跡馬に登録:") + name);
  card.HorseInfoItem.set_text(SJ("馬情報:") + name);
  card.JockeyInfoItem.set_text(SJ("騎手情報:") + shown_name(se->field(jv::se::KisyuRyakusyo)));
  card.TrainerInfoItem.set_text(SJ("調教師情報:") +
                                shown_name(se->field(jv::se::ChokyosiRyakusyo)));
}

bool RegisterChaseHorse(Day& day, int slot, RaceCardControls& card, ChaseList& list,
                        Dialogs& dialogs) {
  const SeRecord* se = selected_runner(day, slot, card);
  if (se == nullptr || is_blank(se->field(jv::se::KettoNum))) return false;
  const std::string name = shown_name(se->field(jv::se::Bamei));
  if (!dialogs.confirm(name + SJ("を追跡馬に登録しますか？"))) return false;
  day.Work[static_cast<std::size_t>(slot)].ChaseMark[static_cast<std::size_t>(card.SelectedHorse)] =
      1;
  try {
    list.add(se->field(jv::se::KettoNum), se->field(jv::se::Bamei));
  } catch (const FileError& e) {
    dialogs.error(e.what());
    return false;
  }
  dialogs.info(name + SJ("を追跡馬に登録しました。"));
  return true;
}

}  // namespace rv
