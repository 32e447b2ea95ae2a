// RA レース詳細: one record a race.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::ra {
using namespace head;

inline constexpr Field YoubiCD{"YoubiCD", 28, 1, N};
inline constexpr Field TokuNum{"TokuNum", 29, 4, N};
inline constexpr Field Hondai{"Hondai", 33, 60, W};  // race name
inline constexpr Field Fukudai{"Fukudai", 93, 60, W};
inline constexpr Field Kakko{"Kakko", 153, 60, W};
inline constexpr Field HondaiEng{"HondaiEng", 213, 120, T};
inline constexpr Field FukudaiEng{"FukudaiEng", 333, 120, T};
inline constexpr Field KakkoEng{"KakkoEng", 453, 120, T};
inline constexpr Field Ryakusyo10{"Ryakusyo10", 573, 20, W};
inline constexpr Field Ryakusyo6{"Ryakusyo6", 593, 12, W};
inline constexpr Field Ryakusyo3{"Ryakusyo3", 605, 6, W};
inline constexpr Field Kubun{"Kubun", 611, 1, N};
inline constexpr Field Nkai{"Nkai", 612, 3, N};  // edition of a graded race
inline constexpr Field GradeCD{"GradeCD", 615, 1, T};
inline constexpr Field GradeCDBefore{"GradeCDBefore", 616, 1, T};
inline constexpr Field SyubetuCD{"SyubetuCD", 617, 2, N};  // race kind
inline constexpr Field KigoCD{"KigoCD", 619, 3, T};
inline constexpr Field JyuryoCD{"JyuryoCD", 622, 1, N};  // weight rule
// Conditions of the 2, 3, 4 and 5+ year-olds and of the youngest age.
inline constexpr Field JyokenCD{"JyokenCD", 623, 3, N, 5, 3};
inline constexpr Field JyokenName{"JyokenName", 638, 60, W};
inline constexpr Field Kyori{"Kyori", 698, 4, N};  // metres
inline constexpr Field KyoriBefore{"KyoriBefore", 702, 4, N};
inline constexpr Field TrackCD{"TrackCD", 706, 2, N};
inline constexpr Field TrackCDBefore{"TrackCDBefore", 708, 2, N};
inline constexpr Field CourseKubunCD{"CourseKubunCD", 710, 2, T};
inline constexpr Field CourseKubunCDBefore{"CourseKubunCDBefore", 712, 2, T};
inline constexpr Field Honsyokin{"Honsyokin", 714, 8, N, 7, 8};  // prize money, 百円
inline constexpr Field HonsyokinBefore{"HonsyokinBefore", 770, 8, N, 5, 8};
inline constexpr Field Fukasyokin{"Fukasyokin", 810, 8, N, 5, 8};
inline constexpr Field FukasyokinBefore{"FukasyokinBefore", 850, 8, N, 3, 8};
inline constexpr Field HassoTime{"HassoTime", 874, 4, N};  // start time hhmm
inline constexpr Field HassoTimeBefore{"HassoTimeBefore", 878, 4, N};
inline constexpr Field TorokuTosu{"TorokuTosu", 882, 2, N};  // registered runners
inline constexpr Field SyussoTosu{"SyussoTosu", 884, 2, N};
inline constexpr Field NyusenTosu{"NyusenTosu", 886, 2, N};
inline constexpr Field TenkoCD{"TenkoCD", 888, 1, N};
inline constexpr Field SibaBabaCD{"SibaBabaCD", 889, 1, N};
inline constexpr Field DirtBabaCD{"DirtBabaCD", 890, 1, N};
inline constexpr Field LapTime{"LapTime", 891, 3, N, 25, 3};
inline constexpr Field SyogaiMileTime{"SyogaiMileTime", 966, 4, N};
inline constexpr Field HaronTimeS3{"HaronTimeS3", 970, 3, N};
inline constexpr Field HaronTimeS4{"HaronTimeS4", 973, 3, N};
inline constexpr Field HaronTimeL3{"HaronTimeL3", 976, 3, N};
inline constexpr Field HaronTimeL4{"HaronTimeL4", 979, 3, N};
inline constexpr Field Corner{"Corner", 982, 1, N, 4, 72};
inline constexpr Field Syukaisu{"Syukaisu", 983, 1, N, 4, 72};
inline constexpr Field Jyuni{"Jyuni", 984, 70, T, 4, 72};
inline constexpr Field RecordUpKubun{"RecordUpKubun", 1270, 1, T};

inline constexpr Field kOwnFields[] = {
    YoubiCD,       TokuNum,
    Hondai,        Fukudai,
    Kakko,         HondaiEng,
    FukudaiEng,    KakkoEng,
    Ryakusyo10,    Ryakusyo6,
    Ryakusyo3,     Kubun,
    Nkai,          GradeCD,
    GradeCDBefore, SyubetuCD,
    KigoCD,        JyuryoCD,
    JyokenCD,      JyokenName,
    Kyori,         KyoriBefore,
    TrackCD,       TrackCDBefore,
    CourseKubunCD, CourseKubunCDBefore,
    Honsyokin,     HonsyokinBefore,
    Fukasyokin,    FukasyokinBefore,
    HassoTime,     HassoTimeBefore,
    TorokuTosu,    SyussoTosu,
    NyusenTosu,    TenkoCD,
    SibaBabaCD,    DirtBabaCD,
    LapTime,       SyogaiMileTime,
    HaronTimeS3,   HaronTimeS4,
    HaronTimeL3,   HaronTimeL4,
    Corner,        Syukaisu,
    Jyuni,         RecordUpKubun,
};
inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::RA, "RA", 1272, kFields};

// Parts read on their own.
inline constexpr Field HassoHour = HassoTime.part(0, 2);
inline constexpr Field HassoMinute = HassoTime.part(2, 2);
// The youngest-age condition, the one the race's class is named by.
inline constexpr Field JyokenCDYoungest = JyokenCD.at(4);
// The first digit of the track code: 1 turf, 2 dirt, 5 jump.
inline constexpr Field TrackCDSurface = TrackCD.part(0, 1);

}  // namespace rv::jv::ra
