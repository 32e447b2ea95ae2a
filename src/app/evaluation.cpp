#include "app/evaluation.h"

#include <algorithm>
#include <optional>

#include "app/main_form.h"
#include "app/replay.h"
#include "jvdata/code_tables.h"
#include "stats/hit_list.h"
#include "stats/ninki_count.h"
#include "stats/return_totals.h"
#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

// A walk over races as the window sees it: repainting stopped, the busy cursor on, and for
// an all-days run the progress shown; all undone however the walk ends.
class WalkScope {
 public:
  WalkScope(const std::function<void(bool)>& on_walk, Dialogs& dialogs, BatchControls* batch)
      : on_walk_(on_walk), dialogs_(dialogs), batch_(batch) {
    if (on_walk_) on_walk_(true);
    dialogs_.busy(true);
    if (batch_ != nullptr) batch_->BatchPanel.set_visible(true);
  }
  ~WalkScope() {
    if (batch_ != nullptr) {
      batch_->BatchPanel.set_visible(false);
      batch_->BatchLabel.set_text({});
      batch_->BatchBar.set_position(0);
    }
    dialogs_.busy(false);
    if (on_walk_) on_walk_(false);
  }
  WalkScope(const WalkScope&) = delete;
  WalkScope& operator=(const WalkScope&) = delete;

 private:
  const std::function<void(bool)>& on_walk_;
  Dialogs& dialogs_;
  BatchControls* batch_;
};

std::string selected_method(const MainForm& form) {
  const RadioGroup& g = form.allocation.RadioGroup1;
  const int i = g.item_index();
  return i >= 0 && i < static_cast<int>(g.items().size()) ? g.items()[static_cast<std::size_t>(i)]
                                                          : std::string();
}

}  // namespace

Evaluation::Evaluation(MainForm& form, EvaluationControls& controls) : form_(form), c_(controls) {}

std::string Evaluation::caption() const {
  if (form_.race_on_screen().slot() >= 0) return form_.card.Label1.text().substr(0, 14);
  return form_.race_day().Date;
}

std::string Evaluation::stamp() const {
  const Day& day = form_.race_day();
  if (day.slot_in_use(0)) {
    return std::string(day.RaData[0].field(jv::head::Year)) +
           std::string(day.RaData[0].field(jv::head::MonthDay));
  }
  std::string digits;
  for (const char ch : day.Date) {
    if (ch >= '0' && ch <= '9') digits += ch;
  }
  return digits.size() == 8 ? digits : std::string();
}

fs::path Evaluation::save(const std::string& name, const std::vector<std::string>& lines) {
  const fs::path folder = app_path("\\HPupload");
  std::error_code ec;
  fs::create_directories(folder, ec);
  fs::path file = app_path("\\HPupload\\" + name);
  write_lines(file, lines);
  return file;
}

void Evaluation::show(const fs::path& file, const std::vector<std::string>& lines) {
  form_.desktop().open(file);
  form_.desktop().set_clipboard(join_lines(lines));
}

bool Evaluation::walk_loaded_day(const std::function<void(int slot)>& race) {
  if (stamp().empty()) return false;
  const WalkScope scope(on_walk, form_.dialogs(), nullptr);
  ReplayHooks hooks;
  hooks.race = [&race](MainForm& /*form*/, int slot) { race(slot); };
  ReplayLoadedDay(form_, hooks);
  return true;
}

bool Evaluation::walk_all_days(const std::function<void(int slot)>& race,
                               const std::function<void()>& day_done) {
  std::vector<std::string> days = form_.day.DateCombo.items();
  std::reverse(days.begin(), days.end());
  cancel_ = false;
  BatchControls& b = form_.batch;
  const WalkScope scope(on_walk, form_.dialogs(), &b);
  b.BatchBar.set_max(static_cast<int>(days.size()));
  ReplayHooks hooks;
  hooks.day_begins = [&](const std::string& day, const ReplayProgress& p) {
    b.BatchLabel.set_text(fmt("%d/%d日目 ", p.days_done + 1, p.days) + day);
    b.BatchBar.set_position(p.days_done);
    if (on_day) on_day(b.BatchLabel.text());
    pump_messages(form_.dialogs());
  };
  hooks.race = [&](MainForm& /*form*/, int slot) {
    race(slot);
    pump_messages(form_.dialogs());
  };
  hooks.day_done = [&](const ReplayProgress& /*p*/) {
    if (form_.last_day_load() == DayLoadResult::kLoaded) day_done();
  };
  hooks.cancelled = [this] { return cancel_; };
  return !Replay(form_, days, hooks).cancelled;
}

