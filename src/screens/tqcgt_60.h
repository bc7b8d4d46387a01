#pragma once
// Information on ceasing to be an Australian resident.

#include <memory>

#include "interview/tinformationscreen.h"

namespace Ui {
class TQCGT_60;
}

class TQCGT_60 : public TInformationScreen {
    Q_OBJECT
public:
    TQCGT_60();
    ~TQCGT_60() override;

private:
    std::unique_ptr<Ui::TQCGT_60> ui;
};
