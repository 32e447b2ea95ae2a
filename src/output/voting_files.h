// The voting files of one bet type of the race on screen: the .BET file for voting software,
// written into the bet folder, and the order file of the voting plug-in, written into the
// plug-in's "\kaime" folder before the plug-in is started with it. Both are built whole,
// confirmed by the user and then replace the day's file of that name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "betting/bet_table.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

// What the writers read of the main window.
struct VoteSource {
  std::string day_text;   // the date box's text
  int race_index = -1;    // the race list's selection; -1 for none
  std::string race_text;  // the selected race-list entry
  std::string_view ra;    // RA record of the race on screen
};

struct VoteServices {
  const TIniGT& ini;
  Dialogs& dialogs;
  Desktop& desktop;
};

enum class VoteStatus : std::uint8_t {
  kRefused,       // a check stopped it with its message; nothing written
  kDeclined,      // the user answered No; nothing written or started
  kWriteFailed,   // the file could not be written (message shown); nothing started
  kWritten,       // the .BET file was written
  kLaunchFailed,  // the order file was written but the plug-in did not start (message shown)
  kLaunched,      // the order file was written and the plug-in started with it
};

struct VoteResult {
  VoteStatus status = VoteStatus::kRefused;
  std::filesystem::path file;  // the file written, when one was
};

// Writes the .BET file of the table's bet type into the bet folder.
VoteResult WriteBetFile(const VoteSource& source, const BetTable& table, const VoteServices& svc);

// Writes the plug-in's order file of the table's bet type and starts the plug-in with it. The
// process's current folder is the plug-in's while it starts and the program folder after.
VoteResult SendToVotingPlugin(const VoteSource& source, const BetTable& table,
                              const VoteServices& svc);

// The folder of .BET files: [Dir] kaime, or the program folder's "\kaime" while the setting
// names the program folder itself (its default) or is empty.
std::filesystem::path BetFolder(const TIniGT& ini);

// Lets the user choose the bet folder, starting at the one set now, and stores the choice.
void ChooseBetFolder(TIniGT& ini, Desktop& desktop);

// The plug-in's program in its installation folder.
inline constexpr std::string_view kVotingPluginProgram = "RGTTohyoPlugIn2.exe";

}  // namespace rv
