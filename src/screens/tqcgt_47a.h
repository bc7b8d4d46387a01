#pragma once
// Intangible and other assets: did the taxpayer own any during the year?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_47a;
}

class TQCGT_47a : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_47a();
    ~TQCGT_47a() override;

private:
    std::unique_ptr<Ui::TQCGT_47a> ui;
};
