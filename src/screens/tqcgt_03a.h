#pragma once
// Trusts: was the taxpayer a beneficiary of a trust?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_03a;
}

class TQCGT_03a : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_03a();
    ~TQCGT_03a() override;

private:
    std::unique_ptr<Ui::TQCGT_03a> ui;
};
