#pragma once
// Registration of an asset: its description, type and acquisition date, for every asset
// path. The worksheet panel lists the assets already entered. Shares can be imported from a
// broker's trade list instead.

#include <QString>
#include <functional>
#include <memory>

#include "interview/tchildform.h"

struct RegistrationInput;

namespace Ui {
class TQCGT_08;
}

class TQCGT_08 : public TChildForm {
    Q_OBJECT
public:
    TQCGT_08();
    ~TQCGT_08() override;

    void FormCreate() override;
    void FormShow() override;
    void DescEditExit();

    // Asks for the trade list to import; empty when none was chosen. Tests replace it.
    std::function<QString()> ChooseTradeList;

private:
    RegistrationInput Input() const;
    void CheckLeave();
    void NextClicked();
    void ImportClicked();
    std::unique_ptr<Ui::TQCGT_08> ui;
    bool nextRefused_ = false;
};
