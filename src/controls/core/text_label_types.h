#pragma once
// Kinds, modes and bevels of the marked-up text label; global so that forms and screens can
// name them without a class prefix.

#include <string>

enum TTextLblKind { tlkNone, tlkDirection, tlkAttention, tlkDanger };
enum TTextLabelMode { tlmStandard, tlmVisionImpaired };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A kind named without its "tlk" prefix ("Attention"), in any letter case.
bool TryReadKindName(const std::string& name, TTextLblKind& kind);
