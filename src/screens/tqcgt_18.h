#pragma once
// Section 4 of a share parcel: capital payments the company made for the shares.

#include <memory>

#include "screens/tassettablescreen.h"

namespace Ui {
class TQCGT_18;
}

class TQCGT_18 : public TAssetTableScreen {
    Q_OBJECT
public:
    TQCGT_18();
    ~TQCGT_18() override;

    void FormCreate() override;
    void FormShow() override;

protected:
    std::optional<Refusal> RowsRefusal(const std::vector<std::string>& cells, double acquired,
                                       double effective) const override;

private:
    std::unique_ptr<Ui::TQCGT_18> ui;
};
