#pragma once
// Real estate: did the taxpayer own real estate during the year?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_43a;
}

class TQCGT_43a : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_43a();
    ~TQCGT_43a() override;

private:
    std::unique_ptr<Ui::TQCGT_43a> ui;
};
