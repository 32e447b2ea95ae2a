#include "cli/cli.h"

namespace rv::cli {

std::unique_ptr<CliCommand> make_days_command();
std::unique_ptr<CliCommand> make_races_command();
std::unique_ptr<CliCommand> make_bets_command();
std::unique_ptr<CliCommand> make_download_command();
std::unique_ptr<CliCommand> make_card_command();
std::unique_ptr<CliCommand> make_results_command();
std::unique_ptr<CliCommand> make_vote_command();
std::unique_ptr<CliCommand> make_fetch_command();
std::unique_ptr<CliCommand> make_raceday_command();
std::unique_ptr<CliCommand> make_preview_command();
std::unique_ptr<CliCommand> make_loss_command();
std::unique_ptr<CliCommand> make_mail_command();
std::unique_ptr<CliCommand> make_import_viewer_command();
std::unique_ptr<CliCommand> make_vrh_command();
std::unique_ptr<CliCommand> make_stats_command();
// Evaluation: hit lists, return totals, 枠連 counts and verification.
std::unique_ptr<CliCommand> make_report_command();
std::unique_ptr<CliCommand> make_verify_command();
#ifdef RAVELIN_PRINT
std::unique_ptr<CliCommand> make_print_command();
#endif

std::span<const CliCommandEntry> cli_commands() {
  static const CliCommandEntry kCommands[] = {
      {"days", "", make_days_command},
      {"races", "DAY", make_races_command},
      {"bets", "DAY SLOT [--set N] [--amount YEN] [--mode 0|1]", make_bets_command},
      {"download", "[--from yyyymmddhhnnss] [--odds] [--week] [--quiet] [--timeout SECONDS]",
       make_download_command},
      {"card", "DAY SLOT", make_card_command},
      {"results", "DAY SLOT", make_results_command},
      {"vote", "DAY SLOT TYPE [--plugin]", make_vote_command},
      {"fetch", "odds|results|mining|changes DAY [SLOT] | all-odds DAY", make_fetch_command},
      {"raceday", "DAY --from hhmm --to hhmm", make_raceday_command},
      {"preview", "DAY SLOT", make_preview_command},
      {"loss", "show | record DAY SLOT YEN | delete ROW | clear", make_loss_command},
      {"mail", "test | deliver DAY SLOT", make_mail_command},
      {"import-viewer", "DAY", make_import_viewer_command},
      {"vrh", "day DAY|--all | csv DAY|--all | log | other DAY|--month yyyymm", make_vrh_command},
      {"stats", "finish-rates", make_stats_command},
      // Evaluation.
      {"report", "hits DAY [--ana] | totals DAY | ninki", make_report_command},
      {"verify", "13|34 DAY|--all", make_verify_command},
#ifdef RAVELIN_PRINT
      {"print", "DAY --pdf FILE", make_print_command},
#endif
  };
  return kCommands;
}

}  // namespace rv::cli
