// Writing the .BET file and the plug-in's order file as a user meets them: the refusals, the
// confirmation, the folders from the settings file, the files on disk and the plug-in start.
#include "output/voting_files.h"

#include <gtest/gtest.h>

#include <system_error>

#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "output/vote_fixture.h"
#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

using testing::AppDirScope;
using testing::FakeDesktop;
using testing::FakeDialogs;
using testing::fill;
using testing::slurp;
using testing::TempDir;
using testing::tokyo_ra;
using testing::write_bytes;

const std::string kHeader = sj("東京 09年  5月 10日  2回  6日 ");

std::vector<std::string> files_in(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class VotingFiles : public ::testing::Test {
 protected:
  VotingFiles() {
    fs::create_directory(app_.path() / "kaime");
    fill(umaren_, {{" 1- 5"}});
  }
  ~VotingFiles() override {
    std::error_code ec;
    fs::current_path(cwd_, ec);
  }

  [[nodiscard]] VoteSource source() const {
    return {sj("2009年05月10日"), 10, sj("東京 11R"), ra_};
  }
  VoteServices svc() { return {ini_, dialogs_, desktop_}; }
  [[nodiscard]] fs::path kaime() const { return app_.path() / "kaime"; }

  // An installed plug-in: its folder with the program and the "kaime" folder it reads.
  fs::path install_plugin(bool with_program = true) {
    fs::path dir = plugin_.path() / "RGT2";
    fs::create_directories(dir / "kaime");
    if (with_program) write_bytes(dir / "RGTTohyoPlugIn2.exe", "MZ");
    ini_.WriteString("Dir", "RGTTohyo2", path_text(dir));
    return dir;
  }

  [[nodiscard]] std::string messages() const {
    std::string all;
    for (const std::string& c : dialogs_.calls) all += c + "\n";
    return all;
  }

  fs::path cwd_ = fs::current_path();
  AppDirScope app_;
  TempDir plugin_;
  TIniGT ini_;
  FakeDialogs dialogs_;
  FakeDesktop desktop_;
  std::string ra_ = tokyo_ra();
  BetTable umaren_{BetType::kUmaren};
};

TEST_F(VotingFiles, BetFileOfTheWorkedExampleInTheProgramsBetFolder) {
  const VoteResult r = WriteBetFile(source(), umaren_, svc());
  EXPECT_EQ(r.status, VoteStatus::kWritten);
  EXPECT_EQ(r.file, kaime() / "090510.BET");
  EXPECT_EQ(slurp(r.file), kHeader + "\r\n" + sj("11R 馬連 01-05    300") + "\r\n");
  EXPECT_EQ(dialogs_.calls,
            std::vector<std::string>{
                sj("confirm: [東京 11R:馬連]に投票します。投票ファイルを出力しますか？")});
  EXPECT_TRUE(desktop_.launches.empty());
}

TEST_F(VotingFiles, PluginOrderOfTheWorkedExampleStartsThePlugin) {
  const fs::path dir = install_plugin();
  const VoteResult r = SendToVotingPlugin(source(), umaren_, svc());
  EXPECT_EQ(r.status, VoteStatus::kLaunched);
  EXPECT_EQ(r.file, dir / "kaime" / "090510.csv");
  EXPECT_EQ(slurp(r.file), "20090510,05,11,UMAFUKU,NORMAL,300,01-05,\r\n");
  EXPECT_EQ(dialogs_.calls, std::vector<std::string>{sj(
                                "confirm: [東京 11R:馬連]に投票します。実行してよろしいですか？")});
  ASSERT_EQ(desktop_.launches.size(), 1U);
  const FakeDesktop::Launch& l = desktop_.launches[0];
  EXPECT_EQ(l.program, dir / "RGTTohyoPlugIn2.exe");
  EXPECT_EQ(l.args, std::vector<std::string>{path_text(r.file)});
  EXPECT_EQ(l.working_dir, dir);
  EXPECT_TRUE(fs::equivalent(l.current_dir, dir));  // started from its own folder
  EXPECT_TRUE(fs::equivalent(fs::current_path(), app_dir()));
}

TEST_F(VotingFiles, RefusalsComeInOrderWithABeepAndWriteNothing) {
  install_plugin();
  BetTable empty(BetType::kUmaren);
  BetTable unpriced(BetType::kUmaren);
  fill(unpriced, {{" 1- 5", "      "}, {" 1- 6", "   300", ""}});
  const std::string blank_ra(1272, ' ');
  struct Case {
    VoteSource source;
    const BetTable* table;
    const char* message;
  };
  const Case cases[] = {
      {{"", -1, "", ra_}, &umaren_, "開催日ﾃﾞｰﾀを読み込んでください。"},
      {{sj("2009年05月10日"), -1, "", ra_}, &umaren_, "レースデータを読み込んでください。"},
      {source(), &empty, "買い目が作成されていません。"},
      {source(), &unpriced, "買い目が作成されていません。"},
      {{sj("2009年05月10日"), 0, "", blank_ra}, &umaren_, "レースデータが正しくありません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::vector<std::string> expected = {"beep", "info: " + sj(c.message)};
    dialogs_.calls.clear();
    EXPECT_EQ(WriteBetFile(c.source, *c.table, svc()).status, VoteStatus::kRefused);
    EXPECT_EQ(dialogs_.calls, expected);
    dialogs_.calls.clear();
    EXPECT_EQ(SendToVotingPlugin(c.source, *c.table, svc()).status, VoteStatus::kRefused);
    EXPECT_EQ(dialogs_.calls, expected);
  }
  EXPECT_TRUE(files_in(kaime()).empty());
  EXPECT_TRUE(files_in(plugin_.path() / "RGT2" / "kaime").empty());
  EXPECT_TRUE(desktop_.launches.empty());
}

TEST_F(VotingFiles, ErasedRowsAloneGiveAHeaderOnlyBetFileAndAnEmptyOrder) {
  const fs::path dir = install_plugin();
  BetTable tansho(BetType::kTansho);
  fill(tansho, {{" 3", "   300", "   4.5", true}});
  EXPECT_EQ(WriteBetFile(source(), tansho, svc()).status, VoteStatus::kWritten);
  EXPECT_EQ(slurp(kaime() / "090510.BET"), kHeader + "\r\n");
  EXPECT_EQ(SendToVotingPlugin(source(), tansho, svc()).status, VoteStatus::kLaunched);
  EXPECT_EQ(slurp(dir / "kaime" / "090510.csv"), "");
}

TEST_F(VotingFiles, AnotherRaceOrTypeOfTheSameDayReplacesTheDaysFile) {
  const fs::path dir = install_plugin();
  WriteBetFile(source(), umaren_, svc());
  SendToVotingPlugin(source(), umaren_, svc());

  ra_ = tokyo_ra(12);
  BetTable tansho(BetType::kTansho);
  fill(tansho, {{" 5", "   200"}, {"12", "  1000"}});
  EXPECT_EQ(WriteBetFile(source(), tansho, svc()).status, VoteStatus::kWritten);
  EXPECT_EQ(SendToVotingPlugin(source(), tansho, svc()).status, VoteStatus::kLaunched);

  EXPECT_EQ(slurp(kaime() / "090510.BET"), kHeader + "\r\n" + sj("12R 単勝  5    200") + "\r\n" +
                                               sj("12R 単勝 12   1000") + "\r\n");
  EXPECT_EQ(slurp(dir / "kaime" / "090510.csv"),
            "20090510,05,12,TAN,NORMAL,200,05,\r\n20090510,05,12,TAN,NORMAL,1000,12,\r\n");
  EXPECT_EQ(files_in(kaime()), std::vector<std::string>{"090510.BET"});
  EXPECT_EQ(files_in(dir / "kaime"), std::vector<std::string>{"090510.csv"});
}

// Names match without regard to case, so a day's file spelled otherwise is the one replaced.
TEST_F(VotingFiles, TheDaysFileIsFoundWhateverItsCase) {
  write_bytes(kaime() / "090510.bet", "old\r\n");
  const VoteResult r = WriteBetFile(source(), umaren_, svc());
  EXPECT_EQ(r.file, kaime() / "090510.bet");
  EXPECT_EQ(files_in(kaime()), std::vector<std::string>{"090510.bet"});
  EXPECT_NE(slurp(r.file), "old\r\n");
}

TEST_F(VotingFiles, AnsweringNoWritesAndStartsNothing) {
  install_plugin();
  dialogs_.answer = false;
  EXPECT_EQ(WriteBetFile(source(), umaren_, svc()).status, VoteStatus::kDeclined);
  EXPECT_EQ(SendToVotingPlugin(source(), umaren_, svc()).status, VoteStatus::kDeclined);
  EXPECT_TRUE(files_in(kaime()).empty());
  EXPECT_TRUE(files_in(plugin_.path() / "RGT2" / "kaime").empty());
  EXPECT_TRUE(desktop_.launches.empty());
  EXPECT_EQ(dialogs_.calls.size(), 2U);  // the two questions, nothing after them
}

TEST_F(VotingFiles, ADamagedRowIsRefusedBeforeTheQuestion) {
  install_plugin();
  fill(umaren_, {{" 1- 5"}, {"1-5"}});
  const std::vector<std::string> expected = {
      "beep", "info: " + sj("馬連 2行目の買い目「1-5」が正しくありません。")};
  EXPECT_EQ(WriteBetFile(source(), umaren_, svc()).status, VoteStatus::kRefused);
  EXPECT_EQ(dialogs_.calls, expected);
  dialogs_.calls.clear();
  EXPECT_EQ(SendToVotingPlugin(source(), umaren_, svc()).status, VoteStatus::kRefused);
  EXPECT_EQ(dialogs_.calls, expected);
  EXPECT_TRUE(files_in(kaime()).empty());
  EXPECT_TRUE(desktop_.launches.empty());
}

TEST_F(VotingFiles, BetFolderFollowsTheSetting) {
  EXPECT_EQ(BetFolder(ini_), kaime());  // no setting
  ini_.WriteString("Dir", "kaime", app_dir_text());
  EXPECT_EQ(BetFolder(ini_), kaime());
  ini_.WriteString("Dir", "kaime", app_dir_text() + "/");
  EXPECT_EQ(BetFolder(ini_), kaime());
  ini_.WriteString("Dir", "kaime", "");
  EXPECT_EQ(BetFolder(ini_), kaime());

  const TempDir elsewhere;
  ini_.WriteString("Dir", "kaime", path_text(elsewhere.path()));
  EXPECT_EQ(BetFolder(ini_), elsewhere.path());
  EXPECT_EQ(WriteBetFile(source(), umaren_, svc()).file, elsewhere.path() / "090510.BET");
  EXPECT_TRUE(files_in(kaime()).empty());
}

TEST_F(VotingFiles, AMissingBetFolderIsNamedAndNothingIsWritten) {
  const fs::path gone = app_.path() / "gone";
  ini_.WriteString("Dir", "kaime", path_text(gone));
  const VoteResult r = WriteBetFile(source(), umaren_, svc());
  EXPECT_EQ(r.status, VoteStatus::kWriteFailed);
  EXPECT_EQ(r.file, fs::path());
  EXPECT_EQ(dialogs_.calls.back(),
            "error: " + sj("買い目ﾌｫﾙﾀﾞ ") + path_text(gone) +
                sj(" がありません。\r\n「買い目ﾌｫﾙﾀﾞ指定」で出力先を指定してください。"));
  EXPECT_FALSE(fs::exists(gone));
  EXPECT_EQ(files_in(app_.path()), (std::vector<std::string>{"kaime", "ravelin.ini"}));
}

// A file that cannot be replaced (here a folder stands in its place) leaves no temporary
// file behind and, for the plug-in, nothing is started.
TEST_F(VotingFiles, AFileThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
  const fs::path dir = install_plugin();
  fs::create_directory(kaime() / "090510.BET");
  fs::create_directory(dir / "kaime" / "090510.csv");
  EXPECT_EQ(WriteBetFile(source(), umaren_, svc()).status, VoteStatus::kWriteFailed);
  EXPECT_TRUE(dialogs_.calls.back().starts_with("error: ")) << messages();
  EXPECT_EQ(SendToVotingPlugin(source(), umaren_, svc()).status, VoteStatus::kWriteFailed);
  EXPECT_NE(dialogs_.calls.back().find(path_text(dir / "kaime" / "090510.csv")), std::string::npos);
  EXPECT_EQ(files_in(kaime()), std::vector<std::string>{"090510.BET"});
  EXPECT_EQ(files_in(dir / "kaime"), std::vector<std::string>{"090510.csv"});
  EXPECT_TRUE(desktop_.launches.empty());
}

TEST_F(VotingFiles, PluginNotSetUpIsReportedBeforeAnything) {
  EXPECT_EQ(SendToVotingPlugin(source(), umaren_, svc()).status, VoteStatus::kRefused);
  EXPECT_EQ(dialogs_.calls,
            (std::vector<std::string>{
                "beep", "info: " + sj("「RGT投票プラグイン２」が正常にインストールされていません。"
                                      "再インストールしてください。")}));
}

TEST_F(VotingFiles, APluginFolderWithoutItsKaimeFolderGetsNoOrder) {
  const fs::path dir = install_plugin();
  fs::remove(dir / "kaime");
  EXPECT_EQ(SendToVotingPlugin(source(), umaren_, svc()).status, VoteStatus::kWriteFailed);
  EXPECT_EQ(dialogs_.calls.back(), "error: " + sj("投票プラグイン２のﾌｫﾙﾀﾞ ") +
                                       path_text(dir / "kaime") +
                                       sj(" がありません。\r\n投票プラグイン２が正しくインストール"
                                          "されているか確認してください。"));
  EXPECT_FALSE(fs::exists(dir / "kaime"));
  EXPECT_TRUE(desktop_.launches.empty());
}

// The order file stays written; the user is told and the program folder is current again.
TEST_F(VotingFiles, APluginThatDoesNotStartIsReportedAndTheFolderRestored) {
  const std::string message =
      "info: " + sj("投票プラグイン２の呼び出しでエラーが発生しました。\r\n"
                    "投票プラグイン２が正しくインストールされているか確認してください。");
  const fs::path dir = install_plugin(false);  // no program in the folder
  VoteResult r = SendToVotingPlugin(source(), umaren_, svc());
  EXPECT_EQ(r.status, VoteStatus::kLaunchFailed);
  EXPECT_TRUE(fs::exists(r.file));
  EXPECT_EQ(dialogs_.calls, (std::vector<std::string>{dialogs_.calls[0], "beep", message}));
  EXPECT_TRUE(desktop_.launches.empty());
  EXPECT_TRUE(fs::equivalent(fs::current_path(), app_dir()));

  write_bytes(dir / "RGTTohyoPlugIn2.exe", "MZ");
  desktop_.launch_result = false;  // present but it would not start
  fs::current_path(plugin_.path());
  dialogs_.calls.clear();
  r = SendToVotingPlugin(source(), umaren_, svc());
  EXPECT_EQ(r.status, VoteStatus::kLaunchFailed);
  EXPECT_EQ(desktop_.launches.size(), 1U);
  EXPECT_EQ(dialogs_.calls.back(), message);
  EXPECT_TRUE(fs::equivalent(fs::current_path(), app_dir()));
}

TEST_F(VotingFiles, ChoosingTheBetFolderStoresIt) {
  ChooseBetFolder(ini_, desktop_);  // cancelled
  EXPECT_EQ(desktop_.folder_caption, sj("買い目ﾌｫﾙﾀﾞの指定"));
  EXPECT_EQ(desktop_.folder_start, app_dir());
  EXPECT_EQ(ini_.ReadString("Dir", "kaime", "-"), "-");

  const TempDir chosen;
  desktop_.folder_choice = chosen.path();
  ChooseBetFolder(ini_, desktop_);
  EXPECT_EQ(ini_.ReadString("Dir", "kaime", ""), path_text(chosen.path()));
  EXPECT_EQ(BetFolder(ini_), chosen.path());

  ChooseBetFolder(ini_, desktop_);
  EXPECT_EQ(desktop_.folder_start, chosen.path());  // opens where the files go now
}

}  // namespace
}  // namespace rv
