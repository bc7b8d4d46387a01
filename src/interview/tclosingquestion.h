#pragma once
// The question that ends an asset of a section: Yes starts the next asset of the same kind,
// No moves to the next section. Nothing is cleared and the progress marker stays.

#include "interview/tchildform.h"

class TClosingQuestion : public TChildForm {
    Q_OBJECT
public:
    TClosingQuestion(int yesStep, int noStep, QWidget* parent = nullptr);

    void FormShow() override;

private:
    int yesStep_;
    int noStep_;
};
