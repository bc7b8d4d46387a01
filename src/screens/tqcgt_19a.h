#pragma once
// Section 5 of a depreciating asset: its cost, termination value and the date of the
// balancing adjustment event, with the private-use share by taxable use percentage or by
// the sum of reductions and the total decline.

#include <memory>

#include "interview/tassetscreen.h"

namespace Ui {
class TQCGT_19a;
}

class TQCGT_19a : public TAssetScreen {
    Q_OBJECT
public:
    TQCGT_19a();
    ~TQCGT_19a() override;

    void FormCreate() override;
    void rbLVPYesClick();

protected:
    void CheckLeave() override;

private:
    std::unique_ptr<Ui::TQCGT_19a> ui;
};
