#pragma once
// The deferral screens of the asset paths: whether the gain can be rolled over, whether a
// marriage breakdown (and, for shares and trust interests, a scrip for scrip exchange)
// caused the roll-over, and whether the 15-year active asset exemption applies.

#include "interview/tassetscreen.h"

class QCheckBox;

struct DeferralBoxes {
    QCheckBox* q2Yes = nullptr;
    QCheckBox* q2No = nullptr;
    QCheckBox* q3Yes = nullptr;
    QCheckBox* q3No = nullptr;
    QCheckBox* scripYes = nullptr;  // both null where the scrip question is not asked
    QCheckBox* scripNo = nullptr;
    QCheckBox* exemption = nullptr;
};

class TDeferralScreen : public TAssetScreen {
    Q_OBJECT
public:
    explicit TDeferralScreen(QWidget* parent = nullptr);
    void FormShow() override;

protected:
    // Wires the boxes' rules; called once the form is built.
    void SetBoxes(const DeferralBoxes& boxes);
    void CheckLeave() override;
    const DeferralBoxes& Boxes() const { return boxes_; }

private:
    void FollowUpsEnabled(bool enabled);
    void Q2Clicked(bool yes);
    DeferralBoxes boxes_;
};
