#pragma once
// Personal use assets and collectables: did a listed CGT event happen to one?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_45;
}

class TQCGT_45 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_45();
    ~TQCGT_45() override;

private:
    std::unique_ptr<Ui::TQCGT_45> ui;
};
