#pragma once
// Created rights: did the taxpayer create rights in another entity or change a lease as lessor?

#include <memory>

#include "interview/tgatescreen.h"

namespace Ui {
class TQCGT_49a;
}

class TQCGT_49a : public TGateScreen {
    Q_OBJECT
public:
    TQCGT_49a();
    ~TQCGT_49a() override;

private:
    std::unique_ptr<Ui::TQCGT_49a> ui;
};
