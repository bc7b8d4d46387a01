#pragma once
// Building blocks of the calculation summary screens: tables of read-only amounts, the
// event data panel with its two display-only radio groups, radio groups of views, and the
// calculated grids.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "controls/core/tax_edit_types.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QVBoxLayout;
class TChildForm;
class QWidget;
class TGridModel;
class TTaxEdit;
class TXGrid;

// One cell of an amount table: a null name leaves the cell empty; tag 0 leaves it unbound.
struct AmountCell {
    const char* name = nullptr;
    int tag = 0;
    TNumericType type = ntCurrency;
};

// Read-only amounts under column headings, one row per caption. Each cell is named for a
// screen reader by its row and column.
class AmountTable {
public:
    AmountTable(QWidget* parent, const QStringList& headings);
    QWidget* Widget() const { return widget_; }
    void AddRow(const QString& caption, const std::vector<AmountCell>& cells);
    TTaxEdit* Cell(int row, int col) const;
    // An unavailable column is blank and disabled.
    void SetColumnEnabled(int col, bool enabled);

private:
    QWidget* widget_;
    QGridLayout* grid_;
    QStringList headings_;
    std::vector<std::vector<TTaxEdit*>> cells_;
};

// A display-only amount or date entry field.
TTaxEdit* ResultEdit(QWidget* parent, const char* name, int tag, TNumericType type);

// Radio buttons in a titled box, one per item, as one exclusive group.
QButtonGroup* RadioGroup(QGroupBox* box, const QStringList& items, bool horizontal);
// Selects item `index`, or none when it is -1.
void SelectRadioItem(QButtonGroup* group, int index);
int SelectedRadioItem(const QButtonGroup* group);

// Base date, active status and asset type of the loaded asset.
struct EventDataControls {
    QWidget* panel = nullptr;
    TTaxEdit* baseDate = nullptr;
    QButtonGroup* activeStatus = nullptr;
    QButtonGroup* assetType = nullptr;
};
EventDataControls BuildEventDataPanel(QWidget* parent);
// Sets the two radio groups from the asset type code.
void ShowAssetType(const EventDataControls& controls, const std::string& typeCode);

// Gives a read-only grid the columns a calculation fills, with these widths (-1 hides).
void SetUpCalculatedGrid(TXGrid* grid, void (*setUp)(TGridModel&), const QString& widths);

// The header naming the loaded asset: "No Asset Selected" when it has no name.
QLabel* AssetNameHeader(QWidget* parent, QLabel** descLabel);
void ShowAssetNameIn(QLabel* descLabel);

// A hidden note that screen-reader users may need help with the screen.
void AddVisionWarning(QWidget* parent, const char* name);

// The frame both summaries share: the screen's settings, the asset's name, and a titled
// section that starts with the radio group choosing the view.
struct SummaryFrame {
    QLabel* descLabel = nullptr;
    QWidget* section = nullptr;
    QVBoxLayout* inside = nullptr;   // the section's layout, below the view selector
    QVBoxLayout* outside = nullptr;  // the screen's layout, below the section
    QButtonGroup* views = nullptr;
};
// `selectView` runs with the index of each view chosen.
SummaryFrame BuildSummaryFrame(TChildForm* screen, const char* warningName,
                               const QString& sectionTitle, const char* selectorName,
                               const QStringList& views, std::function<void(int)> selectView);

// Loads the screen's bound controls again once a calculation has written the item.
void ReloadScreenControls(TChildForm* screen);
