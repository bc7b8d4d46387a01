#pragma once
// Closing question of the other receipts: another receipt relating to a CGT asset?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_37;
}

class TQCGT_37 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_37();
    ~TQCGT_37() override;

private:
    std::unique_ptr<Ui::TQCGT_37> ui;
};
