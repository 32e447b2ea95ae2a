// ravelin-jvlink: hosts JV-Link for the program, which talks to it through its standard
// input and output in the frames of acquire/jvlink_protocol.h (see JVLinkBridge).
//
//   ravelin-jvlink [PROGID]     the COM control created by its ProgID (Windows; by default
//                               "JVDTLab.JVLink")
//   ravelin-jvlink --feed DIR   the stand-in serving the feed folder DIR
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/jvlink_protocol.h"
#include "acquire/jvlink_sim.h"
#include "support/environment.h"
#include "support/files.h"

#ifdef _WIN32
#include "jvhelper/jvlink_com.h"
#endif

namespace {

bool read_exact(char* buf, std::size_t n) {
  return std::fread(buf, 1, n, stdin) == n;
}

bool write_all(std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
         std::fflush(stdout) == 0;
}

int serve(rv::JVLink& jv) {
  return rv::serve_jvlink(jv, read_exact, write_all) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  rv::binary_std_streams();
  const std::vector<std::string> args = rv::program_args(argc, argv);
  const std::string first = args.empty() ? "" : args[0];
  if (first == "--feed" && args.size() == 2) {
    rv::JVLinkSim sim(rv::utf8_path(args[1]));
    return serve(sim);
  }
#ifdef _WIN32
  if (args.size() <= 1 && first.substr(0, 2) != "--") {
    return rv::with_jvlink_com(first.empty() ? "JVDTLab.JVLink" : first,
                               [](rv::JVLink& jv) { return serve(jv); });
  }
#endif
  std::fputs("usage: ravelin-jvlink [PROGID] | --feed DIR\n", stderr);
  return 2;
}
