#pragma once
// Capital gains distributed by trusts: one row per trust, nine components and their sum.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT02_04;
}
class TXGrid;

class TQCGT02_04 : public TChildForm {
    Q_OBJECT
public:
    TQCGT02_04();
    ~TQCGT02_04() override;

    void FormShow() override;
    void LeaveCheck();
    TXGrid* Grid() const;

private:
    std::unique_ptr<Ui::TQCGT02_04> ui;
};
