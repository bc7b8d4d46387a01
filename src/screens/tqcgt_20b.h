#pragma once
// Deferral for shares and trust interests: roll-over, marriage breakdown, scrip for scrip and
// the 15-year exemption. Next skips the payments summary when no payment was entered.

#include <memory>

#include "screens/tdeferralscreen.h"

namespace Ui {
class TQCGT_20b;
}

class TQCGT_20b : public TDeferralScreen {
    Q_OBJECT
public:
    TQCGT_20b();
    ~TQCGT_20b() override;

protected:
    void StepNext() override;

private:
    std::unique_ptr<Ui::TQCGT_20b> ui;
};
