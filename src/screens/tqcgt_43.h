#pragma once
// Real estate: did one of the listed CGT events happen to it?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_43;
}

class TQCGT_43 : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_43();
    ~TQCGT_43() override;

private:
    std::unique_ptr<Ui::TQCGT_43> ui;
};
