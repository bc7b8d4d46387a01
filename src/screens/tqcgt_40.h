#pragma once
// Shares: did a CGT event happen to another parcel?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_40;
}

class TQCGT_40 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_40();
    ~TQCGT_40() override;

private:
    std::unique_ptr<Ui::TQCGT_40> ui;
};
