#include "screens/asset_type_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

void ShowAssetTypeAsText(QComboBox* combo) {
    auto* text = new QLineEdit(combo->parentWidget());
    text->setObjectName(QStringLiteral("TypeTextBox"));
    text->setReadOnly(true);
    text->setGeometry(combo->geometry());
    // Read out by the label the list was named after, and reached by Tab where the list was.
    text->setAccessibleName(combo->accessibleName());
    QWidget::setTabOrder(combo, text);
    combo->hide();
    text->show();
    // The list shows the item's type only once the screen's fields are loaded.
    QTimer::singleShot(50, text, [text, combo] { text->setText(combo->currentText()); });
}
