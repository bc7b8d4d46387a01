#include "screens/asset_screen_setup.h"

#include <QComboBox>
#include <QLineEdit>

#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "platform/qt_message_box.h"
#include "store/field_store.h"

void SetDynamicHelpLink(TTextLbl* label, int topic) {
    QStringList lines = label->text();
    for (QString& line : lines)
        line.replace(QStringLiteral("DynamicHelpLink"), QString::number(topic),
                     Qt::CaseInsensitive);
    label->setText(lines);
}

void FillComboLines(QComboBox* combo, const std::vector<std::string>& lines) {
    combo->clear();
    for (const std::string& line : lines) combo->addItem(FromLatin1Text(line));
    combo->setCurrentIndex(-1);
}

void SetPaymentEvent(QLineEdit* box, const std::string& code, const char* text) {
    box->setText(QString::fromLatin1(text));
    SetFieldStr(PaymentEventField, code);
}

void HideGridColumn(TXGrid* grid, int col) {
    QStringList widths = grid->ColWidths().split(QLatin1Char(','));
    if (col < widths.size()) widths[col] = QStringLiteral("-1");
    grid->setColWidths(widths.join(QLatin1Char(',')));
    grid->SetColumnSkip(col);
}

void ShowBothScrollBars(TXGrid* grid) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}
