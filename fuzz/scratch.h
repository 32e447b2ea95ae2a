// What the fuzz targets that go through files share: a program folder of the process's own,
// and plain writes into it.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/app_dir.h"
#include "support/files.h"

namespace rv::fuzz {

// "<temp>/fuzz-<name>-<pid>" with the folders given, made and set as AppDir. From then on
// the program's writes leave their bytes to the system's cache: scratch files need not
// survive a power cut, and waiting for the disk would take most of each run.
inline std::filesystem::path ScratchAppDir(const char* name,
                                           std::initializer_list<const char*> folders) {
  static const DiskFlushOffScope cached;
  std::filesystem::path p = std::filesystem::temp_directory_path() /
                            ("fuzz-" + std::string(name) + "-" + std::to_string(getpid()));
  for (const char* f : folders) std::filesystem::create_directories(p / f);
  std::filesystem::create_directories(p);
  set_app_dir(p);
  return p;
}

// Scratch files need not reach the disk; flushing each would slow the run.
inline void WriteScratch(const std::filesystem::path& file, std::string_view bytes) {
  std::FILE* f = std::fopen(file.c_str(), "wb");
  if (f == nullptr) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

}  // namespace rv::fuzz
