#pragma once
// The choice table: every gain and loss of the return, with the method, deferment and loss
// choices made by the taxpayer or by the module, and the net capital gain.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_62;
}
class TXGrid;
struct ChoiceTable;

class TQCGT_62 : public TChildForm {
    Q_OBJECT
public:
    TQCGT_62();
    ~TQCGT_62() override;

    void FormShow() override;
    void CheckChoiceTable();
    TXGrid* Grid() const;
    TXGrid* UnappliedGrid() const;

    void ApplyLossBtnClick();
    void DeferBtnClick();
    void MethodBtnClick();
    void RestartBtnClick();

private:
    bool Confirmed(const char* question);
    // Recalculates and shows the result: both grids and the net capital gain.
    void Recalculate();
    void RegisterNextHandler();

    std::unique_ptr<Ui::TQCGT_62> ui;
    std::unique_ptr<ChoiceTable> table_;
};
