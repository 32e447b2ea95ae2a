// A settings file as anyone could have edited it: every read answers, and a write keeps
// every other line and reads back what was written.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/files.h"
#include "support/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  // A scratch file: its writes need not wait for the disk.
  static const DiskFlushOffScope cached;
  static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                            ("fuzz-settings-" + std::to_string(getpid()) + ".ini");
  write_file_atomic(file, std::string_view(reinterpret_cast<const char*>(data), size), false);
  TIniGT ini(file);
  (void)ini.ReadString("Time", "AutoOzGet", "10");
  (void)ini.ReadInteger("KaimeSet", "DefaultAmount", 3000);
  (void)ini.ReadBool("alarm", "mail", false);
  ini.WriteString("JvDataGet", "LastTime", "2026/12/09 12:00:00");
  if (ini.ReadString("JvDataGet", "LastTime", "") != "2026/12/09 12:00:00") std::abort();
  ini.WriteInteger("Time", "AutoOzGet", 7);
  if (ini.ReadInteger("Time", "AutoOzGet", 0) != 7) std::abort();
  return 0;
}
