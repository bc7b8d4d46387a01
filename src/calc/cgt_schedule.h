#pragma once
// Fields of the CGT schedule record, item 1 of worksheet 469, while it is in the scratch
// fields. Part A gains come in threes: index method, discount method, other.

inline constexpr int ScheduleWorksheet = 469;
inline constexpr const char* ScheduleName = "Capital gains tax (CGT) schedule 2001";

inline constexpr int fSchedNonActiveShares = 711;
inline constexpr int fSchedNonActiveRealEstate = 714;
inline constexpr int fSchedNonActiveOther = 717;
inline constexpr int fSchedCollectables = 720;
inline constexpr int fSchedActiveShares = 723;
inline constexpr int fSchedActiveRealEstate = 726;
inline constexpr int fSchedActiveOther = 729;
inline constexpr int fSchedTotalGains = 732;
inline constexpr int fSchedLossShares = 735;
inline constexpr int fSchedLossRealEstate = 736;
inline constexpr int fSchedLossOther = 737;
inline constexpr int fSchedLossTotal = 738;
inline constexpr int fSchedCurrentApplied = 739;      // 739..742, the last the total
inline constexpr int fSchedPriorApplied = 743;        // 743..746
inline constexpr int fSchedTransferredApplied = 747;  // 747, 748, 749 and the total 1100
inline constexpr int fSchedTransferredTotal = 1100;
inline constexpr int fSchedTotalApplied = 1101;  // 1101..1104
inline constexpr int fSchedNonActiveAfterLosses = 1105;
inline constexpr int fSchedActiveAfterLosses = 1108;
inline constexpr int fSchedAfterLosses = 1111;
inline constexpr int fSchedDiscountNonActive = 1114;
inline constexpr int fSchedDiscountActive = 1115;
inline constexpr int fSchedActiveReduction = 1116;
inline constexpr int fSchedRetirement = 1119;
inline constexpr int fSchedRollOver = 1122;
inline constexpr int fSchedReductions = 1125;
inline constexpr int fSchedNetGainByColumn = 1128;
inline constexpr int fSchedNetGain = 1131;
inline constexpr int fSchedCollectableCarried = 1132;
inline constexpr int fSchedOtherCarried = 1133;