WrittenFiles Evaluation::TekiAnaBtnClick(bool ana) {
  const auto hold = running_.enter();
  if (!hold) return {};
  const fs::path manbaken = app_path("\\HPupload\\Manbaken.txt");
  HitList list =
      StartHitList(file_exists(manbaken) ? read_lines(manbaken) : std::vector<std::string>());
  const bool walked = walk_loaded_day(
      [&](int slot) { AddRaceHits(form_.race_day(), slot, form_.bets, ana, list); });
  if (!walked || !list.worth_writing()) return {};
  WrittenFiles written{save("TK" + stamp() + ".txt", list.html)};
  show(written[0], list.html);
  written.push_back(save("Manbaken.txt", list.manbaken));
  return written;
}

WrittenFiles Evaluation::ShukeiBtnClick() {
  const auto hold = running_.enter();
  if (!hold) return {};
  const std::string head = caption();
  TypeTotals totals{};
  if (!walk_loaded_day([&](int /*slot*/) { AddRaceTotals(form_.bets, totals); })) return {};
  std::array<std::string, 3> venues;
  for (std::size_t i = 0; i < venues.size(); ++i) {
    venues[i] = BashoName(form_.race_day().BashoLabel[i]);
  }
  const std::vector<std::string> lines = ReturnTotalsLines(head, venues, totals);
  const fs::path file = save("Kaishu" + stamp() + ".txt", lines);
  show(file, lines);
  return {file};
}

WrittenFiles Evaluation::N41Click() {
  const auto hold = running_.enter();
  if (!hold) return {};
  std::vector<std::string> lines{NinkiCountHeader()};
  NinkiCount day;
  const bool whole = walk_all_days([&](int slot) { day.AddRace(form_.race_day(), slot); },
                                   [&] {
                                     lines.push_back(NinkiCountLine(form_.race_day().Date, day));
                                     day = {};
                                   });
  if (!whole) return {};
  const fs::path file = save("ninkicount.csv", lines);
  form_.desktop().open(file);
  return {file};
}

WrittenFiles Evaluation::KenshoClick(FilterSet set) {
  const auto hold = running_.enter();
  if (!hold || stamp().empty()) return {};
  const VerifySettings s = ReadVerifySettings(form_.preview, selected_method(form_), set);
  const std::string head = caption();
  DayVerification v(set, head, VerifyDayHeader(set, s, head));
  walk_loaded_day([&](int slot) {
    v.AddRace(form_.race_day(), slot, form_.preview, form_.card.Tan1Label,
              form_.bets[BetType::kWakuren]);
  });
  const std::vector<std::string> report = v.Report();
  const fs::path file = save("Kaishu" + stamp() + ".txt", report);
  show(file, report);
  return {file};
}

WrittenFiles Evaluation::KenshoAllDays(FilterSet set) {
  const auto hold = running_.enter();
  if (!hold) return {};
  const VerifySettings s = ReadVerifySettings(form_.preview, selected_method(form_), set);
  std::vector<std::string> report;
  std::vector<std::string> csv;
  VerifyAllDaysHeader(set, s, report, csv);
  HitTotals all;
  std::vector<std::string> last_day;
  WrittenFiles written;
  std::optional<DayVerification> day;
  const auto begin_day = [&] {
    if (!day) day.emplace(set, caption(), VerifyDayHeader(set, s, caption()));
  };
  const bool whole = walk_all_days(
      [&](int slot) {
        begin_day();
        day->AddRace(form_.race_day(), slot, form_.preview, form_.card.Tan1Label,
                     form_.bets[BetType::kWakuren]);
      },
      [&] {
        begin_day();
        last_day = day->Report();
        written.push_back(save("Kaishu" + stamp() + ".txt", last_day));
        if (const std::string summary = day->Summary(); !summary.empty()) {
          report.push_back(summary);
        }
        all += day->totals();
        csv.insert(csv.end(), day->csv().begin(), day->csv().end());
        day.reset();
      });
  if (!whole) return written;
  report.emplace_back("-------");
  report.push_back(SJ("全集計：") + TotalsText(all));
  const fs::path report_file = save("Kaishu.txt", report);
  const fs::path csv_file = save("Kaishu.csv", csv);
  form_.desktop().open(report_file);
  form_.desktop().open(csv_file);
  form_.desktop().set_clipboard(join_lines(last_day));
  written.push_back(report_file);
  written.push_back(csv_file);
  return written;
}

}  // namespace rv
