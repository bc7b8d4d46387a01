#pragma once
// Depreciating assets: did a balancing adjustment event happen to one (CGT event K7)?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_81;
}

class TQCGT_81 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_81();
    ~TQCGT_81() override;

private:
    std::unique_ptr<Ui::TQCGT_81> ui;
};
