#pragma once
// Section 2 of an asset: a cost base worked out at a later date or taken over by a
// roll-over, with the deceased-estate and legal-time answers that decide indexation.

#include <memory>

#include "interview/tassetscreen.h"

namespace Ui {
class TQCGT_11;
}

class TQCGT_11 : public TAssetScreen {
    Q_OBJECT
public:
    TQCGT_11();
    ~TQCGT_11() override;

    void FormCreate() override;
    void FormShow() override;
    void DateofRolloverEditExit();

protected:
    void CheckLeave() override;

private:
    // The enabling rules; `readAnswer` shows the stored deceased-estate answer.
    void ApplyRolloverRules(bool readAnswer);
    void DeceasedClicked(bool yes);
    std::unique_ptr<Ui::TQCGT_11> ui;
};
