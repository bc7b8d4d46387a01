#pragma once
// Details of a receipt for an act, transaction or event relating to a CGT asset.

#include <memory>

#include "screens/treceiptscreen.h"

namespace Ui {
class TQCGT_36;
}

class TQCGT_36 : public TReceiptScreen {
    Q_OBJECT
public:
    TQCGT_36();
    ~TQCGT_36() override;

    void FormShow() override;

protected:
    void NextStep() override;

private:
    std::unique_ptr<Ui::TQCGT_36> ui;
};
