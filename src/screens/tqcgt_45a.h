#pragma once
// Personal use assets and collectables: did the taxpayer own any during the year?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_45a;
}

class TQCGT_45a : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_45a();
    ~TQCGT_45a() override;

private:
    std::unique_ptr<Ui::TQCGT_45a> ui;
};
