#pragma once
// The "Existing worksheets" list beside an asset path's screens: a click, or Enter or Space
// on the highlighted row, chooses it; the focus shows as a frame round the list, and each
// row's tool tip gives its whole name, since long names are cut.

#include <QListWidget>
#include <functional>

class TWorksheetPickList : public QListWidget {
public:
    explicit TWorksheetPickList(QWidget* parent);

    void SetNames(const QStringList& names);
    std::function<void()> OnChoose;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
