#pragma once
// The base of the asset screens built round one entry table (cost elements, payments): the
// table's rows are checked when the screen is left and put in date order on Next.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "interview/tassetscreen.h"

class TXGrid;
struct Refusal;

class TAssetTableScreen : public TAssetScreen {
    Q_OBJECT
public:
    explicit TAssetTableScreen(QWidget* parent = nullptr);
    ~TAssetTableScreen() override;
    TXGrid* Grid() const { return grid_; }

protected:
    // The table, and the columns its rows are sorted by on Next; called once the form is built.
    void SetTable(TXGrid* grid, const QString& sortColumns);
    // The first row that breaks a rule, given the table's cells and the item's acquisition
    // and effective dates.
    virtual std::optional<Refusal> RowsRefusal(const std::vector<std::string>& cells,
                                               double acquired, double effective) const = 0;
    void CheckLeave() override;
    void StepNext() override;

private:
    TXGrid* grid_ = nullptr;
    QString sortColumns_;
};
