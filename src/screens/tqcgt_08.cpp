#include "screens/tqcgt_08.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "interview/interview_steps.h"
#include "interview/tassetscreen.h"
#include "interview/tframewnd.h"
#include "platform/combo_type_ahead.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "screens/core/acquisition_checks.h"
#include "screens/core/asset_tables.h"
#include "screens/core/trade_import.h"
#include "screens/ttradeimportdialog.h"
#include "store/worksheet_items.h"
#include "ui_tqcgt_08.h"

namespace {

QString Heading(int k) {
    switch (k) {
        case 451:
            return QStringLiteral("Registered asset Type: Shares in a company");
        case 452:
            return QStringLiteral("Registered asset Type: Trust interest");
        case 454:
            return QStringLiteral("Registered asset Type: Real estate");
        case 455:
            return QStringLiteral("Registered asset Type: Personal use or collectable assets");
        case 456:
            return QStringLiteral(
                "Registered asset Type:<X150>Intangible property, contractual rights, leases "
                "and any other asset\nnot previously mentioned. ");
        case 458:
            return QStringLiteral("Registered asset Type: Depreciating Assets");
        default:
            return QStringLiteral("Registered asset Type:");
    }
}

int AcquisitionSection(int k) { return k == 456 ? 2 : k == 458 ? 3 : 1; }

}  // namespace

TQCGT_08::TQCGT_08() : ui(new Ui::TQCGT_08) {
    ui->setupUi(this);
    connect(ui->DescEdit, &TTaxEdit::exited, this, &TQCGT_08::DescEditExit);
    new TComboTypeAhead(ui->TypeTextComboBox);
    ChooseTradeList = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Import trades"), QString(),
                                            QStringLiteral("Trade lists (*.csv);;All files (*)"));
    };
    connect(ui->ImportBtn, &QPushButton::clicked, this, &TQCGT_08::ImportClicked);
}

TQCGT_08::~TQCGT_08() = default;

void TQCGT_08::FormCreate() {
    const ModuleState& state = State();
    const int k = state.PathWorksheet;
    if (state.ContinueItem)
        OpenWorksheetItem(k, state.SelectedItem);
    else
        OpenWorksheetNewItem(k);
    ui->TextLbl2->setText(Heading(k).split(QLatin1Char('\n')));
    ui->AcqLbl->setCurrentSection(AcquisitionSection(k));
    ui->DepnAssetsLbl->setVisible(k == 458);
    ui->ImportBtn->setVisible(k == SharesWorksheet);
    SetDynamicHelpLink(ui->IntroLbl, ExamplesHelpTopic(k));
    FillComboLines(ui->TypeTextComboBox, AssetTypeLines(k));
    if (state.VisionImpairedMode)
        for (TTextLbl* label : {ui->TextLbl2, ui->IntroLbl, ui->AcqLbl}) label->setTabStop(true);
}

void TQCGT_08::FormShow() {
    State().ContinueItem = false;
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->SetWorksheetPanelVisible(true);
    frame->SetLeaveCheck([this] { CheckLeave(); });
    frame->SetNextHandler([this](QObject*) { NextClicked(); });
}

void TQCGT_08::DescEditExit() {
    if (ui->DescEdit->text().trimmed().isEmpty() || ui->TypeTextComboBox->currentIndex() >= 0)
        return;
    ui->TypeTextComboBox->setCurrentIndex(DefaultAssetTypeLine(State().PathWorksheet) - 1);
}

RegistrationInput TQCGT_08::Input() const {
    return {ToLatin1Text(ui->DescEdit->text()), ui->TypeTextComboBox->currentIndex() >= 0,
            !ui->DateofAcqEdit->isHidden(), ToLatin1Text(ui->DateofAcqEdit->text())};
}

void TQCGT_08::CheckLeave() {
    auto refusal = RegistrationLeaveCheck(Input());
    if (nextRefused_) {
        // Next found the description missing: the screen stays as it is, so that what was
        // typed is neither filed under a made-up name nor replaced by a blank item.
        nextRefused_ = false;
        refusal = RegistrationNextCheck(Input());
    }
    if (!refusal) return;
    RefuseWith(this, refusal->message, refusal->focus,
               {{rfDescription, ui->DescEdit},
                {rfType, ui->TypeTextComboBox},
                {rfDate, ui->DateofAcqEdit}});
}

void TQCGT_08::NextClicked() {
    ModuleState& state = State();
    if (RegistrationNextCheck(Input())) {
        // The leave check tells the taxpayer and keeps the screen.
        nextRefused_ = true;
        StepScreenIndex(1);
        return;
    }
    state.SelectedItem = state.CurrentItem;
    state.ContinueItem = true;
    if (ui->DescEdit->text().trimmed().isEmpty())
        StepScreenIndex(RegistrationSkip(state.PathWorksheet));
    else
        StepScreenIndex(1);
}

void TQCGT_08::ImportClicked() {
    TFrameWnd* frame = Frame();
    // What is typed here is stored before the import, so it must pass the screen's checks.
    if (frame && !frame->LeaveCheckPasses()) return;
    const QString path = ChooseTradeList ? ChooseTradeList() : QString();
    if (path.isEmpty()) return;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessageBox(QStringLiteral("The trade list %1 cannot be read: %2.\rNothing was written.")
                           .arg(name, file.errorString()),
                       mtError, mbOK);
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string text(bytes.constData(), static_cast<size_t>(bytes.size()));
    TradeImport import;
    ImportProblem problem;
    const bool prepared = PrepareTradeImport(text, {}, import, problem);
    // A corporate action is mended in the preview, by excluding its security.
    if (!prepared && !problem.corporateAction) {
        ShowMessageBox(TradeImportProblemText(name, problem), mtError, mbOK);
        return;
    }
    const auto replaceEarlier = [&](int items) {
        return ShowMessageBox(QStringLiteral("The trades of %1 were imported before (%2 "
                                             "worksheet(s)).\rDo you want to replace the "
                                             "earlier import?")
                                  .arg(name)
                                  .arg(items),
                              mtConfirmation, mbYesNo) == mrYes;
    };
    int earlier = prepared ? static_cast<int>(EarlierImportItems(import).size()) : 0;
    if (earlier > 0 && !replaceEarlier(earlier)) return;
    TTradeImportDialog dialog(text, name, earlier, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!prepared) {
        earlier = static_cast<int>(EarlierImportItems(dialog.Import()).size());
        if (earlier > 0 && !replaceEarlier(earlier)) return;
    }
    // Stored as choosing another worksheet from the list stores it.
    if (frame) frame->SaveScreenFields();
    StoreWorksheetItem();
    WriteTradeImport(dialog.Import(), earlier > 0);
    // The screen starts a new asset; the list shows the imported ones.
    OpenWorksheetNewItem(SharesWorksheet);
}
