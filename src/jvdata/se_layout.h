// SE 馬毎レース情報: one record a runner of a race, card and results.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::se {
using namespace head;

inline constexpr Field Wakuban{"Wakuban", 28, 1, N};  // bracket
inline constexpr Field Umaban{"Umaban", 29, 2, N};    // horse number
inline constexpr Field KettoNum{"KettoNum", 31, 10, N};
inline constexpr Field Bamei{"Bamei", 41, 36, W};  // horse name
inline constexpr Field UmaKigoCD{"UmaKigoCD", 77, 2, N};
inline constexpr Field SexCD{"SexCD", 79, 1, N};
inline constexpr Field HinsyuCD{"HinsyuCD", 80, 1, N};
inline constexpr Field KeiroCD{"KeiroCD", 81, 2, N};
inline constexpr Field Barei{"Barei", 83, 2, N};  // age
inline constexpr Field TozaiCD{"TozaiCD", 85, 1, N};
inline constexpr Field ChokyosiCode{"ChokyosiCode", 86, 5, N};
inline constexpr Field ChokyosiRyakusyo{"ChokyosiRyakusyo", 91, 8, W};  // trainer
inline constexpr Field BanusiCode{"BanusiCode", 99, 6, N};
inline constexpr Field BanusiName{"BanusiName", 105, 64, W};
inline constexpr Field Fukusyoku{"Fukusyoku", 169, 60, W};
inline constexpr Field Reserved1{"Reserved1", 229, 60, T};
inline constexpr Field Futan{"Futan", 289, 3, N};  // weight carried, 0.1 kg
inline constexpr Field FutanBefore{"FutanBefore", 292, 3, N};
inline constexpr Field Blinker{"Blinker", 295, 1, N};
inline constexpr Field Reserved2{"Reserved2", 296, 1, T};
inline constexpr Field KisyuCode{"KisyuCode", 297, 5, N};
inline constexpr Field KisyuCodeBefore{"KisyuCodeBefore", 302, 5, N};
inline constexpr Field KisyuRyakusyo{"KisyuRyakusyo", 307, 8, W};  // jockey
inline constexpr Field KisyuRyakusyoBefore{"KisyuRyakusyoBefore", 315, 8, W};
inline constexpr Field MinaraiCD{"MinaraiCD", 323, 1, N};
inline constexpr Field MinaraiCDBefore{"MinaraiCDBefore", 324, 1, N};
inline constexpr Field BaTaijyu{"BaTaijyu", 325, 3, N};  // horse weight, kg
inline constexpr Field ZogenFugo{"ZogenFugo", 328, 1, T};
inline constexpr Field ZogenSa{"ZogenSa", 329, 3, N};
inline constexpr Field IJyoCD{"IJyoCD", 332, 1, N};
inline constexpr Field NyusenJyuni{"NyusenJyuni", 333, 2, N};
inline constexpr Field KakuteiJyuni{"KakuteiJyuni", 335, 2, N};  // final position
inline constexpr Field DochakuKubun{"DochakuKubun", 337, 1, N};
inline constexpr Field DochakuTosu{"DochakuTosu", 338, 1, N};
inline constexpr Field Time{"Time", 339, 4, N};
inline constexpr Field ChakusaCD{"ChakusaCD", 343, 3, T};
inline constexpr Field ChakusaCDP{"ChakusaCDP", 346, 3, T};
inline constexpr Field ChakusaCDPP{"ChakusaCDPP", 349, 3, T};
inline constexpr Field Jyuni1c{"Jyuni1c", 352, 2, N};
inline constexpr Field Jyuni2c{"Jyuni2c", 354, 2, N};
inline constexpr Field Jyuni3c{"Jyuni3c", 356, 2, N};
inline constexpr Field Jyuni4c{"Jyuni4c", 358, 2, N};
inline constexpr Field Odds{"Odds", 360, 4, N};  // final win odds, 0.1
inline constexpr Field Ninki{"Ninki", 364, 2, N};
inline constexpr Field Honsyokin{"Honsyokin", 366, 8, N};
inline constexpr Field Fukasyokin{"Fukasyokin", 374, 8, N};
inline constexpr Field Reserved3{"Reserved3", 382, 3, T};
inline constexpr Field Reserved4{"Reserved4", 385, 3, T};
inline constexpr Field HaronTimeL4{"HaronTimeL4", 388, 3, N};
inline constexpr Field HaronTimeL3{"HaronTimeL3", 391, 3, N};
inline constexpr Field ChakuUmaKettoNum{"ChakuUmaKettoNum", 394, 10, N, 3, 46};
inline constexpr Field ChakuUmaBamei{"ChakuUmaBamei", 404, 36, W, 3, 46};
inline constexpr Field TimeDiff{"TimeDiff", 532, 4, N};
inline constexpr Field RecordUpKubun{"RecordUpKubun", 536, 1, T};
inline constexpr Field DMKubun{"DMKubun", 537, 1, N};
inline constexpr Field DMTime{"DMTime", 538, 5, N};
inline constexpr Field DMGosaP{"DMGosaP", 543, 4, N};
inline constexpr Field DMGosaM{"DMGosaM", 547, 4, N};
inline constexpr Field DMJyuni{"DMJyuni", 551, 2, N};
inline constexpr Field KyakusituKubun{"KyakusituKubun", 553, 1, N};

inline constexpr Field kOwnFields[] = {
    Wakuban,
    Umaban,
    KettoNum,
    Bamei,
    UmaKigoCD,
    SexCD,
    HinsyuCD,
    KeiroCD,
    Barei,
    TozaiCD,
    ChokyosiCode,
    ChokyosiRyakusyo,
    BanusiCode,
    BanusiName,
    Fukusyoku,
    Reserved1,
    Futan,
    FutanBefore,
    Blinker,
    Reserved2,
    KisyuCode,
    KisyuCodeBefore,
    KisyuRyakusyo,
    KisyuRyakusyoBefore,
    MinaraiCD,
    MinaraiCDBefore,
    BaTaijyu,
    ZogenFugo,
    ZogenSa,
    IJyoCD,
    NyusenJyuni,
    KakuteiJyuni,
    DochakuKubun,
    DochakuTosu,
    Time,
    ChakusaCD,
    ChakusaCDP,
    ChakusaCDPP,
    Jyuni1c,
    Jyuni2c,
    Jyuni3c,
    Jyuni4c,
    Odds,
    Ninki,
    Honsyokin,
    Fukasyokin,
    Reserved3,
    Reserved4,
    HaronTimeL4,
    HaronTimeL3,
    ChakuUmaKettoNum,
    ChakuUmaBamei,
    TimeDiff,
    RecordUpKubun,
    DMKubun,
    DMTime,
    DMGosaP,
    DMGosaM,
    DMJyuni,
    KyakusituKubun,
};
inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::SE, "SE", 555, kFields};

// The weight carried in whole kilograms and its tenth.
inline constexpr Field FutanKg = Futan.part(0, 2);
inline constexpr Field FutanTenth = Futan.part(2, 1);
// The positions at the four corners, in running order.
inline constexpr Field kCornerJyuni[] = {Jyuni1c, Jyuni2c, Jyuni3c, Jyuni4c};

}  // namespace rv::jv::se
