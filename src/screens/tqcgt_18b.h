#pragma once
// Section 4d of a trust interest: non-assessable payments from the trust, with the event
// date and the parts that apply worked out from each payment's date.

#include <memory>

#include "screens/tassettablescreen.h"

namespace Ui {
class TQCGT_18b;
}

class TQCGT_18b : public TAssetTableScreen {
    Q_OBJECT
public:
    TQCGT_18b();
    ~TQCGT_18b() override;

    void FormCreate() override;
    void FormShow() override;

protected:
    std::optional<Refusal> RowsRefusal(const std::vector<std::string>& cells, double acquired,
                                       double effective) const override;

private:
    void CellClicked(int col, int row);
    std::unique_ptr<Ui::TQCGT_18b> ui;
};
