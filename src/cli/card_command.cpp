// card DAY SLOT: loads the day, shows the race and prints its header labels and cards.
#include "cli/race_arg.h"

namespace rv::cli {
namespace {

void print_card(CliContext& ctx) {
  const RaceCardControls& c = ctx.form.card;
  for (const Label* l : {&c.Label1, &c.Label2, &c.Label3, &c.Label4, &c.Label6, &c.Label7}) {
    print_line(ctx.out, l->text());
  }
  const std::pair<const char*, const Grid*> grids[] = {{"StringGrid6", &c.StringGrid6},
                                                       {"StringGrid26", &c.StringGrid26},
                                                       {"StringGrid8", &c.StringGrid8}};
  for (const auto& [name, grid] : grids) {
    ctx.out << "## " << name << "\n";
    print_grid(ctx.out, *grid);
  }
}

}  // namespace

std::unique_ptr<CliCommand> make_card_command() {
  return make_shown_race_command("card", print_card);
}

}  // namespace rv::cli
