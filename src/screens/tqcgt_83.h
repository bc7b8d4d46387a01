#pragma once
// Introduction to the capital gains section: what to read before beginning.

#include <memory>

#include "interview/tinformationscreen.h"

namespace Ui {
class TQCGT_83;
}

class TQCGT_83 : public TInformationScreen {
    Q_OBJECT
public:
    TQCGT_83();
    ~TQCGT_83() override;

private:
    std::unique_ptr<Ui::TQCGT_83> ui;
};
