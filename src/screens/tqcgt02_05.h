#pragma once
// The manual calculation table: gains and losses worked out outside the interview.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT02_05;
}
class TXGrid;

class TQCGT02_05 : public TChildForm {
    Q_OBJECT
public:
    TQCGT02_05();
    ~TQCGT02_05() override;

    void FormShow() override;
    void LeaveCheck();
    TXGrid* Grid() const;

private:
    void ExitCell(int col, int row, bool& enterExitCell);
    void RegisterNextHandler();

    std::unique_ptr<Ui::TQCGT02_05> ui;
};
