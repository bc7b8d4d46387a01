#include "controls/tpopuplistbox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <chrono>

#include "platform/qt_message_box.h"

TPopupListbox::TPopupListbox(QWidget* owner)
    : QListWidget(owner), Clock([] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
              .count();
      }) {
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Sunken);  // two pixels each side
    setLineWidth(1);
    setMidLineWidth(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    setMouseTracking(true);
}

int TPopupListbox::EntryHeight() const {
    // Whole entries of at least 11 pixels, tall enough for the editor's font.
    return std::max(MinimumEntryHeight, fontMetrics().height() + 2);
}

void TPopupListbox::Open(const std::vector<std::string>& entries, int maxVisible, QWidget* editor,
                         const QString& editorText) {
    entries_ = entries;
    search_.Clear();
    setFont(editor->font());
    setPalette(editor->palette());
    clear();
    const int entryHeight = EntryHeight();
    for (const std::string& entry : entries_) {
        auto* item = new QListWidgetItem(FromLatin1Text(entry), this);
        item->setSizeHint(QSize(0, entryHeight));
    }
    const int count = static_cast<int>(entries_.size());
    const int limit = maxVisible > 0 ? maxVisible : DefaultVisibleEntries;
    const int shown = count < limit ? count : limit;
    const int frame = 2 * frameWidth();
    const int scrollBar = count > shown ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    int clientWidth = editor->width() - frame - scrollBar;
    for (const std::string& entry : entries_)
        clientWidth =
            std::max(clientWidth, fontMetrics().horizontalAdvance(FromLatin1Text(entry)) + 10);
    const QSize size(clientWidth + frame + scrollBar, std::max(shown, 1) * entryHeight + frame);

    clearSelection();
    setCurrentRow(-1);
    Highlight(LastEntryStartingWith(entries_, ToLatin1Text(editorText)));

    QPoint place = editor->mapToGlobal(QPoint(0, editor->height()));
    const QScreen* screen = editor->screen();
    if (screen && place.y() + size.height() > screen->availableGeometry().bottom())
        place = editor->mapToGlobal(QPoint(0, -size.height()));
    setGeometry(QRect(place, size));
    show();  // a tool-tip window stays on top without being raised
}

int TPopupListbox::Highlighted() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

void TPopupListbox::Highlight(int index) {
    if (index < 0 || index >= count()) return;
    setCurrentRow(index);
    scrollToItem(item(index));
}

void TPopupListbox::HighlightAt(const QPoint& globalPos) {
    if (QListWidgetItem* hit = itemAt(viewport()->mapFromGlobal(globalPos))) Highlight(row(hit));
}

void TPopupListbox::KeyDown(QKeyEvent* event) {
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!command && !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 255) {
        Highlight(search_.Type(static_cast<char>(text.at(0).unicode()), Clock(), entries_));
        return;
    }
    switch (event->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Escape:
            search_.Clear();
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (command) return;
            if (Highlighted() < 0) {
                Highlight(0);
                return;
            }
            QListWidget::keyPressEvent(event);
            return;
        default:
            return;
    }
}

void TPopupListbox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    const bool inside = viewport()->rect().contains(event->position().toPoint());
    if (CloseRequested) CloseRequested(inside);
}
