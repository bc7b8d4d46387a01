#include "tools/tgettagform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "platform/qt_message_box.h"
#include "tools/core/tag_tool_rules.h"

namespace {

// In the order they are shown; "Undefined" stands for 0 and any code without a button.
const char* const TypeCaptions[] = {"Numeric",  "Currency",  "Currency + Cents",
                                    "CheckBox", "String",    "Small String",
                                    "List",     "Worksheet", "Undefined"};
constexpr int TypeCount = 9;
// The button of each type code from 0 to 8.
constexpr int ButtonOfType[] = {8, 0, 1, 2, 4, 5, 3, 6, 7};
constexpr int TypeColumns = 3;

}  // namespace

TGetTagForm::TGetTagForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("GetTagForm"));
    setWindowTitle(QStringLiteral("Get Tag"));
    // A tool window of its owner, above every window of the module.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    BuildControls();
    connect(BtnGet, &QPushButton::clicked, this, &TGetTagForm::BtnGetClick);
    connect(BtnSet, &QPushButton::clicked, this, &TGetTagForm::BtnSetClick);
    connect(BtnClose, &QPushButton::clicked, this, &QWidget::hide);
}

void TGetTagForm::BuildControls() {
    auto* grid = new QGridLayout(this);
    TagEdit = new QLineEdit(this);
    TagEdit->setObjectName(QStringLiteral("TagEdit"));
    TagEdit->setMaxLength(MaxTagLength);
    TagEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), TagEdit));
    ValueEdit = new QLineEdit(this);
    ValueEdit->setObjectName(QStringLiteral("ValueEdit"));
    ValueCheck = new QCheckBox(this);
    ValueCheck->setObjectName(QStringLiteral("ValueCheck"));
    ValueCheck->hide();

    auto* tagLabel = new QLabel(QStringLiteral("&Tag"), this);
    tagLabel->setBuddy(TagEdit);
    auto* valueLabel = new QLabel(QStringLiteral("&Value"), this);
    valueLabel->setBuddy(ValueEdit);
    grid->addWidget(tagLabel, 0, 0);
    grid->addWidget(TagEdit, 0, 1);
    grid->addWidget(valueLabel, 1, 0);
    // The tick of a check-box field takes the value entry's place.
    grid->addWidget(ValueEdit, 1, 1);
    grid->addWidget(ValueCheck, 1, 1);

    BtnGet = new QPushButton(QStringLiteral("&Get it"), this);
    BtnGet->setObjectName(QStringLiteral("BtnGet"));
    BtnSet = new QPushButton(QStringLiteral("&Set It"), this);
    BtnSet->setObjectName(QStringLiteral("BtnSet"));
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    // Enter always gets, whichever button has the focus.
    for (QPushButton* button : {BtnSet, BtnClose}) button->setAutoDefault(false);
    BtnGet->setDefault(true);
    grid->addWidget(BtnGet, 0, 2);
    grid->addWidget(BtnSet, 1, 2);
    grid->addWidget(BtnClose, 2, 2);

    DataTypeGroup = new QGroupBox(QStringLiteral("Data Type"), this);
    DataTypeGroup->setObjectName(QStringLiteral("DataTypeGroup"));
    auto* types = new QGridLayout(DataTypeGroup);
    for (int i = 0; i < TypeCount; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(TypeCaptions[i]), DataTypeGroup);
        typeButtons_.append(button);
        types->addWidget(button, i / TypeColumns, i % TypeColumns);
    }
    DataTypeGroup->setEnabled(false);  // information only
    grid->addWidget(DataTypeGroup, 3, 0, 1, 3);

    RefreshCheck = new QCheckBox(QStringLiteral("Refresh"), this);
    RefreshCheck->setObjectName(QStringLiteral("RefreshCheck"));
    grid->addWidget(RefreshCheck, 4, 0, 1, 3);
    grid->addWidget(
        new QLabel(QStringLiteral("If box on form is of type SEDT then refresh will not work"),
                   this),
        5, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("For CheckBox's do a get first."), this), 6, 0, 1, 3);
    setTabOrder(TagEdit, ValueEdit);
    setTabOrder(ValueEdit, ValueCheck);
    setTabOrder(ValueCheck, BtnGet);
    setFixedSize(sizeHint());
}

QRadioButton* TGetTagForm::TypeButton(int type) const {
    const bool known = type >= 0 && type < TypeCount;
    return typeButtons_[known ? ButtonOfType[type] : ButtonOfType[0]];
}

void TGetTagForm::Present() {
    show();
    raise();
    activateWindow();
}

void TGetTagForm::ShowTick(int field, bool shown) {
    tickField_ = shown ? field : 0;
    ValueCheck->setVisible(shown);
    ValueEdit->setVisible(!shown);
}

// The message must be seen, so the value entry comes back even over a tick on show.
void TGetTagForm::ShowInvalidTag() {
    ShowTick(0, false);
    ValueEdit->setText(QString::fromLatin1(InvalidTagText));
}

void TGetTagForm::BtnGetClick() {
    const std::optional<int> field = ReadTag(ToLatin1Text(TagEdit->text()));
    if (!field) {
        ShowInvalidTag();
        return;
    }
    const TagReading reading = GetTag(*field);
    TypeButton(reading.type)->setChecked(true);
    ShowTick(*field, reading.checkbox);
    if (reading.checkbox)
        ValueCheck->setChecked(reading.ticked);
    else
        ValueEdit->setText(FromLatin1Text(reading.value));
}

void TGetTagForm::BtnSetClick() {
    const std::optional<int> field = ReadTag(ToLatin1Text(TagEdit->text()));
    if (!field) {
        ShowInvalidTag();
        return;
    }
    const bool tickShown = !ValueCheck->isHidden() && tickField_ == *field;
    emit StoreAboutToChange();
    const TagWrite written =
        SetTag(*field, ToLatin1Text(ValueEdit->text()), tickShown, ValueCheck->isChecked());
    if (written == TagWrite::RevealCheckbox) ShowTick(*field, true);
    if (written == TagWrite::KeyRefused) AppMessageBox(KeyChangeRefusedText, mtError, mbOK);
    if (written == TagWrite::Stored) emit StoreWritten();
}
