#include "screens/tqcgt_12.h"

#include <QKeyEvent>

#include "controls/txgrid.h"
#include "controls/txgridinplaceedit.h"
#include "platform/module_help.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "screens/core/acquisition_checks.h"
#include "screens/core/asset_tables.h"
#include "store/field_store.h"
#include "ui_tqcgt_12.h"

namespace {
constexpr int Columns = 8;
}

TQCGT_12::TQCGT_12() : ui(new Ui::TQCGT_12) {
    ui->setupUi(this);
    TXGrid* grid = ui->XGrid1;
    // Costs are kept in the order they were incurred.
    SetTable(grid, QStringLiteral("1,2,0"));
    grid->OnPicklistDropdown = [](QObject*, int, int, TextList& picklist) {
        picklist.clear();
        for (const std::string& line : CostElementLines(Worksheet())) picklist.push_back(line);
    };
    grid->OnClick = [this](TXGrid* sender) { CellClicked(sender->Col(), sender->Row()); };
    grid->installEventFilter(this);
    grid->Editor()->installEventFilter(this);
}

TQCGT_12::~TQCGT_12() = default;

void TQCGT_12::FormCreate() {
    TAssetTableScreen::FormCreate();
    HideGridColumn(ui->XGrid1, 2);
}

void TQCGT_12::FormShow() {
    TAssetTableScreen::FormShow();
    ui->YBLbl->setCurrentSection(1);
}

int TQCGT_12::RowHelpTopic() const {
    TXGrid* grid = ui->XGrid1;
    const int topic = CostElementHelpTopic(ToLatin1Text(grid->Cells(0, grid->Row()).left(2)));
    return topic != 0 ? topic : HelpContext();
}

bool TQCGT_12::eventFilter(QObject* watched, QEvent* event) {
    const bool overriding = event->type() == QEvent::ShortcutOverride;
    if (!overriding && event->type() != QEvent::KeyPress)
        return TAssetTableScreen::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return TAssetTableScreen::eventFilter(watched, event);
    // Inside the table F1 belongs to the table, not to the window's help for the screen.
    event->accept();
    if (!overriding) OpenHelpTopic(RowHelpTopic());
    return true;
}

void TQCGT_12::CellClicked(int col, int row) {
    ui->YBLbl->setCurrentSection(CostElementColumnHelpSection(col, Worksheet()));
    if (col == 0 || row < 1) return;
    const std::string code = LineCode(ToLatin1Text(ui->XGrid1->Cells(0, row)));
    if (code != "6C" && code != "6R") return;
    // These adjustments are never excluded from the cost base.
    ui->XGrid1->SetCells(5, row, QString());
    ui->XGrid1->SetCells(6, row, QString());
}

std::optional<Refusal> TQCGT_12::RowsRefusal(const std::vector<std::string>& cells, double acquired,
                                             double effective) const {
    return CostElementsLeaveCheck(CostElementRows(cells, Columns), acquired, effective);
}
