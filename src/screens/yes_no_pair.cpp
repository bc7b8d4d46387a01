#include "screens/yes_no_pair.h"

#include <QCheckBox>

void PairAsRadio(QCheckBox* yes, QCheckBox* no) {
    QObject::connect(yes, &QCheckBox::toggled, no, [no](bool ticked) {
        if (ticked) no->setChecked(false);
    });
    QObject::connect(no, &QCheckBox::toggled, yes, [yes](bool ticked) {
        if (ticked) yes->setChecked(false);
    });
}
