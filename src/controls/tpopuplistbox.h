#pragma once
// The drop-down list of a picklist column: a borderless top-level list that never takes
// the focus (the cell editor keeps it and hands its keys on), with type-ahead search.

#include <QListWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "grid/picklist_search.h"

class TPopupListbox : public QListWidget {
    Q_OBJECT

public:
    static constexpr int MinimumEntryHeight = 11;
    static constexpr int DefaultVisibleEntries = 8;

    explicit TPopupListbox(QWidget* owner);

    // Fills, sizes, highlights and shows the list under (or above) the editor.
    void Open(const std::vector<std::string>& entries, int maxVisible, QWidget* editor,
              const QString& editorText);
    int EntryHeight() const;
    int Highlighted() const;  // -1 when nothing is highlighted
    void Highlight(int index);
    void HighlightAt(const QPoint& globalPos);
    // A key the editor received while the list is open.
    void KeyDown(QKeyEvent* event);
    const std::string& SearchText() const { return search_.Text(); }

    // Milliseconds of a monotonic clock; tests set their own.
    std::function<int64_t()> Clock;
    // A mouse release over the list (accept) or outside it.
    std::function<void(bool accept)> CloseRequested;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<std::string> entries_;
    TTypeAheadSearch search_;
};
