#pragma once
// The base of the single-screen CGT events (a receipt relating to an asset, a right created in
// another entity): one worksheet item per event, its gain or loss worked out as the amounts
// are typed, and a leave check that asks for what is missing.

#include <QPointer>

#include "interview/tchildform.h"

class QCheckBox;
class QComboBox;
class TTaxEdit;

// The controls the two screens share; the roll-over questions and the type are the created
// right's only.
struct ReceiptControls {
    ReceiptControls(TTaxEdit* description, TTaxEdit* proceeds, TTaxEdit* costs, TTaxEdit* gain,
                    TTaxEdit* loss, TTaxEdit* eventDate)
        : description(description),
          proceeds(proceeds),
          costs(costs),
          gain(gain),
          loss(loss),
          eventDate(eventDate) {}

    TTaxEdit* description = nullptr;
    TTaxEdit* proceeds = nullptr;
    TTaxEdit* costs = nullptr;
    TTaxEdit* gain = nullptr;
    TTaxEdit* loss = nullptr;
    TTaxEdit* eventDate = nullptr;
    QComboBox* type = nullptr;
    QCheckBox* deferYes = nullptr;
    QCheckBox* deferNo = nullptr;
    QCheckBox* marriageYes = nullptr;
    QCheckBox* marriageNo = nullptr;
};

class TReceiptScreen : public TChildForm {
    Q_OBJECT
public:
    // `worksheet`: where the events of this kind are kept.
    TReceiptScreen(int worksheet, bool createdRight, QWidget* parent = nullptr);

    void FormCreate() override;
    void FormShow() override;

    // Gain and loss from the amounts shown.
    void Recompute();
    void LeaveCheck();

protected:
    // Called by the derived screen once its form is built.
    void Attach(const ReceiptControls& controls);
    // The screen's own part of Next: its fields and the step to the next screen.
    virtual void NextStep() = 0;
    const ReceiptControls& Controls() const { return controls_; }
    long double Proceeds() const;

private:
    void PairBoxes(QCheckBox* one, QCheckBox* other);
    void ApplyMarriageEnabling();
    void DescriptionLeft();

    int worksheet_;
    bool createdRight_;
    ReceiptControls controls_{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
};
