#pragma once
// Section 4 of a share parcel: capital payments the company made for the shares.

#include <memory>

#include "interview/tassetscreen.h"

namespace Ui {
class TQCGT_18;
}

class TXGrid;

class TQCGT_18 : public TAssetScreen {
    Q_OBJECT
public:
    TQCGT_18();
    ~TQCGT_18() override;

    void FormCreate() override;
    void FormShow() override;
    TXGrid* Grid() const;

protected:
    void CheckLeave() override;
    void StepNext() override;

private:
    std::unique_ptr<Ui::TQCGT_18> ui;
};
