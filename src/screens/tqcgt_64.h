#pragma once
// The small business concession elections for each gain of an active asset; Next stores
// them and puts the concession totals on the CGT schedule.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_64;
}
class TXGrid;

class TQCGT_64 : public TChildForm {
    Q_OBJECT
public:
    TQCGT_64();
    ~TQCGT_64() override;

    void FormShow() override;
    TXGrid* Grid() const;

private:
    void CheckElections();
    void RegisterNextHandler();

    std::unique_ptr<Ui::TQCGT_64> ui;
};
