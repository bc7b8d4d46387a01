#pragma once
// The amounts of net capital losses of earlier years not yet applied.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_56;
}

class TQCGT_56 : public TChildForm {
    Q_OBJECT
public:
    TQCGT_56();
    ~TQCGT_56() override;

    void FormShow() override;
    std::unique_ptr<Ui::TQCGT_56> ui;
};
