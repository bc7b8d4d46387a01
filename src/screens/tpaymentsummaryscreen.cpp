#include "screens/tpaymentsummaryscreen.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

#include "base/module_state.h"
#include "calc/calc_inputs.h"
#include "calc/worksheet_columns.h"
#include "controls/ttaxedit.h"
#include "controls/txgrid.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "store/field_store.h"

namespace {
constexpr int AssetTypeField = 714;

QWidget* CostBasePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Cost base after adjustments:"), panel));
    AmountTable bases(panel, {});
    bases.AddRow(QStringLiteral("Effective Date of cost base"),
                 {{"DateCostBaseEdt", 1151, ntDate}});
    bases.AddRow(QStringLiteral("Non-indexed/discount cost base"), {{"DisCostBaseEdt", 1152}});
    bases.AddRow(QStringLiteral("Indexed cost base"), {{"IndCostBaseEdt", 1153}});
    bases.AddRow(QStringLiteral("Reduced cost base"), {{"RedCostBaseEdt", 1154}});
    bases.Widget()->setMaximumWidth(420);
    layout->addWidget(bases.Widget());
    return panel;
}
}  // namespace

TPaymentSummaryScreen::TPaymentSummaryScreen(PaymentScreen kind)
    : kind_(kind),
      gains_(this, {QStringLiteral("Indexed gain"), QStringLiteral("Discount gain"),
                    QStringLiteral("Other gain")}) {
    SummaryFrame frame = BuildSummaryFrame(
        this, "lblVIwarn", QStringLiteral("Section 7 - Summary - Non-assessable payments"),
        "RadioGroup3", {QStringLiteral("Taxpayer View"), QStringLiteral("Worksheet View")},
        [this](int view) { SelectView(view); });
    descLabel_ = frame.descLabel;
    viewSelector_ = frame.views;
    QWidget* section = frame.section;
    QVBoxLayout* inside = frame.inside;

    taxpayerPanel_ = new QWidget(section);
    taxpayerPanel_->setObjectName(QStringLiteral("TaxPayerViewPanel"));
    auto* taxpayer = new QVBoxLayout(taxpayerPanel_);
    taxpayer->setContentsMargins(4, 4, 4, 4);
    auto* intro = new QLabel(
        QStringLiteral("The non-assessable payments you received may have adjusted the cost base "
                       "and reduced cost base of this asset."),
        taxpayerPanel_);
    intro->setWordWrap(true);
    taxpayer->addWidget(intro);
    taxpayer->addWidget(CostBasePanel(taxpayerPanel_));
    taxpayer->addSpacing(8);
    taxpayer->addWidget(new QLabel(
        QStringLiteral("Capital gains arising from non-assessable payments:"), taxpayerPanel_));
    gains_.Widget()->setParent(taxpayerPanel_);
    gains_.AddRow(QStringLiteral("Capital gain this income year "),
                  {{"IndCapGainEdt", 1157}, {"DisCapGainEdt", 1155}, {"OthCapGainEdt", 1159}});
    gains_.AddRow(
        QStringLiteral("Capital gain for prior income year "),
        {{"PYIndCapGainEdt", 1158}, {"PYDisCapGainEdt", 1156}, {"PYOthCapGainEdt", 1160}});
    taxpayer->addWidget(gains_.Widget());
    taxpayer->addStretch(1);
    inside->addWidget(taxpayerPanel_, 1);

    worksheetPanel_ = new QWidget(section);
    worksheetPanel_->setObjectName(QStringLiteral("WorksheetPanel"));
    auto* sheet = new QVBoxLayout(worksheetPanel_);
    sheet->setContentsMargins(0, 0, 0, 0);
    eventData_ = BuildEventDataPanel(worksheetPanel_);
    // The base date here is the payments' own; the item's field belongs to the asset summary.
    eventData_.baseDate->setProperty("tag", QVariant());
    sheet->addWidget(eventData_.panel);
    grid_ = new TXGrid(worksheetPanel_);
    grid_->setObjectName(QStringLiteral("XGrid1"));
    grid_->setAccessibleName(QStringLiteral("Non-assessable payments worksheet"));
    grid_->setProperty("tag", 1199);
    SetUpCalculatedGrid(grid_, SetUpPaymentWorksheet,
                        QStringLiteral("76,76,76,76,200,50,50,84,84,84,66,66,66,84,84,84,84,84,84,"
                                       "90,90,90,40"));
    ShowBothScrollBars(grid_);
    sheet->addWidget(grid_, 1);
    inside->addWidget(worksheetPanel_, 1);
}

void TPaymentSummaryScreen::FormShow() {
    TAssetScreen::FormShow();
    ShowAssetNameIn(descLabel_);
    SelectView(TaxpayerView);
    RefreshPayments();
}

void TPaymentSummaryScreen::RefreshPayments() {
    ShowAssetType(eventData_, GetFieldStr(AssetTypeField));
    const PaymentOutcome outcome =
        ::RefreshPayments(grid_->Model(), {kind_, IncomeYearDates(TaxYear)});
    ReloadScreenControls(this);
    eventData_.baseDate->setText(FromLatin1Text(BaseDateText()));
    gains_.SetColumnEnabled(0, outcome.indexedEnabled);
    gains_.SetColumnEnabled(1, outcome.discountEnabled);
}

void TPaymentSummaryScreen::SelectView(int view) {
    if (view != WorksheetView) view = TaxpayerView;
    SelectRadioItem(viewSelector_, view);
    taxpayerPanel_->setVisible(view == TaxpayerView);
    worksheetPanel_->setVisible(view == WorksheetView);
}

int TPaymentSummaryScreen::CurrentView() const { return SelectedRadioItem(viewSelector_); }
