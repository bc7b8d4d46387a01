#pragma once
// The last screen of the interview: the CGT schedule as the choice table and the summaries
// left it, read-only. Next ends the interview.

#include <memory>

#include "interview/tinformationscreen.h"

namespace Ui {
class TQCGT_67;
}
class QPushButton;
class TScheduleBox;
class TTaxEdit;

class TQCGT_67 : public TInformationScreen {
    Q_OBJECT
public:
    TQCGT_67();
    ~TQCGT_67() override;

    void FormCreate() override;
    void FormShow() override;
    TScheduleBox* ScheduleBox() const { return box_; }
    QPushButton* PrintSchedBtn() const;

    // Shows the printed schedule in the preview, from which it prints or is saved as PDF.
    void PrintSchedBtnClick();

private:
    std::unique_ptr<Ui::TQCGT_67> ui;
    TScheduleBox* box_ = nullptr;
    TTaxEdit* keepRecord_ = nullptr;
};
