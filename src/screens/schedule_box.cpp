#include "screens/schedule_box.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>

#include "controls/ttaxedit.h"
#include "platform/qt_message_box.h"
#include "screens/core/schedule_layout.h"
#include "store/field_store.h"

namespace {

const QColor BoxColour(255, 255, 217);
const QColor HeaderColour(255, 128, 0);
constexpr int ContentHeight = 1600;
constexpr int LabelLeft = 8;
constexpr int LabelWidth = 214;
constexpr int AmountLeft = 226;
constexpr int AmountWidth = 84;
constexpr int AmountStep = 90;
constexpr int RowHeight = 24;

int ColumnLeft(int col) { return AmountLeft + col * AmountStep; }

QLabel* AddLabel(QWidget* content, const QString& text, int left, int top, int width, int lines) {
    auto* label = new QLabel(text, content);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setGeometry(left, top, width, 16 * lines + 2);
    return label;
}

int LineCount(const std::string& text) {
    int lines = 1;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace

TScheduleBox::TScheduleBox(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("ScheduleBox"));
    auto* content = new QWidget;
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, BoxColour);
    content->setPalette(palette);
    content->setAutoFillBackground(true);
    int top = 4;
    for (size_t i = 0; i < ScheduleParts().size(); ++i) top = AddPart(content, i, top);
    content->setFixedSize(ColumnLeft(ScheduleColumns), std::max(top, ContentHeight));
    setWidget(content);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Screens order their own Tab chain; this one follows the rows, not the positions.
    for (size_t i = 1; i < chain_.size(); ++i) QWidget::setTabOrder(chain_[i - 1], chain_[i]);
}

int TScheduleBox::AddPart(QWidget* content, size_t index, int top) {
    const SchedulePart& part = ScheduleParts()[index];
    partTops_.push_back(top);
    const int headingLines = LineCount(part.heading);
    QLabel* header = AddLabel(content, FromLatin1Text(part.name + "   " + part.heading), LabelLeft,
                              top, ColumnLeft(ScheduleColumns) - 2 * LabelLeft, headingLines);
    header->setObjectName(QString::fromLatin1(part.name).remove(QLatin1Char(' ')));
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    QPalette orange = header->palette();
    orange.setColor(QPalette::WindowText, HeaderColour);
    header->setPalette(orange);
    top += 16 * headingLines + 6;

    bool titled = false;
    for (int col = 0; col < ScheduleColumns; ++col) {
        if (part.columnTitles[col].empty()) continue;
        QLabel* title = AddLabel(content, FromLatin1Text(part.columnTitles[col]), ColumnLeft(col),
                                 top, AmountWidth, 2);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont small = title->font();
        small.setPointSize(7);
        title->setFont(small);
        titled = true;
    }
    if (titled) top += 36;

    for (const ScheduleRow& row : part.rows) {
        if (!row.subHeading.empty()) {
            QLabel* sub =
                AddLabel(content, FromLatin1Text(row.subHeading), LabelLeft, top, LabelWidth, 1);
            QFont italic = sub->font();
            italic.setBold(true);
            sub->setFont(italic);
            top += 20;
        }
        // A label too long for its column wraps onto a second line.
        const QString text = FromLatin1Text(row.label);
        const bool wraps = content->fontMetrics().horizontalAdvance(text) > LabelWidth - 4;
        const int lines = std::max(LineCount(row.label), wraps ? 2 : 1);
        AddLabel(content, text, LabelLeft, top, LabelWidth, lines);
        for (int col = 0; col < ScheduleColumns; ++col) {
            const ScheduleAmount& amount = row.amounts[col];
            if (amount.field == 0) continue;
            AddAmount(content, amount.field, FromLatin1Text(amount.caption), row.codeText,
                      ColumnLeft(col), top);
        }
        top += std::max(RowHeight, 16 * lines + 6);
    }
    if (part.checkField != 0) {
        rollOver_ = new QCheckBox(FromLatin1Text(part.checkCaption), content);
        rollOver_->setObjectName(QStringLiteral("RollOverCheckBox"));
        rollOver_->setProperty("tag", part.checkField);
        rollOver_->setGeometry(LabelLeft, top, LabelWidth, 20);
        chain_.push_back(rollOver_);
        top += RowHeight;
    }
    return top + 8;
}

TTaxEdit* TScheduleBox::AddAmount(QWidget* content, int field, const QString& caption, bool code,
                                  int left, int top) {
    auto* edit = new TTaxEdit(content);
    edit->setObjectName(QStringLiteral("Amount%1").arg(field));
    if (code) {
        edit->setMervoDataType(TTaxEdit::atRestrictedNameText);
        edit->setMaxLength(1);
    } else {
        edit->setNumericType(TTaxEdit::ntCurrency);
        edit->setMervoDataType(TTaxEdit::atDollar);
        edit->setMaxLength(8);
    }
    edit->setReadOnly(true);
    QFont bold = edit->font();
    bold.setBold(true);
    edit->setFont(bold);
    edit->setGeometry(left, top, AmountWidth, 20);
    edit->setAccessibleName(caption);
    edit->installEventFilter(this);
    amounts_[field] = edit;
    chain_.push_back(edit);
    return edit;
}

TTaxEdit* TScheduleBox::Amount(int field) const {
    const auto it = amounts_.find(field);
    return it == amounts_.end() ? nullptr : it->second;
}

// The boxes show the record but never write it: written back through their whole-dollar
// text, cents and the sign of a stored amount would change.
void TScheduleBox::LoadAmounts() {
    for (const auto& [field, edit] : amounts_) {
        if (edit->numericType() == TTaxEdit::ntCurrency)
            edit->SetNumValue(GetFieldVal(field));
        else
            edit->SetTextValue(FromLatin1Text(GetFieldStr(field)));
    }
}

bool TScheduleBox::eventFilter(QObject* watched, QEvent* event) {
    if (followParts_ && event->type() == QEvent::FocusOut) {
        for (const auto& [field, edit] : amounts_) {
            if (edit != watched) continue;
            const int part = PartShownAfterLeaving(field);
            if (part >= 0) verticalScrollBar()->setValue(PartTop(part));
        }
    }
    return QScrollArea::eventFilter(watched, event);
}
