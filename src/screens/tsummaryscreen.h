#pragma once
// The asset calculation summary that ends every asset path: the taxpayer view of the
// results, the asset register and the CGT worksheet, switched by a radio group. The two
// summary classes differ in their taxpayer view and the calculation they ask for.

#include <memory>
#include <utility>
#include <vector>

#include "calc/asset_summary.h"
#include "interview/tassetscreen.h"
#include "screens/core/summary_view_memory.h"
#include "screens/summary_widgets.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TXGrid;

class TSummaryScreen : public TAssetScreen {
    Q_OBJECT
public:
    struct Names {
        const char* viewSelector;
        const char* worksheetGrid;
    };
    TSummaryScreen(SummaryScreen kind, const Names& names);

    void FormShow() override;

    enum View { TaxpayerView = 0, RegisterView = 1, WorksheetView = 2 };
    void SelectView(int view);
    int CurrentView() const;
    TXGrid* RegisterGrid() const { return register_; }
    TXGrid* WorksheetGrid() const { return worksheet_; }
    QScrollArea* WorksheetPanel() const { return worksheetPanel_; }
    QScrollArea* TaxpayerPanel() const { return taxpayerPanel_; }
    AmountTable& Methods() const { return *methods_; }
    // The three print buttons: the non-assessable payments worksheet, the CGT worksheet and
    // the asset register.
    QWidget* PrintButtonBar() const { return printButtonBar_; }
    // Previews a report of this item; afterwards the screen shows the same view and figures.
    void PrintReport(const char* scriptName);

    // The leave check: a later visit starts afresh; never refuses.
    void CheckValid();
    // Brings the clicked worksheet column into sight.
    void WorksheetGridClick(int col);

protected:
    // The view's content, built once by the derived class.
    QWidget* TaxpayerContent() const { return taxpayerContent_; }
    QVBoxLayout* TaxpayerLayout() const { return taxpayerLayout_; }
    void StepNext() override;
    // Shows the results the calculation left in the summary and the store.
    // The heading, the method columns with these rows, and the two messages.
    using MethodRows = std::vector<std::pair<QString, std::vector<AmountCell>>>;
    void AddMethodsView(const MethodRows& rows);
    // What the derived view shows beyond the method columns and the messages.
    virtual void ShowMoreResults(const AssetSummary& summary) = 0;

private:
    SummaryViewMemory& Memory() const;
    void AddPrintButtons();
    void FirstShow();
    void RefreshSummary();
    void ShowResults(const AssetSummary& summary);

    SummaryScreen kind_;
    QLabel* descLabel_ = nullptr;
    QButtonGroup* viewSelector_ = nullptr;
    QScrollArea* taxpayerPanel_ = nullptr;
    QWidget* taxpayerContent_ = nullptr;
    QVBoxLayout* taxpayerLayout_ = nullptr;
    QWidget* registerPanel_ = nullptr;
    QScrollArea* worksheetPanel_ = nullptr;
    EventDataControls eventData_;
    TXGrid* register_ = nullptr;
    TXGrid* worksheet_ = nullptr;
    QWidget* printButtonBar_ = nullptr;
    QPushButton* printNonAssessable_ = nullptr;
    std::unique_ptr<AmountTable> methods_;
    QLabel* message1_ = nullptr;
    QLabel* message2_ = nullptr;
};
