#pragma once
// The notice before the choice table.

#include <memory>

#include "interview/tinformationscreen.h"

namespace Ui {
class TQCGT_57;
}

class TQCGT_57 : public TInformationScreen {
    Q_OBJECT
public:
    TQCGT_57();
    ~TQCGT_57() override;

private:
    std::unique_ptr<Ui::TQCGT_57> ui;
};
