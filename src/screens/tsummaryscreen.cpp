#include "screens/tsummaryscreen.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "base/module_state.h"
#include "calc/worksheet_columns.h"
#include "controls/ttaxedit.h"
#include "controls/txgrid.h"
#include "controls/txgridtotals.h"
#include "interview/field_binding.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "reports/preview_entry.h"
#include "screens/core/summary_rules.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int AssetTypeField = 714;
constexpr int WorksheetWidth = 1100;

QScrollArea* ScrollPanel(QWidget* parent, const char* name) {
    auto* panel = new QScrollArea(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

// The rows under the worksheet: the three cost bases and how they were adjusted, then the
// event's date, CPI and proceeds.
void AddWorksheetFigures(QWidget* parent, QVBoxLayout* layout) {
    AmountTable bases(parent,
                      {QStringLiteral("Cost base (discount/non-indexed)"),
                       QStringLiteral("Cost base (indexation)"), QStringLiteral("Reduced")});
    const struct {
        const char* caption;
        const char* names[3];
        int firstField;
    } rows[] = {
        {"Balancing Adjustment", {"BalAdjEdit1", "BalAdjEdit2", "BalAdjEdit3"}, 1109},
        {"Cost base", {"CostbaseEdit1", "CostbaseEdit2", "CostbaseEdit3"}, 1112},
        {"Non-assessable distribution adjustment",
         {"NonAssAdjEdit1", "NonAssAdjEdit2", "NonAssAdjEdit3"},
         1115},
        {"Adjusted cost base/reduced cost base",
         {"AdjCostBaseEdit1", "AdjCostBaseEdit2", "AdjCostBaseEdit3"},
         1118},
    };
    for (const auto& row : rows)
        bases.AddRow(QLatin1String(row.caption),
                     {{row.names[0], row.firstField, ntCurrencyCnt},
                      {row.names[1], row.firstField + 1, ntCurrencyCnt},
                      {row.names[2], row.firstField + 2, ntCurrencyCnt}});
    bases.Widget()->setMaximumWidth(760);
    layout->addWidget(bases.Widget());

    AmountTable event(parent, {});
    event.AddRow(QStringLiteral("Date of CGT event:"), {{"DateCgtEventEdit1", 1121, ntDate}});
    event.AddRow(QStringLiteral("CPI for CGT event date quarter:"),
                 {{"CPIEventQtrEdit", 1122, ntCurrencyCnt}});
    event.AddRow(QStringLiteral("Capital Proceeds:"), {{"CapProceedsEdit", 1123, ntCurrency}});
    event.AddRow(QStringLiteral("Percentage disposed of:"),
                 {{"PercDisposedEdit", 1124, ntCurrencyCnt}});
    event.AddRow(QStringLiteral("Days not exempt:"), {{"DaysNotExemptEdit", 1125, ntNumeric}});
    event.AddRow(QStringLiteral("Total days:"), {{"TotalDaysEdit", 1126, ntNumeric}});
    event.Widget()->setMaximumWidth(420);
    layout->addWidget(event.Widget());
}

}  // namespace

TSummaryScreen::TSummaryScreen(SummaryScreen kind, const Names& names) : kind_(kind) {
    SummaryFrame frame = BuildSummaryFrame(
        this, "lblVIWarn", QStringLiteral("Section - 7 - Summary of calculations "),
        names.viewSelector,
        {QStringLiteral("Taxpayer View"), QStringLiteral("Asset Register"),
         QStringLiteral("CGT Worksheet")},
        [this](int view) { SelectView(view); });
    descLabel_ = frame.descLabel;
    viewSelector_ = frame.views;
    QWidget* section = frame.section;
    QVBoxLayout* inside = frame.inside;

    eventData_ = BuildEventDataPanel(section);
    inside->addWidget(eventData_.panel);

    taxpayerPanel_ = ScrollPanel(section, "TaxPayerViewPanel");
    taxpayerPanel_->setWidgetResizable(true);
    taxpayerPanel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    taxpayerContent_ = new QWidget;
    taxpayerLayout_ = new QVBoxLayout(taxpayerContent_);
    taxpayerLayout_->setContentsMargins(4, 4, 4, 4);
    taxpayerPanel_->setWidget(taxpayerContent_);
    inside->addWidget(taxpayerPanel_, 1);

    registerPanel_ = new QWidget(section);
    registerPanel_->setObjectName(QStringLiteral("AssetRegisterPanel"));
    auto* registerLayout = new QVBoxLayout(registerPanel_);
    registerLayout->setContentsMargins(0, 0, 0, 0);
    register_ = new TXGrid(registerPanel_);
    register_->setObjectName(QStringLiteral("AssetRegisterXGrid"));
    register_->setAccessibleName(QStringLiteral("Asset register"));
    register_->setProperty("tag", 1102);
    SetUpCalculatedGrid(register_, SetUpAssetRegister,
                        QStringLiteral("-1,80,80,190,70,-1,90,90,90,60,150"));
    registerLayout->addWidget(register_);
    inside->addWidget(registerPanel_, 1);

    worksheetPanel_ = ScrollPanel(section, "CGTWorksheetPanel");
    auto* sheet = new QWidget;
    sheet->setFixedWidth(WorksheetWidth);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    worksheet_ = new TXGrid(sheet);
    worksheet_->setObjectName(QLatin1String(names.worksheetGrid));
    worksheet_->setAccessibleName(QStringLiteral("CGT worksheet"));
    worksheet_->setProperty("tag", 1105);
    SetUpCalculatedGrid(worksheet_, SetUpCgtWorksheet,
                        QStringLiteral("76,190,84,84,84,84,66,66,66,84,90,84"));
    worksheet_->setMinimumHeight(170);
    worksheet_->OnClick = [this](TXGrid* grid) { WorksheetGridClick(grid->Col()); };
    sheetLayout->addWidget(worksheet_);
    auto* totals = new TXGridTotals(sheet);
    totals->setObjectName(QStringLiteral("CGTWorksheetTotals"));
    totals->SetXGrid(worksheet_);
    sheetLayout->addSpacing(24);
    AddWorksheetFigures(sheet, sheetLayout);
    sheetLayout->addStretch(1);
    worksheetPanel_->setWidget(sheet);
    worksheetPanel_->setWidgetResizable(false);
    sheet->adjustSize();
    inside->addWidget(worksheetPanel_, 1);

    printButtonBar_ = new QWidget(this);
    printButtonBar_->setObjectName(QStringLiteral("PrintButtonBar"));
    frame.outside->addWidget(printButtonBar_);
    AddPrintButtons();
}

void TSummaryScreen::AddPrintButtons() {
    auto* row = new QHBoxLayout(printButtonBar_);
    row->setContentsMargins(0, 4, 0, 0);
    const struct {
        const char* name;
        const char* caption;
        const char* script;
    } buttons[] = {{"PrintNonAssBtn", "Print Non ass worksheet", "CGTNASS"},
                   {"PrintCGTWshtBtn", "Print CGT worksheet", "CGTWSHT"},
                   {"PrintAssRegtBtn", "Print Asset register", "CGTASSET"}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QLatin1String(b.caption), printButtonBar_);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false);
        const char* script = b.script;
        connect(button, &QPushButton::clicked, this, [this, script] { PrintReport(script); });
        row->addWidget(button);
        if (!printNonAssessable_) printNonAssessable_ = button;
    }
    row->addStretch(1);
}

