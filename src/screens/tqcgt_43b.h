#pragma once
// Real estate: the main residence exemption.

#include <memory>

#include "interview/tinformationscreen.h"

namespace Ui {
class TQCGT_43b;
}

class TQCGT_43b : public TInformationScreen {
    Q_OBJECT
public:
    TQCGT_43b();
    ~TQCGT_43b() override;

private:
    std::unique_ptr<Ui::TQCGT_43b> ui;
};
