#include "output/voting_files.h"

#include <exception>
#include <optional>
#include <system_error>
#include <vector>

#include "output/vote_lines.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

bool refuse(Dialogs& dialogs, const std::string& message) {
  dialogs.beep();
  dialogs.info(message);
  return false;
}

// The checks both files start with: a day, a race, and bets in the table.
bool ready(const VoteSource& source, const BetTable& table, Dialogs& dialogs) {
  if (is_blank(source.day_text)) return refuse(dialogs, SJ("開催日ﾃﾞｰﾀを読み込んでください。"));
  if (source.race_index < 0) return refuse(dialogs, SJ("レースデータを読み込んでください。"));
  if (CountBetRows(table) == 0) return refuse(dialogs, SJ("買い目が作成されていません。"));
  return true;
}

// The race's identity names the file, so a damaged RA record stops here.
std::optional<VoteRace> race_of(const VoteSource& source, Dialogs& dialogs) {
  std::optional<VoteRace> race = VoteRace::FromRa(source.ra);
  if (!race) refuse(dialogs, SJ("レースデータが正しくありません。"));
  return race;
}

// A folder named in the settings file; a relative name counts from the program folder.
fs::path setting_folder(std::string_view text) {
  fs::path p = text_path(text);
  if (p.is_relative()) p = app_dir() / p;
  p = p.lexically_normal();
  if (!p.has_filename() && p.has_parent_path() && p != p.root_path()) p = p.parent_path();
  return p;
}

std::string plugin_setting(const TIniGT& ini) {
  return std::string(trim(ini.ReadString("Dir", "RGTTohyo2", "")));
}

// Saves the lines whole, replacing the day's file. A missing folder is named in its own
// message and never created: the user picks the bet folder, the plug-in brings its own.
bool save(const fs::path& folder, const fs::path& file, const std::vector<std::string>& lines,
          const std::string& missing_folder_message, Dialogs& dialogs) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    dialogs.error(missing_folder_message);
    return false;
  }
  try {
    write_lines(file, lines);
  } catch (const FileError& e) {
    dialogs.error(e.what());
    return false;
  }
  return true;
}

// The plug-in starts from its own folder, which is the current folder while it starts. A
// folder that is gone, a missing program or a launch that fails is one error for the user.
bool start_plugin(const fs::path& order_file, const VoteServices& svc) {
  bool started = false;
  try {
    const std::string setting = plugin_setting(svc.ini);
    const fs::path folder = setting_folder(setting);
    std::error_code ec;
    if (!setting.empty()) fs::current_path(folder, ec);
    const fs::path program = resolve_below(folder, "\\" + std::string(kVotingPluginProgram));
    started = !setting.empty() && !ec && file_exists(program) &&
              svc.desktop.launch(program, {path_text(order_file)}, program.parent_path());
  } catch (const std::exception&) {
    started = false;
  }
  // The program folder stays the current folder whatever the plug-in did.
  std::error_code ec;
  fs::current_path(app_dir(), ec);
  if (!started) {
    refuse(svc.dialogs,
           SJ("投票プラグイン２の呼び出しでエラーが発生しました。") + "\r\n" +
               SJ("投票プラグイン２が正しくインストールされているか確認してください。"));
  }
  return started;
}

}  // namespace

fs::path BetFolder(const TIniGT& ini) {
  const std::string app = app_dir_text();
  const std::string value(trim(ini.ReadString("Dir", "kaime", app)));
  if (value.empty() || value == app || setting_folder(value) == app_dir()) {
    return app_path("\\kaime");
  }
  return setting_folder(value);
}

void ChooseBetFolder(TIniGT& ini, Desktop& desktop) {
  const std::string now = ini.ReadString("Dir", "kaime", app_dir_text());
  const std::optional<fs::path> chosen =
      desktop.choose_folder(SJ("買い目ﾌｫﾙﾀﾞの指定"), setting_folder(now));
  if (chosen) ini.WriteString("Dir", "kaime", path_text(*chosen));
}

VoteResult WriteBetFile(const VoteSource& source, const BetTable& table, const VoteServices& svc) {
  VoteResult result;
  if (!ready(source, table, svc.dialogs)) return result;
  const std::optional<VoteRace> race = race_of(source, svc.dialogs);
  if (!race) return result;
  const fs::path folder = BetFolder(svc.ini);
  VoteLines bets = BuildVoteLines(VoteFileKind::kBetFile, *race, table);
  if (!bets.problem.empty()) {
    refuse(svc.dialogs, bets.problem);
    return result;
  }
  std::vector<std::string> lines{BetFileHeader(*race)};
  lines.insert(lines.end(), bets.lines.begin(), bets.lines.end());

  if (!svc.dialogs.confirm("[" + source.race_text + ":" + table.name() +
                           SJ("]に投票します。投票ファイルを出力しますか？"))) {
    result.status = VoteStatus::kDeclined;
    return result;
  }
  const fs::path file = resolve_below(folder, "\\" + race->file_stem() + ".BET");
  const std::string missing = SJ("買い目ﾌｫﾙﾀﾞ ") + path_text(folder) + SJ(" がありません。") +
                              "\r\n" + SJ("「買い目ﾌｫﾙﾀﾞ指定」で出力先を指定してください。");
  if (!save(folder, file, lines, missing, svc.dialogs)) {
    result.status = VoteStatus::kWriteFailed;
    return result;
  }
  result.status = VoteStatus::kWritten;
  result.file = file;
  return result;
}

VoteResult SendToVotingPlugin(const VoteSource& source, const BetTable& table,
                              const VoteServices& svc) {
  VoteResult result;
  if (!ready(source, table, svc.dialogs)) return result;
  const std::string setting = plugin_setting(svc.ini);
  if (setting.empty()) {
    refuse(svc.dialogs, SJ("「RGT投票プラグイン２」が正常にインストールされていません。"
                           "再インストールしてください。"));
    return result;
  }
  const std::optional<VoteRace> race = race_of(source, svc.dialogs);
  if (!race) return result;
  const fs::path folder = resolve_below(setting_folder(setting), "\\kaime");
  const VoteLines orders = BuildVoteLines(VoteFileKind::kPlugin, *race, table);
  if (!orders.problem.empty()) {
    refuse(svc.dialogs, orders.problem);
    return result;
  }

  if (!svc.dialogs.confirm("[" + source.race_text + ":" + table.name() +
                           SJ("]に投票します。実行してよろしいですか？"))) {
    result.status = VoteStatus::kDeclined;
    return result;
  }
  const fs::path file = resolve_below(folder, "\\" + race->file_stem() + ".csv");
  const std::string missing =
      SJ("投票プラグイン２のﾌｫﾙﾀﾞ ") + path_text(folder) + SJ(" がありません。") + "\r\n" +
      SJ("投票プラグイン２が正しくインストールされているか確認してください。");
  if (!save(folder, file, orders.lines, missing, svc.dialogs)) {
    result.status = VoteStatus::kWriteFailed;
    return result;
  }
  result.file = file;
  result.status = start_plugin(file, svc) ? VoteStatus::kLaunched : VoteStatus::kLaunchFailed;
  return result;
}

}  // namespace rv
