// results DAY SLOT: loads the day, shows the race and prints its results tab: per bet type
// its name, then the result, popularity and payout rows, each caption followed by its
// columns separated by TAB (an empty column is an empty field).
#include <string>

#include "cli/race_arg.h"
#include "model/bet_type.h"

namespace rv::cli {
namespace {

class ResultsCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 2) throw UsageError("results takes DAY and SLOT");
    race_.parse(args[0], args[1]);
  }

  int run(CliContext& ctx) override {
    if (const int status = race_.show(ctx); status != 0) return status;
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
    return 0;
  }

 private:
  RaceArgs race_;
};

}  // namespace

std::unique_ptr<CliCommand> make_results_command() {
  return std::make_unique<ResultsCommand>();
}

}  // namespace rv::cli
