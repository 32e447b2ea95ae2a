// HR 払戻: the payouts of a race. Flags run in the order 単 複 枠 馬連 ワイド 予備 馬単 3連複
// 3連単; an unused payout entry is blank.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::hr {
using namespace head;

inline constexpr Field TorokuTosu{"TorokuTosu", 28, 2, N};
inline constexpr Field SyussoTosu{"SyussoTosu", 30, 2, N};
inline constexpr Field FuseirituFlag{"FuseirituFlag", 32, 1, N, 9, 1};
inline constexpr Field TokubaraiFlag{"TokubaraiFlag", 41, 1, N, 9, 1};
inline constexpr Field HenkanFlag{"HenkanFlag", 50, 1, N, 9, 1};
inline constexpr Field HenkanUma{"HenkanUma", 59, 1, N, 28, 1};
inline constexpr Field HenkanWaku{"HenkanWaku", 87, 1, N, 8, 1};
inline constexpr Field HenkanDoWaku{"HenkanDoWaku", 95, 1, N, 8, 1};
inline constexpr Field TansyoUmaban{"TansyoUmaban", 103, 2, E, 3, 13};
inline constexpr Field TansyoPay{"TansyoPay", 105, 9, E, 3, 13};
inline constexpr Field TansyoNinki{"TansyoNinki", 114, 2, E, 3, 13};
inline constexpr Field FukusyoUmaban{"FukusyoUmaban", 142, 2, E, 5, 13};
inline constexpr Field FukusyoPay{"FukusyoPay", 144, 9, E, 5, 13};
inline constexpr Field FukusyoNinki{"FukusyoNinki", 153, 2, E, 5, 13};
// Brackets take one digit each.
inline constexpr Field WakurenKumi{"WakurenKumi", 207, 2, E, 3, 13};
inline constexpr Field WakurenPay{"WakurenPay", 209, 9, E, 3, 13};
inline constexpr Field WakurenNinki{"WakurenNinki", 218, 2, E, 3, 13};
inline constexpr Field UmarenKumi{"UmarenKumi", 246, 4, E, 3, 16};
inline constexpr Field UmarenPay{"UmarenPay", 250, 9, E, 3, 16};
inline constexpr Field UmarenNinki{"UmarenNinki", 259, 3, E, 3, 16};
inline constexpr Field WideKumi{"WideKumi", 294, 4, E, 7, 16};
inline constexpr Field WidePay{"WidePay", 298, 9, E, 7, 16};
inline constexpr Field WideNinki{"WideNinki", 307, 3, E, 7, 16};
inline constexpr Field YobiKumi{"YobiKumi", 406, 4, E, 3, 16};
inline constexpr Field YobiPay{"YobiPay", 410, 9, E, 3, 16};
inline constexpr Field YobiNinki{"YobiNinki", 419, 3, E, 3, 16};
inline constexpr Field UmatanKumi{"UmatanKumi", 454, 4, E, 6, 16};
inline constexpr Field UmatanPay{"UmatanPay", 458, 9, E, 6, 16};
inline constexpr Field UmatanNinki{"UmatanNinki", 467, 3, E, 6, 16};
inline constexpr Field SanrenpukuKumi{"SanrenpukuKumi", 550, 6, E, 3, 18};
inline constexpr Field SanrenpukuPay{"SanrenpukuPay", 556, 9, E, 3, 18};
inline constexpr Field SanrenpukuNinki{"SanrenpukuNinki", 565, 3, E, 3, 18};
inline constexpr Field SanrentanKumi{"SanrentanKumi", 604, 6, E, 6, 19};
inline constexpr Field SanrentanPay{"SanrentanPay", 610, 9, E, 6, 19};
inline constexpr Field SanrentanNinki{"SanrentanNinki", 619, 4, E, 6, 19};

inline constexpr Field kOwnFields[] = {
    TorokuTosu,    SyussoTosu,      FuseirituFlag, TokubaraiFlag, HenkanFlag,     HenkanUma,
    HenkanWaku,    HenkanDoWaku,    TansyoUmaban,  TansyoPay,     TansyoNinki,    FukusyoUmaban,
    FukusyoPay,    FukusyoNinki,    WakurenKumi,   WakurenPay,    WakurenNinki,   UmarenKumi,
    UmarenPay,     UmarenNinki,     WideKumi,      WidePay,       WideNinki,      YobiKumi,
    YobiPay,       YobiNinki,       UmatanKumi,    UmatanPay,     UmatanNinki,    SanrenpukuKumi,
    SanrenpukuPay, SanrenpukuNinki, SanrentanKumi, SanrentanPay,  SanrentanNinki,
};
inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::HR, "HR", 719, kFields};

}  // namespace rv::jv::hr