void TSummaryScreen::PrintReport(const char* scriptName) {
    SaveScreenFields(this);
    PreviewModuleReport(scriptName, this);
    PutWorksheetItem(Worksheet(), State().SelectedItem);
    OpenPathItem();
    FormShow();
}

SummaryViewMemory& TSummaryScreen::Memory() const {
    return SummaryViewMemory::Of(metaObject()->className());
}

void TSummaryScreen::FormShow() {
    TAssetScreen::FormShow();
    if (TFrameWnd* frame = Frame()) frame->SetLeaveCheck([this] { CheckValid(); });
    ShowAssetNameIn(descLabel_);
    if (Memory().shownBefore) {
        // Shown again after printing: the view chosen stays.
        RefreshSummary();
        SelectView(Memory().lastView);
        return;
    }
    FirstShow();
}

void TSummaryScreen::FirstShow() {
    // Only shares and trust interests have a payments worksheet to print.
    const int k = Worksheet();
    printNonAssessable_->setEnabled(k == 451 || k == 452);
    const int screen = State().ScreenGroup * 100 + State().ScreenIndex;
    printNonAssessable_->setVisible(screen != 2040 && screen != 2050 && screen != 2060);
    ResetSummaryFields(kind_);
    RefreshSummary();
    worksheet_->verticalScrollBar()->setValue(0);
    SelectView(TaxpayerView);
    Memory().shownBefore = true;
}

