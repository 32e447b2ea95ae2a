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

#include "acquire/jvlink_protocol.h"
#include "acquire/jvlink_sim.h"
#include "support/files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

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
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--feed" && argc == 3) {
    rv::JVLinkSim sim(rv::utf8_path(argv[2]));
    return serve(sim);
  }
#ifdef _WIN32
  if (argc <= 2 && first.substr(0, 2) != "--") {
    return rv::with_jvlink_com(first.empty() ? "JVDTLab.JVLink" : std::string(first),
                               [](rv::JVLink& jv) { return serve(jv); });
  }
#endif
  std::fputs("usage: ravelin-jvlink [PROGID] | --feed DIR\n", stderr);
  return 2;
}
