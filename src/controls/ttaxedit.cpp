#include "controls/ttaxedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <memory>

#include "base/message_box.h"
#include "base/module_state.h"
#include "controls/core/valid_chars.h"
#include "controls/mnemonic_keys.h"
#include "platform/qt_message_box.h"

namespace {

constexpr int NoLengthLimit = 32767;  // QLineEdit's own "unlimited"
constexpr int TextMargin = 2;         // QLineEdit's horizontal text margin

// The last line of defence: no edit may put a character into the field that the data
// file cannot store, whatever path it comes by.
class Latin1Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (c.unicode() > 0xFF) return Invalid;
        return Acceptable;
    }
};

// Eats the mouse press that tried to move the focus away from a field that refused, so
// the control under the mouse does not act on it.
class ClickSwallower : public QObject {
public:
    ClickSwallower(QWidget* field) : QObject(field), field_(field) {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { deleteLater(); });
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            target != field_ && target->isWidgetType()) {
            qApp->removeEventFilter(this);
            deleteLater();
            return true;
        }
        return false;
    }

private:
    QWidget* field_;
};

bool IsControlCharacter(QChar c) { return c.unicode() < 32 || c.unicode() == 127; }

Qt::Alignment HorizontalOf(FieldAlignment alignment) {
    switch (alignment) {
        case FieldAlignment::Right:
            return Qt::AlignRight;
        case FieldAlignment::Centre:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace

TTaxEdit::TTaxEdit(QWidget* parent) : QLineEdit(parent) {
    setFont(QFont(QStringLiteral("Arial"), 10));
    QLineEdit::setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setValidator(new Latin1Validator(this));
    State().Currency.negative = NegativeCurrencyStyle::MinusBeforeSymbol;
}

QString TTaxEdit::AdditionalInfoHint() {
    const std::string hint = GetVariable("@VI_TaxEditAdditionalInfo");
    if (hint.empty()) return QStringLiteral("Press F8 for additional information");
    return FromLatin1Text(hint);
}

// --- Settings -----------------------------------------------------------------------------

void TTaxEdit::setNumericType(TNumericType type) {
    if (type != settings_.type) ForceNumericType(type);
}

void TTaxEdit::ForceNumericType(TNumericType type) {
    settings_.type = type;
    ApplyDefaults(DefaultsFor(type));
}

void TTaxEdit::setMervoDataType(TMervoDataType format) {
    if (format == mervoDataType_) return;
    mervoDataType_ = format;
    ApplyDefaults(DefaultsFor(format));
}

void TTaxEdit::ApplyDefaults(const FieldDefaults& defaults) {
    if (defaults.decimals) settings_.decimals = *defaults.decimals;
    if (defaults.alignment) setAlignment(HorizontalOf(*defaults.alignment) | Qt::AlignVCenter);
    if (defaults.maxLength) setMaxLength(*defaults.maxLength);
    if (defaults.allowed) settings_.allowed = *defaults.allowed;
}

void TTaxEdit::setDecimals(int decimals) {
    settings_.decimals = std::max(0, decimals);
    Reformat();
}

void TTaxEdit::setValidChars(const QString& chars) {
    validChars_ = chars.left(static_cast<qsizetype>(ValidCharsLimit));
    const ValidCharsResult result = ParseValidChars(ToLatin1Text(validChars_));
    settings_.allowed = result.allowed;
    if (!result.error.empty()) AppMessageBox(result.error, mtError, mbOK);
}

void TTaxEdit::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TTaxEdit::setMaxLength(int length) {
    QLineEdit::setMaxLength(length <= 0 ? NoLengthLimit : length);
}

TaxEditSettings TTaxEdit::Settings() const {
    TaxEditSettings settings = settings_;
    const int length = QLineEdit::maxLength();
    settings.maxLength = length >= NoLengthLimit ? 0 : length;
    return settings;
}

// --- Values -------------------------------------------------------------------------------

FieldContent TTaxEdit::Content() const { return {ToLatin1Text(text()), value_, dateValue_}; }

void TTaxEdit::Apply(const FieldContent& content) {
    value_ = content.value;
    dateValue_ = content.dateValue;
    const QString shown = QString::fromLatin1(content.text.data(), content.text.size());
    if (shown != text()) setText(shown);
    update();
}

long double TTaxEdit::NumValue() {
    if (ReadsValueFromText(settings_.type)) {
        const std::string moved = MinusMovedToFront(ToLatin1Text(text()));
        if (moved != ToLatin1Text(text())) setText(QString::fromLatin1(moved.data(), moved.size()));
    }
    return NumValueOf(settings_, ToLatin1Text(text()), value_);
}

void TTaxEdit::SetNumValue(long double value) {
    value_ = value;
    ApplyFromOutside(FormatDisplay(Settings(), Content()));
}

void TTaxEdit::SetTextValue(const QString& text) {
    ApplyFromOutside(ApplyTextValue(Settings(), Content(), ToLatin1Text(text)));
}

void TTaxEdit::SetDateValue(double date) {
    dateValue_ = date;
    ApplyFromOutside(FormatDisplay(Settings(), Content()));
}

// A value set while the taxpayer is in the field shows the way typing would.
void TTaxEdit::ApplyFromOutside(FieldContent content) {
    if (editing_) content.text = StripForEditing(settings_.type, content.text);
    Apply(content);
}

// A change of decimals shows the amount again; the amount is taken from the text so
// that nothing typed or set as text is replaced by an older value.
void TTaxEdit::Reformat() {
    if (editing_ || !ReadsValueFromText(settings_.type)) return;
    FieldContent content = Content();
    const NumberReading reading = ReadNumValue(content.text);
    if (!reading.valid) return;
    if (!content.text.empty()) content.value = reading.value;
    Apply(FormatDisplay(Settings(), content));
}

// --- Focus --------------------------------------------------------------------------------

void TTaxEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Back from a popup, another window or a refused leave: still the same entry.
    if (editing_) return;
    Enter();
}

void TTaxEdit::Enter() {
    editing_ = true;
    typed_ = false;
    cents_.Reset();
    textBeforeEntry_ = text();
    if (changeFocusColor_) SetColours(FocusColor());
    const std::string stripped = StripForEditing(settings_.type, ToLatin1Text(text()));
    const QString editable = QString::fromLatin1(stripped.data(), stripped.size());
    if (editable != text()) setText(editable);
    deselect();
    setCursorPosition(0);
    emit entered();
}

void TTaxEdit::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    // Switching windows or opening a menu is not leaving the field; neither is the focus
    // the message box of a refused leave takes.
    if (!editing_ || leaving_ || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    if (isReadOnly()) {
        // Nobody could change the text: show it as it was, nothing to check.
        setText(textBeforeEntry_);
        CompleteLeave(event, Content());
        return;
    }
    leaving_ = true;
    const LeaveOutcome outcome = LeaveField(Settings(), Content());
    if (outcome.accepted) {
        leaving_ = false;
        CompleteLeave(event, outcome.content);
        return;
    }
    if (!CanKeepFocus()) {
        // The focus is gone for good, but the input was not accepted: no exit.
        leaving_ = false;
        CompleteLeave(event, Content(), false);
        return;
    }
    RefuseLeave(outcome, reason);
    leaving_ = false;
}

void TTaxEdit::CompleteLeave(QFocusEvent* event, const FieldContent& content, bool accepted) {
    editing_ = false;
    if (changeFocusColor_) SetColours(QApplication::palette(this).color(QPalette::Base));
    Apply(content);
    QLineEdit::focusOutEvent(event);
    if (accepted) emit exited();
}

// A hidden or disabled field cannot hold the focus; it keeps the text as typed.
bool TTaxEdit::CanKeepFocus() const {
    return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus;
}

void TTaxEdit::RefuseLeave(const LeaveOutcome& outcome, Qt::FocusReason reason) {
    dateValue_ = outcome.content.dateValue;
    // Taking the focus back now, inside the focus change, means the control that was to
    // receive it never gets its FocusIn; the message box then returns the focus here.
    setFocus(Qt::OtherFocusReason);
    if (outcome.beep) Beep();
    if (!outcome.message.empty()) AppMessageBox(outcome.message, mtError, mbOK);
    setFocus(Qt::OtherFocusReason);
    selectAll();
    if (reason == Qt::MouseFocusReason) new ClickSwallower(this);
}

void TTaxEdit::SetColours(const QColor& background) {
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, background);
        colours.setColor(group, QPalette::Text, Qt::black);
    }
    colours.setColor(QPalette::Disabled, QPalette::Base, background);
    setPalette(colours);
}

