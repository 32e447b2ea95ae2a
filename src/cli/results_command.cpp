// results DAY SLOT: loads the day, shows the race and prints its results tab: per bet type
// its name, then the result, popularity and payout rows, each caption followed by its
// columns separated by TAB (an empty column is an empty field).
#include <string>

#include "cli/race_arg.h"
#include "model/bet_type.h"

namespace rv::cli {
namespace {

void print_results(CliContext& ctx) {
  const ResultsTab& tab = ctx.form.card.results;
  std::string line;
  for (const BetType t : kBetTypes) {
    const ResultGroup& g = tab.group(t);
    print_line(ctx.out, BetTypeName(t));
    const std::pair<const Label*, const std::array<Label, 7>*> rows[] = {
        {&g.KekkaCaption, &g.Kekka}, {&g.NinkiCaption, &g.Ninki}, {&g.HaitoCaption, &g.Haito}};
    for (const auto& [caption, values] : rows) {
      line = caption->text();
      for (int k = 0; k < g.columns; ++k) {
        line += '\t';
        line += (*values)[static_cast<std::size_t>(k)].text();
      }
      print_line(ctx.out, line);
    }
  }
}

}  // namespace

std::unique_ptr<CliCommand> make_results_command() {
  return make_shown_race_command("results", print_results);
}

}  // namespace rv::cli
