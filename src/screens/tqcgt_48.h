#pragma once
// Closing question of the intangible and other assets: another asset with a CGT event?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_48;
}

class TQCGT_48 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_48();
    ~TQCGT_48() override;

private:
    std::unique_ptr<Ui::TQCGT_48> ui;
};
