#include "interview/screen_accessibility.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <climits>

#include "base/message_box.h"
#include "controls/text_label_links.h"
#include "controls/treviewlabel.h"
#include "controls/ttaxedit.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/tab_order.h"
#include "platform/qt_message_box.h"

namespace {

// A label further away than this names nothing.
constexpr int MaxBesideGap = 400;
constexpr int MaxAboveGap = 40;

QRect RectIn(const QWidget* widget, const QWidget* screen) {
    return QRect(widget->mapTo(screen, QPoint(0, 0)), widget->size());
}

QString LabelText(QWidget* label) {
    if (auto* text = qobject_cast<TTextLbl*>(label)) return text->plainText().simplified();
    auto* plain = qobject_cast<QLabel*>(label);
    if (!plain) return {};
    QString caption = plain->text();
    if (Qt::mightBeRichText(caption))
        caption = QTextDocumentFragment::fromHtml(caption).toPlainText();
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption.simplified();
}

bool IsNamingLabel(QWidget* widget, const QWidget* screen) {
    if (qobject_cast<TReviewLabel*>(widget) || !widget->isVisibleTo(screen)) return false;
    if (!qobject_cast<QLabel*>(widget) && !qobject_cast<TTextLbl*>(widget)) return false;
    return !LabelText(widget).isEmpty();
}

bool NeedsName(const QWidget* control) {
    if (qobject_cast<const TTextLbl*>(control)) return false;
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return !button || button->text().isEmpty();
}

QString HintOf(const QWidget* control) {
    const QVariant kept = control->property("Hint");
    return PlainHint(kept.isValid() ? kept.toString() : control->toolTip());
}

// F8 in an entry field shows its hint, as the field's description promises.
class HintReader : public QObject {
public:
    explicit HintReader(QObject* parent) : QObject(parent) { setObjectName(Name()); }
    static QString Name() { return QStringLiteral("F8HintReader"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F8 && key->modifiers() == Qt::NoModifier) {
                const QString hint = HintOf(static_cast<QWidget*>(watched));
                if (!hint.isEmpty()) {
                    AppMessageBox(ToLatin1Text(hint), mtInformation, mbOK);
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void DescribeEntryField(TTaxEdit* edit, const QString& hint, bool visionImpaired,
                        HintReader* reader) {
    bool inGrid = false;
    for (QWidget* up = edit->parentWidget(); up; up = up->parentWidget())
        inGrid = inGrid || qobject_cast<TXGrid*>(up);
    // A grid's cell editor answers F8 with the column's description instead.
    const bool readsHint = visionImpaired && !hint.isEmpty() && !inGrid;
    if (readsHint) {
        edit->setAccessibleDescription(hint + QLatin1Char(' ') + TTaxEdit::AdditionalInfoHint());
        edit->installEventFilter(reader);
    } else {
        edit->setAccessibleDescription(hint);
        edit->removeEventFilter(reader);
    }
}

}  // namespace

QString PlainHint(const QString& hint) {
    QString text = hint.section(QLatin1Char('|'), 0, 0);
    if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
    return text.simplified();
}

QWidget* NamingLabel(const QWidget* control, const QWidget* screen) {
    const QRect c = RectIn(control, screen);
    QWidget* beside = nullptr;
    QWidget* above = nullptr;
    int besideGap = INT_MAX, aboveGap = INT_MAX;
    for (QWidget* label : screen->findChildren<QWidget*>()) {
        if (label == control || !IsNamingLabel(label, screen)) continue;
        const QRect l = RectIn(label, screen);
        const bool sameRow = l.top() <= c.bottom() && l.bottom() >= c.top();
        const bool sameColumn = l.left() <= c.right() && l.right() >= c.left();
        const int leftGap = c.left() - l.right();
        const int topGap = c.top() - l.bottom();
        if (sameRow && leftGap >= -4 && leftGap <= MaxBesideGap && leftGap < besideGap) {
            beside = label;
            besideGap = leftGap;
        } else if (sameColumn && topGap >= -4 && topGap <= MaxAboveGap && topGap < aboveGap) {
            above = label;
            aboveGap = topGap;
        }
    }
    return beside ? beside : above;
}

TTextLbl* QuestionLabel(const QWidget* screen) {
    TTextLbl* question = nullptr;
    for (QObject* child : screen->children()) {
        auto* label = qobject_cast<TTextLbl*>(child);
        if (!label || qobject_cast<TReviewLabel*>(label) || !label->isVisibleTo(screen)) continue;
        if (!question || label->y() < question->y()) question = label;
    }
    return question;
}

void NameScreenControls(QWidget* screen, bool visionImpaired) {
    // Laid out now: a text label with links is a Tab stop, and names come from the text.
    for (TTextLbl* label : screen->findChildren<TTextLbl*>()) label->UpdateLayout();
    auto* reader = dynamic_cast<HintReader*>(
        screen->findChild<QObject*>(HintReader::Name(), Qt::FindDirectChildrenOnly));
    if (!reader) reader = new HintReader(screen);
    for (QWidget* control : TabStops(screen)) {
        const QString hint = HintOf(control);
        if (auto* edit = qobject_cast<TTaxEdit*>(control))
            DescribeEntryField(edit, hint, visionImpaired, reader);
        else if (!hint.isEmpty())
            control->setAccessibleDescription(hint);
        // A name the screen gave itself stays; one taken from a label follows the label.
        const QVariant taken = control->property("labelName");
        const bool ours = taken.isValid() && control->accessibleName() == taken.toString();
        if (!NeedsName(control) || !(control->accessibleName().isEmpty() || ours)) continue;
        QWidget* label = NamingLabel(control, screen);
        if (!label) continue;
        if (auto* plain = qobject_cast<QLabel*>(label); plain && !plain->buddy())
            plain->setBuddy(control);
        control->setAccessibleName(LabelText(label));
        control->setProperty("labelName", control->accessibleName());
    }
    if (TTextLbl* question = QuestionLabel(screen)) {
        const QStringList lines = LabelReadableText(question).split(QLatin1Char('\n'));
        screen->setAccessibleName(lines.value(0));
        screen->setAccessibleDescription(LabelReadableText(question));
    }
}
