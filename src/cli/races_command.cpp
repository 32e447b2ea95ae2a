// races DAY: loads the day and prints the race list, one line per race: slot TAB item.
#include "cli/day_arg.h"

namespace rv::cli {
namespace {

class RacesCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 1) throw UsageError("races takes one DAY");
    day_ = ParseDayArg(args[0]);
  }

  int run(CliContext& ctx) override {
    if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
    const ListControl& list = ctx.form.loaded_day.DatList;
    for (int i = 0; i < list.count(); ++i) {
      print_line(ctx.out, std::to_string(i) + "\t" + list.item(i));
    }
    return 0;
  }

 private:
  std::string day_;
};

}  // namespace

std::unique_ptr<CliCommand> make_races_command() {
  return std::make_unique<RacesCommand>();
}

}  // namespace rv::cli
