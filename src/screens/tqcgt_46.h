#pragma once
// Closing question of the personal use assets and collectables: another asset with a CGT event?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_46;
}

class TQCGT_46 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_46();
    ~TQCGT_46() override;

private:
    std::unique_ptr<Ui::TQCGT_46> ui;
};
