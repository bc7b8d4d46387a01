#pragma once
// Lists the help links and web links of every text label on a screen, so that keyboard and
// screen-reader users can follow them.

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;
class TTextLbl;

// A help link as (its JumpID, empty target); a web link as (-1, its target).
struct ChosenLink {
    int jumpNumber = -1;
    QString target;
};

class THyperlinksForm : public QDialog {
    Q_OBJECT

public:
    explicit THyperlinksForm(QWidget* parent = nullptr);

    // For every visible text label on the screen, its help links then its web links.
    void ListLinksOf(QWidget* screen);
    std::optional<ChosenLink> Chosen() const;

    QListWidget* LinkList = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

private:
    std::vector<ChosenLink> entries_;  // one per row of the list
};

// Every text label on the screen at any depth, in control order.
std::vector<TTextLbl*> TextLabelsOf(QWidget* screen);

// Shows the dialog modally; the chosen link, or nothing on Cancel.
std::optional<ChosenLink> ChooseScreenLink(QWidget* screen, QWidget* parent = nullptr);
