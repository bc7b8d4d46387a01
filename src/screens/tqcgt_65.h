#pragma once
// The gains disregarded by the small business 15-year exemption, listed from the assets on
// every show; Next puts their total and code on the CGT schedule.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_65;
}
class TXGrid;

class TQCGT_65 : public TChildForm {
    Q_OBJECT
public:
    TQCGT_65();
    ~TQCGT_65() override;

    void FormShow() override;
    TXGrid* Grid() const;

private:
    std::unique_ptr<Ui::TQCGT_65> ui;
};
