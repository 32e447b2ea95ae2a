#include "cli/console_services.h"

#include "cli/cli.h"
#include "support/text.h"

namespace rv::cli {

void ConsoleDialogs::info(std::string_view text) {
  print_line(err_, text);
}

bool ConsoleDialogs::confirm(std::string_view text) {
  print_line(err_, std::string(text) + (answer_yes_ ? " -> Yes" : " -> No"));
  return answer_yes_;
}

void ConsoleDialogs::error(std::string_view text) {
  ++errors_shown_;
  print_line(err_, text);
}

}  // namespace rv::cli
