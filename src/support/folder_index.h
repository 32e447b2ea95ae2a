// The names of folders, folded to one case, so that a case-insensitive look-up needs no
// folder read, also for a name that does not exist (a day file about to be created).
//
// A folder is read on its first look-up. Writes through write_file_atomic add their names at
// once; anything else (another program, a folder made by the start-up) is caught by the
// folder's modification stamp, checked at every look-up: a changed stamp reads the folder
// again. A change made within the same file-clock tick as the folder's last change before it
// was read can go unseen until the folder changes again, except that a name spelled exactly
// as asked is always found.
//
// Shared by every thread: one mutex guards all folders (look-ups are short; a folder read
// holds it).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace rv {

// The name in folder that matches name (UTF-8) without regard to ASCII case: name itself
// when it exists as spelt, else the first such name of the folder; nullopt when none does.
std::optional<std::filesystem::path> find_in_folder(const std::filesystem::path& folder,
                                                    std::string_view name_utf8);

// A file or folder was created (or renamed into place) by this process at path.
void note_created(const std::filesystem::path& path);

// Folder reads so far, for tests that check a look-up was answered from the index.
std::uint64_t folder_reads();

}  // namespace rv
