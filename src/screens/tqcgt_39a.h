#pragma once
// Shares: did the taxpayer own shares during the year?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_39a;
}

class TQCGT_39a : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_39a();
    ~TQCGT_39a() override;
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TQCGT_39a> ui;
};
