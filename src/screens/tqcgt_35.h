#pragma once
// Other receipts: money or property received for an act, transaction or event relating to a
// CGT asset (CGT event H2).

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_35;
}

class TQCGT_35 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_35();
    ~TQCGT_35() override;

private:
    std::unique_ptr<Ui::TQCGT_35> ui;
};
