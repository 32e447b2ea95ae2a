#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = rv::cli::run(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
