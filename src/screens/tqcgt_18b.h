#pragma once
// Section 4d of a trust interest: non-assessable payments from the trust, with the event
// date and the parts that apply worked out from each payment's date.

#include <memory>

#include "interview/tassetscreen.h"

namespace Ui {
class TQCGT_18b;
}

class TXGrid;

class TQCGT_18b : public TAssetScreen {
    Q_OBJECT
public:
    TQCGT_18b();
    ~TQCGT_18b() override;

    void FormCreate() override;
    void FormShow() override;
    TXGrid* Grid() const;

protected:
    void CheckLeave() override;
    void StepNext() override;

private:
    void CellClicked(int col, int row);
    std::unique_ptr<Ui::TQCGT_18b> ui;
};
