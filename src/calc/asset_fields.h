#pragma once
// Scratch fields of the loaded asset item that the calculation summaries read and write.

// The asset worksheets, one for each asset path; shares and trust interests come first.
inline constexpr int FirstAssetWorksheet = 451, LastAssetWorksheet = 462;
inline constexpr int SharesWorksheet = 451, TrustInterestsWorksheet = 452;

// Answers of the asset path.
inline constexpr int fAssetName = 710;
inline constexpr int fTaxableUsePercent = 711;
inline constexpr int fSumOfReductions = 712;
inline constexpr int fTotalDecline = 713;
inline constexpr int fAssetType = 714;
inline constexpr int fDepreciatingCost = 715;
inline constexpr int fRollOverNo = 721;
inline constexpr int fMarriageBreakdownYes = 722;
inline constexpr int fMarriageBreakdownNo = 723;
inline constexpr int fAcquisitionDate = 726;
inline constexpr int fAcquiredAfter1145 = 727;
inline constexpr int fCostBaseDate = 729;
inline constexpr int fReplacedAcquisitionDate = 730;
inline constexpr int fReplacedAfter1145 = 732;
inline constexpr int fSection2Indexed = 734;
inline constexpr int fSection2NonIndexed = 735;
inline constexpr int fSection2Reduced = 736;
inline constexpr int fCostElements = 737;
inline constexpr int fPayments = 738;
inline constexpr int fEventDate = 739;
inline constexpr int fEventAfter1145No = 741;
inline constexpr int fCapitalProceeds = 742;
inline constexpr int fPercentDisposed = 743;
inline constexpr int fDaysNotExempt = 744;
inline constexpr int fTotalDays = 745;
inline constexpr int fFifteenYearExemption = 746;
inline constexpr int fPaymentEventCode = 748;

// Results of the asset summary.
inline constexpr int fBaseDate = 1101;
inline constexpr int fAssetRegister = 1102;
inline constexpr int fCgtWorksheet = 1105;
inline constexpr int fTotalNonIndexed = 1106;
inline constexpr int fTotalIndexed = 1107;
inline constexpr int fTotalReduced = 1108;
inline constexpr int fBalancingAdjustment = 1109;      // non-indexed, indexed, reduced: 1109..1111
inline constexpr int fCostBase = 1112;                 // 1112..1114
inline constexpr int fNonAssessableAdjustment = 1115;  // 1115..1117
inline constexpr int fAdjustedCostBase = 1118;         // 1118..1120
inline constexpr int fEventDateShown = 1121;
inline constexpr int fEventCpi = 1122;
inline constexpr int fProceedsShown = 1123;
inline constexpr int fPercentShown = 1124;
inline constexpr int fDaysNotExemptShown = 1125;
inline constexpr int fTotalDaysShown = 1126;
// Method columns: proceeds, cost base, gain.
inline constexpr int fIndexedProceeds = 1130, fIndexedCostBase = 1131, fIndexedGain = 1132;
inline constexpr int fDiscountProceeds = 1133, fDiscountCostBase = 1134, fDiscountGain = 1135;
inline constexpr int fOtherProceeds = 1136, fOtherCostBase = 1137, fOtherGain = 1138;
inline constexpr int fLossCostBase = 1139, fLossProceeds = 1140, fCapitalLoss = 1141;
inline constexpr int fMessage1 = 1142;
inline constexpr int fMessage2 = 1143;
inline constexpr int fProceedsAboveZero = 1196;

// Results of the depreciating asset summary.
inline constexpr int fCostShownIndexed = 716, fCostShownDiscount = 717, fCostShownOther = 718,
                     fCostShownLoss = 747;
inline constexpr int fUnadjustedIndexed = 749, fUnadjustedDiscount = 1127, fUnadjustedOther = 1128,
                     fUnadjustedLoss = 1144;
inline constexpr int fAdjustedIndexed = 1166;

// Results of the non-assessable payments summary.
inline constexpr int fPaymentCostBaseDate = 1151;
inline constexpr int fPaymentNonIndexed = 1152;
inline constexpr int fPaymentIndexed = 1153;
inline constexpr int fPaymentReduced = 1154;
inline constexpr int fPaymentDiscountGain = 1155, fPaymentDiscountGainPriorYears = 1156;
inline constexpr int fPaymentIndexedGain = 1157, fPaymentIndexedGainPriorYears = 1158;
inline constexpr int fPaymentOtherGain = 1159, fPaymentOtherGainPriorYears = 1160;
inline constexpr int fPaymentGainThisYear = 1198;
inline constexpr int fPaymentWorksheet = 1199;
