#pragma once
// Trusts: did one of the listed CGT events happen to a trust interest?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_41;
}

class TQCGT_41 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_41();
    ~TQCGT_41() override;

private:
    std::unique_ptr<Ui::TQCGT_41> ui;
};
