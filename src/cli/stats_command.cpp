// stats finish-rates: "出現率集計", the finish-rate table from every stored day with results;
// the path written.
#include <string>
#include <vector>

#include "cli/dev_menu_run.h"

namespace rv::cli {
namespace {

class StatsCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 1 || args[0] != "finish-rates") throw UsageError("stats finish-rates");
  }

  int run(CliContext& ctx) override {
    return RunDevelopmentCommand(ctx, [](DevelopmentMenu& m) { m.FinishRateClick(); });
  }
};

}  // namespace

std::unique_ptr<CliCommand> make_stats_command() {
  return std::make_unique<StatsCommand>();
}

}  // namespace rv::cli
