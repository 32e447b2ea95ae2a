#include "acquire/jvresult.h"

#include <array>

#include "support/text.h"

namespace rv {
namespace {

// Which operations a row speaks for: "*" every one, "JVSet*" every name with that prefix,
// otherwise names separated by spaces.
bool scope_matches(std::string_view scope, std::string_view op) {
  if (scope == "*") return true;
  if (scope.ends_with('*')) return op.starts_with(scope.substr(0, scope.size() - 1));
  while (!scope.empty()) {
    const std::size_t sp = scope.find(' ');
    if (scope.substr(0, sp) == op) return true;
    if (sp == std::string_view::npos) break;
    scope.remove_prefix(sp + 1);
  }
  return false;
}

// A positive result of JVStatus or JVRead is a count, written after its message.
constexpr int kAnyPositive = 1 << 30;

struct Row {
  std::string_view scope;
  int code;
  std::string_view utf8;
};

// The first matching row wins, so rows for one operation come before the rows for all.
constexpr std::string_view kOpenOps = "JVOpen JVRTOpen";
constexpr std::array kRows{
    Row{"JVInit", -101, "sid が設定されていません。"},
    Row{"JVInit", -102, "sid が64byte 以上あります。"},
    Row{"JVInit", -103, "sid が不正（sid の１桁目がスペース）です。"},

    Row{"JVSet*", -100, "パラメータが不正あるいはレジストリへの保存に失敗しました。"},
    Row{"JVSet*", -101, "すでにサービスキーが登録されています。"},

    Row{kOpenOps, -1, " 取得済みデータより最新のデータがありません。"},
    Row{kOpenOps, -2, "セットアップダイアログでキャンセルが押されました。"},
    Row{kOpenOps, -111, "dataspec パラメータが不正です。"},
    Row{kOpenOps, -112, "fromdate パラメータが不正です。"},
    Row{kOpenOps, -114, "key パラメータが不正です。"},
    Row{kOpenOps, -115, "option パラメータが不正です。"},
    Row{kOpenOps, -116, "dataspec とoption の組み合わせが不正です。"},
    Row{kOpenOps, -201, "JVInit が行なわれていません。"},
    Row{"JVOpen JVRTOpen JVRead", -202,
        "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
    Row{kOpenOps, -211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
    Row{kOpenOps, -301, "認証エラーが発生しました。"},
    Row{kOpenOps, -302, "サービスキーの有効期限切れです。"},
    Row{kOpenOps, -303, "サービスキーが設定されていません。（サービスキーが空値）"},
    Row{kOpenOps, -401, "JV- Link 内部エラーが発生しました。"},
    Row{kOpenOps, -411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
    Row{kOpenOps, -412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
    Row{kOpenOps, -413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
    Row{kOpenOps, -421, "サーバーエラー（サーバーの応答が不正）が発生しました。"},
    Row{kOpenOps, -431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
    Row{kOpenOps, -501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
    Row{kOpenOps, -504, "サーバーがメンテナンス中です。"},

    Row{"JVStatus JVRead", -201, "JVInitが行なわれていません。"},
    Row{"JVStatus JVRead", -203, "JVOpenが行なわれていません。"},
    Row{"JVStatus", -502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）"},
    Row{"JVStatus", kAnyPositive, "ダウンロード済みファイル数"},

    Row{"JVRead", 0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）"},
    Row{"JVRead", -1, "ファイルが切り替わりました。"},
    Row{"JVRead", -3, "ファイルダウンロード中"},
    Row{"JVRead", -402, "ダウンロードしたファイルサイズが異常です。"},
    Row{"JVRead", -403, "ダウンロードしたファイル内容が異常です。"},
    Row{"JVRead", -502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)"},
    Row{"JVRead", -503, "ファイルが見つかりません。"},
    Row{"JVRead", kAnyPositive, "バッファにセットしたデータのサイズ"},

    Row{"*", 0, "正常に実行されました。"},
};

}  // namespace

std::string JVResultText(std::string_view operation, int code) {
  std::string message;
  for (const Row& row : kRows) {
    const bool code_matches = row.code == kAnyPositive ? code > 0 : row.code == code;
    if (code_matches && scope_matches(row.scope, operation)) {
      message = sj(row.utf8);
      if (row.code == kAnyPositive) message += std::to_string(code);
      break;
    }
  }
  return message + "(" + std::to_string(code) + ")";
}

}  // namespace rv