// --- Typing and pasting -------------------------------------------------------------------

void TTaxEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteFiltered();
        event->accept();
        return;
    }
    if (IsMnemonicKey(event)) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    const bool printable =
        !typed.isEmpty() && std::none_of(typed.begin(), typed.end(), IsControlCharacter);
    // Command keys never insert text; the edit control's own handling knows them.
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!printable || command) {
        if (event->key() == Qt::Key_Backspace) typed_ = true;
        cents_.Reset();  // the caret moved or text went: what follows is not cents
        QLineEdit::keyPressEvent(event);
        return;
    }
    InsertFiltered(typed);
    event->accept();
}

bool TTaxEdit::TypeCharacter(QChar character) {
    if (character.unicode() > 0xFF) return false;
    if (IsControlCharacter(character)) return true;  // line breaks of pasted text: dropped
    std::string rest = ToLatin1Text(text());
    size_t position = static_cast<size_t>(cursorPosition());
    if (hasSelectedText()) {
        position = static_cast<size_t>(selectionStart());
        rest.erase(position, static_cast<size_t>(selectedText().size()));
    }
    const KeyDecision decision =
        FilterKey(Settings(), rest, position, static_cast<char>(character.unicode()));
    switch (decision.action) {
        case KeyAction::Refuse:
            return false;
        case KeyAction::Default:
            return true;
        case KeyAction::Insert:
            insert(QString(QChar(static_cast<unsigned char>(decision.key))));
            break;
        case KeyAction::PrependMinus: {
            if (hasSelectedText()) del();
            const int at = cursorPosition();
            setCursorPosition(0);
            insert(QStringLiteral("-"));
            setCursorPosition(at + (text().startsWith(QLatin1Char('-')) ? 1 : 0));
            break;
        }
    }
    typed_ = true;
    return true;
}

