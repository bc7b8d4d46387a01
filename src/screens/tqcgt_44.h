#pragma once
// Real estate: did a CGT event happen to another property?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_44;
}

class TQCGT_44 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_44();
    ~TQCGT_44() override;

private:
    std::unique_ptr<Ui::TQCGT_44> ui;
};
