#include "screens/asset_type_text.h"

#include <QComboBox>
#include <QLineEdit>

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
    // The list is given the item's type when the screen's fields are loaded, after this.
    text->setText(combo->currentText());
    QObject::connect(combo, &QComboBox::currentTextChanged, text, &QLineEdit::setText);
}
