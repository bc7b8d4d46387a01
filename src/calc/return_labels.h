#pragma once
// The labels of the host's return that this module keeps up to date: whether a CGT event
// happened (170/171), the total current year capital gains (169), the net capital gain
// (174) and the module's own net capital gain (1578).

inline constexpr int fTotalGainsLabel = 169;
inline constexpr int fCgtEventYes = 170;
inline constexpr int fCgtEventNo = 171;
inline constexpr int fNetGainLabel = 174;
inline constexpr int fLossesCarriedLabel = 175;
inline constexpr int fHostNetGain = 1557;
inline constexpr int fHostTotalGains = 1558;
inline constexpr int fHostCgtEvent = 1584;
inline constexpr int fModuleNetGain = 1578;
inline constexpr int fModuleTotalGains = 1579;
inline constexpr int fModuleHasCgtRecords = 1585;

// Ticks or unticks 1585, then the event labels.
void SetCgtPresent(bool present);
void UpdateReturnLabels();
// 1578 := amount, an explicit zero when there were gains that losses used up; the labels.
void SetNetCapitalGain(long double amount);
