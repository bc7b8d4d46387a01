#pragma once
// The scrip for scrip roll-overs: for each deferred exchange of shares or trust interests,
// the market value of the replacement interests and the cash received. Next stores them and
// puts their totals on the CGT schedule.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_66;
}
class TTextLbl;
class TXGrid;

class TQCGT_66 : public TChildForm {
    Q_OBJECT
public:
    TQCGT_66();
    ~TQCGT_66() override;

    void FormShow() override;
    TXGrid* Grid() const;
    TTextLbl* HelpPanel() const;

private:
    void CellChosen(TXGrid* grid);
    void CheckBalances();

    std::unique_ptr<Ui::TQCGT_66> ui;
};
