// vote DAY SLOT TYPE [--plugin]: loads the day, shows the race and writes the .BET file (or
// the plug-in's order file, then starts the plug-in) of one bet type; prints the path written.
#include <optional>

#include "cli/race_arg.h"
#include "model/bet_type.h"
#include "support/files.h"

namespace rv::cli {
namespace {

class VoteCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    std::vector<std::string> plain;
    for (const std::string& a : args) {
      if (a == "--plugin") {
        plugin_ = true;
      } else if (a.starts_with("--")) {
        throw UsageError("unknown option " + a);
      } else {
        plain.push_back(a);
      }
    }
    if (plain.size() != 3) throw UsageError("vote takes DAY, SLOT and TYPE");
    race_.parse(plain[0], plain[1]);
    const std::optional<BetType> type =
        sjis_representable(plain[2]) ? BetTypeFromText(sj(plain[2])) : std::nullopt;
    if (!type) {
      throw UsageError("TYPE must be a bet type name (単勝 … ３連単) or 0..7: " + plain[2]);
    }
    type_ = *type;
  }

  int run(CliContext& ctx) override {
    MainForm& form = ctx.form;
    if (const int status = race_.show(ctx); status != 0) return status;
    const VoteResult r = plugin_ ? form.SendToVotingPlugin(type_) : form.WriteBetFile(type_);
    if (!r.file.empty()) print_line(ctx.out, path_text(r.file));
    return r.status == VoteStatus::kWritten || r.status == VoteStatus::kLaunched ? 0 : 1;
  }

 private:
  RaceArgs race_;
  BetType type_ = BetType::kTansho;
  bool plugin_ = false;
};

}  // namespace

std::unique_ptr<CliCommand> make_vote_command() {
  return std::make_unique<VoteCommand>();
}

}  // namespace rv::cli
