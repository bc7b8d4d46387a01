#pragma once
// Section 5 of an asset: the date of its CGT event and the capital proceeds.

#include <memory>

#include "interview/tassetscreen.h"

namespace Ui {
class TQCGT_19;
}

class TQCGT_19 : public TAssetScreen {
    Q_OBJECT
public:
    TQCGT_19();
    ~TQCGT_19() override;

    void FormCreate() override;
    void FormShow() override;

protected:
    void CheckLeave() override;

private:
    void ShowLegalTimeQuestion();
    std::unique_ptr<Ui::TQCGT_19> ui;
};
