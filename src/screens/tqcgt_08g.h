#pragma once
// Created rights: how the details of each event are entered, section by section.

#include <memory>

#include "interview/tinformationscreen.h"

namespace Ui {
class TQCGT_08g;
}

class TQCGT_08g : public TInformationScreen {
    Q_OBJECT
public:
    TQCGT_08g();
    ~TQCGT_08g() override;

private:
    std::unique_ptr<Ui::TQCGT_08g> ui;
};
