// The stand-in's jvlink.ini as anyone could have written it: parsed without failing.
#include <cstdint>
#include <string_view>

#include "acquire/jvlink_sim_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rv::JVLinkSimConfig c =
      rv::parse_jvlink_sim_config(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)c.call_fault("JVREAD", 3);
  return 0;
}
