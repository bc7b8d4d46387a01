#pragma once
// Closing question of the depreciating assets: another asset with a balancing adjustment event?

#include <memory>

#include "interview/tclosingquestion.h"

namespace Ui {
class TQCGT_82;
}

class TQCGT_82 : public TClosingQuestion {
    Q_OBJECT
public:
    TQCGT_82();
    ~TQCGT_82() override;

private:
    std::unique_ptr<Ui::TQCGT_82> ui;
};
