// O1..O6 オッズ: the odds of a race, one kind a record. Entries of horses or combinations that
// do not exist are blank; the popularity of an entry carries the marker of its odds.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv {

// Bytes 28-39 shared by O1..O6.
namespace odds {
using namespace head;
// Announcement MMDDhhmm of intermediate odds; "00000000" otherwise.
inline constexpr Field HappyoTime{"HappyoTime", 28, 8, N};
inline constexpr Field TorokuTosu{"TorokuTosu", 36, 2, N};
inline constexpr Field SyussoTosu{"SyussoTosu", 38, 2, N};

inline constexpr auto kFields = join(head::kFields, {HappyoTime, TorokuTosu, SyussoTosu});

inline constexpr Field HappyoHour = HappyoTime.part(4, 2);
inline constexpr Field HappyoMinute = HappyoTime.part(6, 2);
inline constexpr Field HappyoHM = HappyoTime.part(4, 4);  // hhmm
}  // namespace odds

// 単勝, 複勝, 枠連.
namespace o1 {
using namespace odds;
inline constexpr Field TansyoFlag{"TansyoFlag", 40, 1, N};
inline constexpr Field FukusyoFlag{"FukusyoFlag", 41, 1, N};
inline constexpr Field WakurenFlag{"WakurenFlag", 42, 1, N};
inline constexpr Field FukuChakuBaraiKey{"FukuChakuBaraiKey", 43, 1, N};
inline constexpr Field TansyoUmaban{"TansyoUmaban", 44, 2, E, 28, 8};
inline constexpr Field TansyoOdds{"TansyoOdds", 46, 4, E, 28, 8};
inline constexpr Field TansyoNinki{"TansyoNinki", 50, 2, E, 28, 8};
inline constexpr Field FukusyoUmaban{"FukusyoUmaban", 268, 2, E, 28, 12};
inline constexpr Field FukusyoOddsLow{"FukusyoOddsLow", 270, 4, E, 28, 12};
inline constexpr Field FukusyoOddsHigh{"FukusyoOddsHigh", 274, 4, E, 28, 12};
inline constexpr Field FukusyoNinki{"FukusyoNinki", 278, 2, E, 28, 12};
inline constexpr Field WakurenKumi{"WakurenKumi", 604, 2, E, 36, 9};
inline constexpr Field WakurenOdds{"WakurenOdds", 606, 5, E, 36, 9};
inline constexpr Field WakurenNinki{"WakurenNinki", 611, 2, E, 36, 9};
inline constexpr Field TansyoVote{"TansyoVote", 928, 11, N};
inline constexpr Field FukusyoVote{"FukusyoVote", 939, 11, N};
inline constexpr Field WakurenVote{"WakurenVote", 950, 11, N};

inline constexpr Field kOwnFields[] = {
    TansyoFlag,  FukusyoFlag,   WakurenFlag,    FukuChakuBaraiKey, TansyoUmaban, TansyoOdds,
    TansyoNinki, FukusyoUmaban, FukusyoOddsLow, FukusyoOddsHigh,   FukusyoNinki, WakurenKumi,
    WakurenOdds, WakurenNinki,  TansyoVote,     FukusyoVote,       WakurenVote,
};
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O1, "O1", 962, kFields};
}  // namespace o1

// 馬連.
namespace o2 {
using namespace odds;
inline constexpr Field UmarenFlag{"UmarenFlag", 40, 1, N};
inline constexpr Field Kumi{"Kumi", 41, 4, E, 153, 13};
inline constexpr Field Odds{"Odds", 45, 6, E, 153, 13};
inline constexpr Field Ninki{"Ninki", 51, 3, E, 153, 13};
inline constexpr Field TotalVote{"TotalVote", 2030, 11, N};

inline constexpr auto kFields = join(odds::kFields, {UmarenFlag, Kumi, Odds, Ninki, TotalVote});
inline constexpr Layout kLayout{Kind::O2, "O2", 2042, kFields};
}  // namespace o2

// ワイド: a range of odds an entry.
namespace o3 {
using namespace odds;
inline constexpr Field WideFlag{"WideFlag", 40, 1, N};
inline constexpr Field Kumi{"Kumi", 41, 4, E, 153, 17};
inline constexpr Field OddsLow{"OddsLow", 45, 5, E, 153, 17};
inline constexpr Field OddsHigh{"OddsHigh", 50, 5, E, 153, 17};
inline constexpr Field Ninki{"Ninki", 55, 3, E, 153, 17};
inline constexpr Field TotalVote{"TotalVote", 2642, 11, N};

inline constexpr auto kFields =
    join(odds::kFields, {WideFlag, Kumi, OddsLow, OddsHigh, Ninki, TotalVote});
inline constexpr Layout kLayout{Kind::O3, "O3", 2654, kFields};
}  // namespace o3

// 馬単.
namespace o4 {
using namespace odds;
inline constexpr Field UmatanFlag{"UmatanFlag", 40, 1, N};
inline constexpr Field Kumi{"Kumi", 41, 4, E, 306, 13};
inline constexpr Field Odds{"Odds", 45, 6, E, 306, 13};
inline constexpr Field Ninki{"Ninki", 51, 3, E, 306, 13};
inline constexpr Field TotalVote{"TotalVote", 4019, 11, N};

inline constexpr auto kFields = join(odds::kFields, {UmatanFlag, Kumi, Odds, Ninki, TotalVote});
inline constexpr Layout kLayout{Kind::O4, "O4", 4031, kFields};
}  // namespace o4

// ３連複.
namespace o5 {
using namespace odds;
inline constexpr Field SanrenpukuFlag{"SanrenpukuFlag", 40, 1, N};
inline constexpr Field Kumi{"Kumi", 41, 6, E, 816, 15};
inline constexpr Field Odds{"Odds", 47, 6, E, 816, 15};
inline constexpr Field Ninki{"Ninki", 53, 3, E, 816, 15};
inline constexpr Field TotalVote{"TotalVote", 12281, 11, N};

inline constexpr auto kFields = join(odds::kFields, {SanrenpukuFlag, Kumi, Odds, Ninki, TotalVote});
inline constexpr Layout kLayout{Kind::O5, "O5", 12293, kFields};
}  // namespace o5

// ３連単.
namespace o6 {
using namespace odds;
inline constexpr Field SanrentanFlag{"SanrentanFlag", 40, 1, N};
inline constexpr Field Kumi{"Kumi", 41, 6, E, 4896, 17};
inline constexpr Field Odds{"Odds", 47, 7, E, 4896, 17};
inline constexpr Field Ninki{"Ninki", 54, 4, E, 4896, 17};
inline constexpr Field TotalVote{"TotalVote", 83273, 11, N};

inline constexpr auto kFields = join(odds::kFields, {SanrentanFlag, Kumi, Odds, Ninki, TotalVote});
inline constexpr Layout kLayout{Kind::O6, "O6", 83285, kFields};
}  // namespace o6

}  // namespace rv::jv
