#pragma once
// Section 3 of an asset: its cost elements, one cost a row, with the element list of the
// path's worksheet and help on each column and element.

#include <memory>

#include "screens/tassettablescreen.h"

namespace Ui {
class TQCGT_12;
}

class TQCGT_12 : public TAssetTableScreen {
    Q_OBJECT
public:
    TQCGT_12();
    ~TQCGT_12() override;

    void FormCreate() override;
    void FormShow() override;
    // F1 in the table opens the help of the current row's cost element.
    int RowHelpTopic() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::optional<Refusal> RowsRefusal(const std::vector<std::string>& cells, double acquired,
                                       double effective) const override;
    QString NoAssetText() const override { return QStringLiteral("No Asset Selected"); }

private:
    void CellClicked(int col, int row);
    std::unique_ptr<Ui::TQCGT_12> ui;
};
