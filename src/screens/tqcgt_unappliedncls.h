#pragma once
// Whether the taxpayer has net capital losses of earlier years not yet applied.

#include <memory>

#include "interview/tchildform.h"

namespace Ui {
class TQCGT_UnappliedNCLs;
}

class TQCGT_UnappliedNCLs : public TChildForm {
    Q_OBJECT
public:
    TQCGT_UnappliedNCLs();
    ~TQCGT_UnappliedNCLs() override;

    void FormShow() override;

private:
    void Answer(QObject* sender);
    std::unique_ptr<Ui::TQCGT_UnappliedNCLs> ui;
};
