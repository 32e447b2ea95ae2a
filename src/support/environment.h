// What a program is given, as UTF-8 on every platform: on Windows through the wide calls,
// never the ANSI code page, so a folder with Japanese characters in its name works.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rv {

// The arguments after the program's name.
std::vector<std::string> program_args(int argc, char** argv);

// An environment variable; nullopt when it is not set.
std::optional<std::string> env_var(const char* name);

// This process's id, as the system numbers processes.
int process_id();

// Standard output and input without any line-end translation (Windows adds CR otherwise).
void binary_std_streams();

}  // namespace rv
