// UM 競走馬マスタ: one record a horse (the 1577-byte layout of format 4.8).
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::um {
using namespace rec;

inline constexpr Field KettoNum{"KettoNum", 12, 10, N};
inline constexpr Field DelKubun{"DelKubun", 22, 1, N};
inline constexpr Field RegDate{"RegDate", 23, 8, N};
inline constexpr Field DelDate{"DelDate", 31, 8, N};
inline constexpr Field BirthDate{"BirthDate", 39, 8, N};
inline constexpr Field Bamei{"Bamei", 47, 36, W};
inline constexpr Field BameiKana{"BameiKana", 83, 36, T};
inline constexpr Field BameiEng{"BameiEng", 119, 60, T};
inline constexpr Field ZaikyuFlag{"ZaikyuFlag", 179, 1, N};
inline constexpr Field Reserved{"Reserved", 180, 19, T};
inline constexpr Field UmaKigoCD{"UmaKigoCD", 199, 2, N};
inline constexpr Field SexCD{"SexCD", 201, 1, N};
inline constexpr Field HinsyuCD{"HinsyuCD", 202, 1, N};
inline constexpr Field KeiroCD{"KeiroCD", 203, 2, N};
inline constexpr Field HansyokuNum{"HansyokuNum", 205, 8, N, 14, 44};
inline constexpr Field HansyokuBamei{"HansyokuBamei", 213, 36, W, 14, 44};
inline constexpr Field TozaiCD{"TozaiCD", 821, 1, N};
inline constexpr Field ChokyosiCode{"ChokyosiCode", 822, 5, N};
inline constexpr Field ChokyosiRyakusyo{"ChokyosiRyakusyo", 827, 8, W};
inline constexpr Field Syotai{"Syotai", 835, 20, W};
inline constexpr Field BreederCode{"BreederCode", 855, 6, N};
inline constexpr Field BreederName{"BreederName", 861, 70, W};
inline constexpr Field SanchiName{"SanchiName", 931, 20, W};
inline constexpr Field BanusiCode{"BanusiCode", 951, 6, N};
inline constexpr Field BanusiName{"BanusiName", 957, 64, W};
inline constexpr Field RuikeiSyokin{"RuikeiSyokin", 1021, 9, N, 6, 9};
inline constexpr Field ChakuSogo{"ChakuSogo", 1075, 3, N, 6, 3};
inline constexpr Field ChakuChuo{"ChakuChuo", 1093, 3, N, 6, 3};
inline constexpr Field ChakuKaisuBa{"ChakuKaisuBa", 1111, 3, N, 42, 3};
inline constexpr Field ChakuKaisuJyotai{"ChakuKaisuJyotai", 1237, 3, N, 72, 3};
inline constexpr Field ChakuKaisuKyori{"ChakuKaisuKyori", 1453, 3, N, 36, 3};
inline constexpr Field Kyakusitu{"Kyakusitu", 1561, 3, N, 4, 3};
inline constexpr Field RaceCount{"RaceCount", 1573, 3, N};

inline constexpr Field kOwnFields[] = {
    KettoNum,         DelKubun,     RegDate,     DelDate,       BirthDate,    Bamei,
    BameiKana,        BameiEng,     ZaikyuFlag,  Reserved,      UmaKigoCD,    SexCD,
    HinsyuCD,         KeiroCD,      HansyokuNum, HansyokuBamei, TozaiCD,      ChokyosiCode,
    ChokyosiRyakusyo, Syotai,       BreederCode, BreederName,   SanchiName,   BanusiCode,
    BanusiName,       RuikeiSyokin, ChakuSogo,   ChakuChuo,     ChakuKaisuBa, ChakuKaisuJyotai,
    ChakuKaisuKyori,  Kyakusitu,    RaceCount,
};
inline constexpr auto kFields = join(rec::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::UM, "UM", 1577, kFields};

}  // namespace rv::jv::um
