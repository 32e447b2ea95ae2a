#include "acquire/jvresult.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv {
namespace {

std::string text_of(std::string_view op, int code) {
  return to_utf8(JVResultText(op, code));
}

TEST(JVResultText, ListedCodesGiveTheirMessageAndTheCode) {
  EXPECT_EQ(JVResultText("JVOpen", -1), sj(" 取得済みデータより最新のデータがありません。(-1)"));
  EXPECT_EQ(text_of("JVRTOpen", -114), "key パラメータが不正です。(-114)");
  EXPECT_EQ(text_of("JVInit", -103), "sid が不正（sid の１桁目がスペース）です。(-103)");
  EXPECT_EQ(text_of("JVOpen", -501), "セットアップ処理においてＣＤ －ＲＯＭ が無効です。(-501)");
  EXPECT_EQ(text_of("JVRead", -502),
            "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)");
  EXPECT_EQ(text_of("JVStatus", -502),
            "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)");
}

TEST(JVResultText, UnlistedCodesGiveOnlyTheCode) {
  EXPECT_EQ(JVResultText("JVOpen", -999), "(-999)");
  EXPECT_EQ(JVResultText("JVOpen", 7), "(7)");
  // A code listed for one operation says nothing for another.
  EXPECT_EQ(JVResultText("JVInit", -201), "(-201)");
  EXPECT_EQ(JVResultText("JVStatus", -202), "(-202)");
  EXPECT_EQ(JVResultText("JVClose", -1), "(-1)");
  EXPECT_EQ(JVResultText("", -101), "(-101)");
}

TEST(JVResultText, ZeroIsSuccessForEveryOperationButEndOfDataForJVRead) {
  for (const char* op :
       {"JVInit", "JVOpen", "JVRTOpen", "JVStatus", "JVClose", "JVCancel", "JVSetUIProperties"}) {
    EXPECT_EQ(text_of(op, 0), "正常に実行されました。(0)") << op;
  }
  EXPECT_EQ(text_of("JVRead", 0), "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)");
}

TEST(JVResultText, PositiveResultsOfStatusAndReadCarryTheirCount) {
  EXPECT_EQ(text_of("JVStatus", 5), "ダウンロード済みファイル数5(5)");
  EXPECT_EQ(text_of("JVRead", 1272), "バッファにセットしたデータのサイズ1272(1272)");
}

TEST(JVResultText, OperationsShareRowsAsTheyShareMeanings) {
  // Every name beginning "JVSet" shares its rows; JVInit's -101 means something else.
  EXPECT_EQ(text_of("JVSetUIProperties", -100),
            "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)");
  EXPECT_EQ(text_of("JVSetServiceKey", -101), "すでにサービスキーが登録されています。(-101)");
  EXPECT_EQ(text_of("JVInit", -101), "sid が設定されていません。(-101)");
  // JVRead's -202 is JVOpen's; JVStatus and JVRead spell -201 without JVOpen's space.
  EXPECT_EQ(JVResultText("JVRead", -202), JVResultText("JVOpen", -202));
  EXPECT_EQ(JVResultText("JVRTOpen", -202), JVResultText("JVOpen", -202));
  EXPECT_EQ(text_of("JVOpen", -201), "JVInit が行なわれていません。(-201)");
  EXPECT_EQ(text_of("JVStatus", -201), "JVInitが行なわれていません。(-201)");
}

TEST(JVResultText, EveryMessageSurvivesShiftJis) {
  for (const char* op :
       {"JVInit", "JVSetUIProperties", "JVOpen", "JVRTOpen", "JVStatus", "JVRead", "JVClose"}) {
    for (int code = -600; code <= 3; ++code) {
      const std::string text = text_of(op, code);
      EXPECT_EQ(text.find('?'), std::string::npos) << op << " " << code << " " << text;
      EXPECT_EQ(sj(text), JVResultText(op, code)) << op << " " << code;
    }
  }
}

}  // namespace
}  // namespace rv
