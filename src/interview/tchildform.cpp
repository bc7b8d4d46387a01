#include "interview/tchildform.h"

#include <QLabel>

#include "base/module_state.h"
#include "controls/treviewlabel.h"
#include "controls/ttaxedit.h"
#include "controls/ttextlbl.h"
#include "platform/qt_message_box.h"

namespace {
QString Expanded(const QString& text) {
    return FromLatin1Text(ExpandVariables(ToLatin1Text(text)));
}
}  // namespace

TChildForm::TChildForm(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    hide();
}

TChildForm::~TChildForm() = default;

void TChildForm::FinishConstruction() {
    setGeometry(0, 0, width(), height());
    reviewBanner_ = new TReviewLabel(this);
    reviewBanner_->hide();
    if (State().Review.NeedsReview(ToLatin1Text(ScreenClassName()))) reviewBanner_->show();
    for (QWidget* child : findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            label->setText(Expanded(label->text()));
        } else if (auto* edit = qobject_cast<TTaxEdit*>(child)) {
            edit->setToolTip(Expanded(edit->toolTip()));
        }
    }
    FormCreate();
}

QString TChildForm::ScreenClassName() const {
    return QString::fromLatin1(metaObject()->className());
}

std::vector<TMsgDlgBtn> ScreenMessageButtons(TMsgDlgButtons buttons) {
    const TMsgDlgButtons withoutHelp = buttons & ~TMsgDlgButtons(mbHelp);
    std::vector<TMsgDlgBtn> shown;
    if (buttons & mbHelp) {
        shown = {mbOK};
    } else {
        switch (withoutHelp) {
            case mbOK:
                shown = {mbOK};
                break;
            case mbOKCancel:
                shown = {mbOK, mbCancel};
                break;
            case mbAbortRetryIgnore:
                shown = {mbAbort, mbRetry, mbIgnore};
                break;
            case mbYesNoCancel:
                shown = {mbYes, mbNo, mbCancel};
                break;
            case mbYesNo:
                shown = {mbYes, mbNo};
                break;
            case mbRetryCancel:
                shown = {mbRetry, mbCancel};
                break;
            default:
                shown = {mbOK};
                break;
        }
    }
    if (buttons & mbHelp) shown.push_back(mbHelp);
    return shown;
}

TModalResult TChildForm::ShowMessageBox(const QString& text, TMsgDlgType type,
                                        TMsgDlgButtons buttons, int /*helpContext*/) {
    return ShowTitledMessage(ToLatin1Text(text), IconForDialogType(type, true),
                             ScreenMessageButtons(buttons));
}

void TChildForm::ShowInfo(const QString& text) { ShowMessageBox(text, mtInformation, mbOK); }

QString TChildForm::AttentionText() const {
    for (QObject* child : children()) {
        auto* label = qobject_cast<TTextLbl*>(child);
        if (label && !label->isHidden() && label->kind() == tlkAttention) return label->plainText();
    }
    return {};
}

void TChildForm::SetReviewVisible(bool visible) {
    if (reviewBanner_) reviewBanner_->setVisible(visible);
}

TFrameWnd* TChildForm::Frame() const { return State().FrameWnd; }
