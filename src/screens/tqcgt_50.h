#pragma once
// Closing question of the created rights: another right created in an entity?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_50;
}

class TQCGT_50 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_50();
    ~TQCGT_50() override;

private:
    std::unique_ptr<Ui::TQCGT_50> ui;
};
