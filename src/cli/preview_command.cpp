// preview DAY SLOT: loads the day, shows the race and prints the 枠連 preview: the odds table
// StringGrid2, one line per label (name, text, background as #rrggbb), then the 枠連 bet
// table with its totals as bets prints it.
#include <string>
#include <vector>

#include "cli/race_arg.h"
#include "support/text.h"

namespace rv::cli {
namespace {

void print_preview(CliContext& ctx) {
  MainForm& f = ctx.form;
  print_line(ctx.out, "## StringGrid2");
  print_grid(ctx.out, f.preview.StringGrid2);
  for (const auto& [name, label] : PreviewLabels(f.preview, f.card.Tan1Label)) {
    const Rgb bg = label->color() == kDefaultColor ? colors::kCream : label->color();
    print_line(ctx.out, name + "\t" + label->text() + "\t" + fmt("#%06x", bg));
  }
  print_line(ctx.out, "## StringGrid28");
  std::vector<std::string> lines;
  BetTableListing(f.bets[BetType::kWakuren], lines);
  for (const std::string& line : lines) print_line(ctx.out, line);
}

}  // namespace

std::unique_ptr<CliCommand> make_preview_command() {
  return make_shown_race_command("preview", print_preview);
}

}  // namespace rv::cli
