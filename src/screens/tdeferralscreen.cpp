#include "screens/tdeferralscreen.h"

#include <QCheckBox>

#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "screens/yes_no_pair.h"
#include "store/field_store.h"

namespace {
constexpr int AssetTypeField = 714;
constexpr int EventDateField = 739;
}  // namespace

TDeferralScreen::TDeferralScreen(QWidget* parent) : TAssetScreen(parent) {}

void TDeferralScreen::SetBoxes(const DeferralBoxes& boxes) {
    boxes_ = boxes;
    PairAsRadio(boxes.q2Yes, boxes.q2No);
    PairAsRadio(boxes.q3Yes, boxes.q3No);
    connect(boxes.q2Yes, &QCheckBox::clicked, this, [this] { Q2Clicked(true); });
    connect(boxes.q2No, &QCheckBox::clicked, this, [this] { Q2Clicked(false); });
    if (!boxes.scripYes) return;
    PairAsRadio(boxes.scripYes, boxes.scripNo);
    // A roll-over has one cause: a marriage breakdown rules out scrip for scrip and back.
    connect(boxes.q3Yes, &QCheckBox::clicked, this, [this](bool ticked) {
        if (!ticked) return;
        boxes_.scripNo->setChecked(true);
        SetFieldChecked(725);
        SetFieldUnchecked(724);
    });
    connect(boxes.scripYes, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked) boxes_.q3No->setChecked(true);
    });
    connect(boxes.scripNo, &QCheckBox::clicked, this, [](bool ticked) {
        if (!ticked) return;
        SetFieldChecked(725);
        SetFieldUnchecked(724);
    });
    connect(boxes.exemption, &QCheckBox::clicked, this,
            [](bool ticked) { ticked ? SetFieldChecked(746) : SetFieldUnchecked(746); });
}

void TDeferralScreen::FormShow() {
    TAssetScreen::FormShow();
    if (!IsActiveAssetType(GetFieldStr(AssetTypeField))) {
        boxes_.exemption->setChecked(false);
        boxes_.exemption->setEnabled(false);
    }
    FollowUpsEnabled(boxes_.q2Yes->isChecked());
}

void TDeferralScreen::FollowUpsEnabled(bool enabled) {
    for (QCheckBox* box : {boxes_.q3Yes, boxes_.q3No, boxes_.scripYes, boxes_.scripNo})
        if (box) box->setEnabled(enabled);
}

void TDeferralScreen::Q2Clicked(bool yes) {
    QCheckBox* clicked = yes ? boxes_.q2Yes : boxes_.q2No;
    if (!clicked->isChecked()) return;
    if (!yes)
        for (QCheckBox* box : {boxes_.q3Yes, boxes_.q3No, boxes_.scripYes, boxes_.scripNo})
            if (box) box->setChecked(false);
    FollowUpsEnabled(yes);
    if (!boxes_.scripYes) return;
    if (yes) {
        SetFieldChecked(720);
        SetFieldUnchecked(721);
    } else {
        SetFieldUnchecked(724);
        SetFieldUnchecked(725);
    }
}

void TDeferralScreen::CheckLeave() {
    DeferralInput in;
    in.q2Yes = boxes_.q2Yes->isChecked();
    in.q2No = boxes_.q2No->isChecked();
    in.q3Yes = boxes_.q3Yes->isChecked();
    in.q3No = boxes_.q3No->isChecked();
    in.scripAsked = boxes_.scripYes != nullptr;
    in.scripYes = in.scripAsked && boxes_.scripYes->isChecked();
    in.scripNo = in.scripAsked && boxes_.scripNo->isChecked();
    in.eventDated = ReadDateText(GetFieldStr(EventDateField)) != NoDate;
    in.exemption = boxes_.exemption->isChecked();
    in.assetType = GetFieldStr(AssetTypeField);
    const auto refusal = DeferralLeaveCheck(in);
    if (!refusal) return;
    Refuse(refusal->message, refusal->focus,
           {{xfQ2Yes, boxes_.q2Yes},
            {xfQ3Yes, boxes_.q3Yes},
            {xfScripYes, boxes_.scripYes},
            {xfExemption, boxes_.exemption}});
}
