#pragma once
// The worksheets whose items are assets with their own gain or loss: shares, trusts, real
// estate, personal use and collectables, other assets, depreciating assets.

inline constexpr int AssetWorksheets[] = {451, 452, 454, 455, 456, 458};
