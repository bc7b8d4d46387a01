#pragma once
// Created rights: did one of the D or F events happen? D4 and F2 go to the manual calculation
// table.

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_49;
}

class TQCGT_49 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_49();
    ~TQCGT_49() override;

private:
    std::unique_ptr<Ui::TQCGT_49> ui;
};