void TSummaryScreen::RefreshSummary() {
    ShowAssetType(eventData_, GetFieldStr(AssetTypeField));
    const AssetSummary summary = ::RefreshSummary(register_->Model(), worksheet_->Model(),
                                                  {kind_, IncomeYearDates(TaxYear)});
    ReloadScreenControls(this);
    ShowResults(summary);
}

void TSummaryScreen::SelectView(int view) {
    if (view < TaxpayerView || view > WorksheetView) view = TaxpayerView;
    SelectRadioItem(viewSelector_, view);
    Memory().lastView = view;
    taxpayerPanel_->setVisible(view == TaxpayerView);
    eventData_.panel->setVisible(view != TaxpayerView);
    registerPanel_->setVisible(view == RegisterView);
    worksheetPanel_->setVisible(view == WorksheetView);
    if (view == TaxpayerView) taxpayerPanel_->verticalScrollBar()->setValue(0);
    if (view == WorksheetView) {
        worksheetPanel_->horizontalScrollBar()->setValue(0);
        worksheetPanel_->verticalScrollBar()->setValue(0);
    }
}

int TSummaryScreen::CurrentView() const { return SelectedRadioItem(viewSelector_); }

void TSummaryScreen::CheckValid() { Memory().shownBefore = false; }

void TSummaryScreen::WorksheetGridClick(int col) {
    worksheetPanel_->horizontalScrollBar()->setValue(WorksheetScrollPosition(col));
}

void TSummaryScreen::StepNext() {
    StepScreenIndex(1);
    if (TFrameWnd* frame = Frame()) frame->SetNavigatorVisible(false);
}

void TSummaryScreen::AddMethodsView(const MethodRows& rows) {
    auto* heading = new QLabel(
        QStringLiteral("The calculated capital gain(s) or capital loss for this asset/event are "
                       "as follows:"),
        taxpayerContent_);
    heading->setWordWrap(true);
    taxpayerLayout_->addWidget(heading);
    methods_ = std::make_unique<AmountTable>(
        taxpayerContent_,
        QStringList{QStringLiteral("Indexed gain"), QStringLiteral("Discount gain"),
                    QStringLiteral("Other gain"), QStringLiteral("Capital loss")});
    for (const auto& [caption, cells] : rows) methods_->AddRow(caption, cells);
    taxpayerLayout_->addWidget(methods_->Widget());
    for (QLabel** message : {&message1_, &message2_}) {
        auto* label = new QLabel(taxpayerContent_);
        label->setObjectName(message == &message1_ ? QStringLiteral("MsgLabel1")
                                                   : QStringLiteral("MsgLabel2"));
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold"));
        label->hide();
        taxpayerLayout_->addWidget(label);
        *message = label;
    }
}

void TSummaryScreen::ShowResults(const AssetSummary& summary) {
    const MethodColumn* columns[] = {&summary.indexed, &summary.discount, &summary.other,
                                     &summary.loss};
    ShowMoreResults(summary);
    for (int col = 0; col < 4; ++col) methods_->SetColumnEnabled(col, columns[col]->enabled);
    for (const auto& [label, text] :
         {std::pair{message1_, &summary.message1}, std::pair{message2_, &summary.message2}}) {
        label->setText(FromLatin1Text(*text));
        label->setVisible(!text->empty());
    }
}
