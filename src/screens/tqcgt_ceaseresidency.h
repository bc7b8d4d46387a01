#pragma once
// Whether the taxpayer stopped being an Australian resident during the income year.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_CeaseResidency;
}

class TQCGT_CeaseResidency : public TChildForm {
    Q_OBJECT
public:
    TQCGT_CeaseResidency();
    ~TQCGT_CeaseResidency() override;

    void FormShow() override;

private:
    void Answer(QObject* sender);
    std::unique_ptr<Ui::TQCGT_CeaseResidency> ui;
};
