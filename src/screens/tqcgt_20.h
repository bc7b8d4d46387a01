#pragma once
// Deferral for depreciating, personal use and other assets: roll-over eligibility, and the
// 15-year exemption for other assets only.

#include <memory>

#include "screens/tdeferralscreen.h"

namespace Ui {
class TQCGT_20;
}

class TQCGT_20 : public TDeferralScreen {
    Q_OBJECT
public:
    TQCGT_20();
    ~TQCGT_20() override;
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TQCGT_20> ui;
};
