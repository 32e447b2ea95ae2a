// loss show | record DAY SLOT YEN | delete ROW | clear: the loss register's commands
// ("損失記録", "削除(&D)", "全削除(&A)"), then its table (headings first, the hidden column
// included) and the RuisonLabel text; the status is 1 when the command was refused.
#include <charconv>
#include <string>
#include <vector>

#include "cli/day_arg.h"
#include "cli/race_arg.h"
#include "support/text.h"

namespace rv::cli {
namespace {

int parse_number(const std::string& text, const char* what) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw UsageError(std::string(what) + " must be a whole number: " + text);
  }
  return v;
}

class LossCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.empty()) throw UsageError("loss takes show, record, delete or clear");
    action_ = args[0];
    const std::size_t wanted = action_ == "record" ? 4 : action_ == "delete" ? 2 : 1;
    if ((action_ != "show" && action_ != "record" && action_ != "delete" && action_ != "clear") ||
        args.size() != wanted) {
      throw UsageError("loss show | record DAY SLOT YEN | delete ROW | clear");
    }
    if (action_ == "record") {
      race_.parse(args[1], args[2]);
      yen_ = parse_number(args[3], "YEN");
    }
    if (action_ == "delete") row_ = parse_number(args[1], "ROW");
  }

  int run(CliContext& ctx) override {
    TLossRegForm& loss = ctx.form.LossRegForm();
    if (action_ == "record") {
      if (const int status = LoadDayArg(ctx, race_.day); status != 0) return status;
      if (race_.slot >= loss.DatList.count()) {
        ctx.dialogs.info(sj("レース " + std::to_string(race_.slot) + " はありません（" +
                            std::to_string(loss.DatList.count()) + " レース）。"));
        return 1;
      }
      loss.DatList.set_item_index(race_.slot);
      loss.SaNumEditExC3.set_text(std::to_string(yen_));
      if (!loss.TanLossBtnClick()) done_ = false;
    } else if (action_ == "delete") {
      if (row_ < 1 || row_ >= loss.StringGrid4.row_count() || loss.empty()) {
        ctx.dialogs.info(sj("行 " + std::to_string(row_) + " はありません。"));
        return 1;
      }
      loss.StringGrid4MouseDown(row_);
      if (!loss.DeleteItemClick()) done_ = false;
    } else if (action_ == "clear") {
      if (!loss.ClearItemClick()) done_ = false;
    }
    print_grid(ctx.out, loss.StringGrid4);
    print_line(ctx.out, loss.RuisonLabel.text());
    return done_ ? 0 : 1;
  }

 private:
  std::string action_;
  RaceArgs race_;
  int yen_ = 0;
  int row_ = 0;
  bool done_ = true;
};

}  // namespace

std::unique_ptr<CliCommand> make_loss_command() {
  return std::make_unique<LossCommand>();
}

}  // namespace rv::cli