void TTaxEdit::InsertFiltered(const QString& text) {
    if (isReadOnly()) return;
    bool refused = false, cents = false;
    for (QChar character : text) {
        const bool latin1 = character.unicode() <= 0xFF;
        if (latin1 && cents_.Refuses(Settings(), static_cast<char>(character.unicode()))) {
            refused = cents = true;
            continue;
        }
        if (!TypeCharacter(character)) refused = true;
    }
    if (cents) ShowWholeDollarsHint();
    if (refused) Beep();
}

void TTaxEdit::ShowWholeDollarsHint() {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), QString::fromLatin1(WholeDollarsOnlyText),
                       this);
}

void TTaxEdit::PasteFiltered() { InsertFiltered(QGuiApplication::clipboard()->text()); }

void TTaxEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    rest.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&rest);
    InsertFiltered(event->commitString());
    event->accept();
}

QMenu* TTaxEdit::CreateContextMenu() {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // Newer toolkits name the action; older ones only label it.
        const bool paste = action->objectName() == QLatin1String("edit-paste") ||
                           action->text().startsWith(QLineEdit::tr("&Paste"));
        if (!paste) continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, &TTaxEdit::PasteFiltered);
    }
    return menu;
}

void TTaxEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(event->globalPos());
}

void TTaxEdit::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // The drop edits the field like typing does, so it enters the field first; another
    // field that refuses to be left keeps the focus and the drop is ignored.
    if (!hasFocus()) setFocus(Qt::OtherFocusReason);
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    cents_.Reset();
    InsertFiltered(event->mimeData()->text());
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TTaxEdit::mousePressEvent(QMouseEvent* event) {
    cents_.Reset();
    QLineEdit::mousePressEvent(event);
}

void TTaxEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        InsertFiltered(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// --- Painting -----------------------------------------------------------------------------

void TTaxEdit::paintEvent(QPaintEvent* event) {
    if (editing_) {
        QLineEdit::paintEvent(event);
        return;
    }
    PaintUnfocused();
}

// Background, frame and the text placed by the field's own alignment.
void TTaxEdit::PaintUnfocused() {
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    area = area.marginsRemoved(textMargins()).adjusted(TextMargin, 0, -TextMargin, 0);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::Text));
    painter.setFont(font());
    const Qt::Alignment horizontal = alignment_ & Qt::AlignHorizontal_Mask;
    painter.drawText(area, static_cast<int>(horizontal | Qt::AlignVCenter), text());
}
