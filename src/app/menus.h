// The main window's menus as state: what each command shows, whether it is shown and, for
// checkable commands, its check mark. Commands the window keeps without showing them still
// carry their states (restored from the settings file at start-up) and take effect.
#pragma once

#include "support/controls.h"
#include "support/text.h"

namespace rv {

struct Menus {
  Menus();

  // "ﾌｧｲﾙ(&F)"
  Command FileMenu{sj("ﾌｧｲﾙ(&F)")};
  Command JVDataGetItem{sj("JVデータ取得(&J)"), kHidden};  // the tool bar button is shown
  Command T1{sj("時系列オッズより取得(&T)")};
  Command N1O1{sj("1日分の全オッズを一括取得(&O)")};
  Command FilePrintItem{sj("印刷(&P)..."), kHidden};
  Command FilePrintSetupItem{sj("ﾌﾟﾘﾝﾀの設定(&R)..."), kHidden};
  Command FileExitItem{sj("終了(&X)")};

  // "ﾕｰｻﾞｰ設定(&U)"
  Command UserMenu{sj("ﾕｰｻﾞｰ設定(&U)")};
  Command KaimeSetItem{sj("投資金設定(&T)")};
  Command K1{sj("軸・ヒモ馬ユーザー設定(&H)")};
  Command KaimeOptionMenu{sj("買い目抽出法設定(&S)"), kHidden};  // radio items, [Kaime] Option
  Toggle WakurenRitsuYusen{sj("枠連出現率優先")};                // 1
  Toggle WakuJuniYusen{sj("枠出現順位優先")};                    // 2
  Command ExKaimeMenu{sj("別ロジック買い目"), kHidden};          // radio items, [KaimeSet] ExKaime
  Toggle DefaultKaime{sj("デフォルト買い目")};                   // 0
  Toggle Kaime3Include{sj("枠１～３位ＢＯＸ３点")};              // 1
  Toggle NagasiKaime{sj("流し買い目")};                          // 2
  Toggle StdDev13{sj("上位３点的中７０％買い目")};               // 3

  // "ｵﾌﾟｼｮﾝ(&O)"
  Command OptionMenu{sj("ｵﾌﾟｼｮﾝ(&O)")};
  Command N8{sj("データ自動取得時刻設定(&T)")};
  Command IniKaimeMenu{sj("軸馬初期設定(&J)"), kHidden};    // radio items, [IniKaime] Priority
  Toggle KaimeJoi{sj("上位パターン優先")};                  // 0
  Toggle KaimeKai{sj("下位パターン優先")};                  // 1
  Toggle hidelist{sj("ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)"), kHidden};  // [datalist] close

  // "メール設定", not shown as a whole
  Command MailSetMenu{sj("メール設定"), kHidden};
  Command MailMenu{sj("ﾒｰﾙ設定")};
  Command SelHaiRMenu{sj("配信ﾚｰｽ選択")};           // radio items, [SendInfo] Race
  Toggle SelHaiR1{sj("全レース配信")};              // 0
  Toggle SelHaiR2{sj("推奨ﾊﾟﾀｰﾝ+2点ﾊﾟﾀｰﾝを配信")};  // 1
  Toggle SelHaiR3{sj("VRH出現レースのみ配信")};     // 2
  Toggle PC1{sj("携帯ﾒｰﾙの代わりにPCを鳴らす")};    // [alarm] bell
  Toggle N30{sj("買い目を携帯メールへ送信する")};   // [alarm] mail

  // "ﾌｫﾙﾀﾞ指定(&F)"
  Command FolderMenu{sj("ﾌｫﾙﾀﾞ指定(&F)")};
  Command N12{sj("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)")};
  Command N28{sj("買い目ﾌｫﾙﾀﾞ指定")};

  // "ﾍﾙﾌﾟ(&H)"
  Command HelpMenu{sj("ﾍﾙﾌﾟ(&H)")};
  Command ManualItem{sj("使用解説書(&C)")};
  Command VersionItem{sj("ﾊﾞｰｼﾞｮﾝ情報(&A)...")};

  // "開発用": shown only with the marker file "\DevelopmentMenuSwitch.key", and then only
  // its signal-horse commands and "出現率集計".
  Command MenuMaster{sj("開発用"), kHidden};
  Command VRH4{sj("VRHオッズ絞り設定")};
  Command VRH1{sj("VRH単日(単複)")};
  Command VRH2{sj("VRH過去ログ作成")};
  Command VRH3{sj("VRH過去ログ閲覧")};
  Command VRH5{sj("VRH単日(他券種)")};
  Command VRH6{sj("VRH月単位(他券種)")};
  Command VRHCsvMenu{sj("VRH CSV")};
  Command N44{sj("単日分")};
  Command N45{sj("全開催日")};
  Command FinishRateItem{sj("出現率集計")};  // the finish rates from the stored days
  Command Kensho13Menu{sj("連対計1-3該当"), kHidden};
  Command N34{sj("単日用")};
  Command N35{sj("全期間")};
  Command Kensho34Menu{sj("連対差3-4該当"), kHidden};
  Command N36{sj("単日用")};
  Command N37{sj("全期間")};
  Command N41{sj("不出現数"), kHidden};
};

}  // namespace rv
