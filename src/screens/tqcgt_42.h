#pragma once
// Trusts: did a CGT event happen to another trust interest?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_42;
}

class TQCGT_42 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_42();
    ~TQCGT_42() override;

private:
    std::unique_ptr<Ui::TQCGT_42> ui;
};
