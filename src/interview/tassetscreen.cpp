#include "interview/tassetscreen.h"

#include <QLabel>

#include "base/dates.h"
#include "base/module_state.h"
#include "base/text_encoding.h"
#include "calc/item_notices.h"
#include "controls/ttaxedit.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

TAssetScreen::TAssetScreen(QWidget* parent) : TChildForm(parent) {}

int TAssetScreen::Worksheet() { return State().PathWorksheet; }

void TAssetScreen::OpenPathItem() {
    const ModuleState& state = State();
    OpenWorksheetItem(state.PathWorksheet, state.ContinueItem ? state.SelectedItem : 1);
}

bool TAssetScreen::ChecksApply() {
    const TFrameWnd* frame = State().FrameWnd;
    if (frame && frame->GoingBack()) return false;
    return !TrimmedText(GetFieldStr(ItemNameField)).empty();
}

void TAssetScreen::FormCreate() {
    OpenPathItem();
    // Never bound and never shown: its text alone makes the screen count as filled in.
    keepItem_ = new TTaxEdit(this);
    keepItem_->setObjectName(QStringLiteral("KeepItemEdit"));
    keepItem_->setText(QStringLiteral("DO NOT DELETE"));
    keepItem_->setFocusPolicy(Qt::NoFocus);
    keepItem_->hide();
}

void TAssetScreen::FormShow() {
    ShowAssetName();
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->SetWorksheetPanelVisible(false);
    frame->SetLeaveCheck([this] {
        if (ChecksApply()) CheckLeave();
    });
    frame->SetNextHandler([this](QObject*) { StepNext(); });
}

void TAssetScreen::StepNext() { StepScreenIndex(1); }

void RefuseWith(TChildForm* screen, const std::string& message, QWidget* focus) {
    screen->ShowInfo(FromLatin1Text(message));
    if (focus) focus->setFocus(Qt::OtherFocusReason);
    if (TFrameWnd* frame = State().FrameWnd) frame->RefuseLeave();
}

QWidget* FocusFor(int target, FocusTable table) {
    for (const FocusTarget& entry : table)
        if (entry.target == target) return entry.control;
    return nullptr;
}

void RefuseWith(TChildForm* screen, const std::string& message, int target, FocusTable table) {
    RefuseWith(screen, message, FocusFor(target, table));
}

void TAssetScreen::Refuse(const std::string& message, QWidget* focus) {
    RefuseWith(this, message, focus);
}

void TAssetScreen::Refuse(const std::string& message, int target, FocusTable table) {
    RefuseWith(this, message, target, table);
}

bool TAssetScreen::ConfirmEventInYear(TTaxEdit* eventDate) {
    double event = NoDate;
    if (!TryReadDate(ToLatin1Text(eventDate->text()), event) || !OutsideIncomeYear(event))
        return true;
    if (ShowMessageBox(FromLatin1Text(EventOutsideYearQuestion()), mtConfirmation, mbYesNo) ==
        mrYes)
        return true;
    eventDate->setFocus(Qt::OtherFocusReason);
    if (TFrameWnd* frame = State().FrameWnd) frame->RefuseLeave();
    return false;
}

void TAssetScreen::ShowAssetName() {
    auto* label = findChild<QLabel*>(QStringLiteral("AssetNameLbl"));
    if (!label) return;
    const std::string name = TrimmedText(GetFieldStr(ItemNameField));
    const QString text = name.empty()
                             ? NoAssetText()
                             : QStringLiteral("Registered asset name: ") + FromLatin1Text(name);
    label->setText(text);
    label->setVisible(!text.isEmpty());
}
