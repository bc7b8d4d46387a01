#pragma once
// Intangible and other assets: did a listed CGT event happen to one?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_47;
}

class TQCGT_47 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_47();
    ~TQCGT_47() override;

private:
    std::unique_ptr<Ui::TQCGT_47> ui;
};
