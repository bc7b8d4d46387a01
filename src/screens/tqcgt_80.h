#pragma once
// Depreciating assets: did the taxpayer own one during the year?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_80;
}

class TQCGT_80 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_80();
    ~TQCGT_80() override;

private:
    std::unique_ptr<Ui::TQCGT_80> ui;
};
