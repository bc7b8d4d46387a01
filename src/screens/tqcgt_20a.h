#pragma once
// Deferral for real estate: roll-over, marriage breakdown and the 15-year exemption.

#include <memory>

#include "screens/tdeferralscreen.h"

namespace Ui {
class TQCGT_20a;
}

class TQCGT_20a : public TDeferralScreen {
    Q_OBJECT
public:
    TQCGT_20a();
    ~TQCGT_20a() override;

private:
    std::unique_ptr<Ui::TQCGT_20a> ui;
};
