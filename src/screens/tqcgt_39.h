#pragma once
// Shares: did one of the listed CGT events happen to them?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_39;
}

class TQCGT_39 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_39();
    ~TQCGT_39() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQCGT_39> ui;
};
