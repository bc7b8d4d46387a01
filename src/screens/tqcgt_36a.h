#pragma once
// Details of an event that happened to a right created in another entity, or of a lease
// event, with the roll-over questions.

#include <memory>

#include "screens/treceiptscreen.h"

namespace Ui {
class TQCGT_36a;
}

class TQCGT_36a : public TReceiptScreen {
    Q_OBJECT
public:
    TQCGT_36a();
    ~TQCGT_36a() override;

protected:
    void NextStep() override;

private:
    std::unique_ptr<Ui::TQCGT_36a> ui;
};
