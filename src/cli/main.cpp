#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/environment.h"

int main(int argc, char** argv) {
  rv::binary_std_streams();
  const std::vector<std::string> args = rv::program_args(argc, argv);
  const int status = rv::cli::run(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
