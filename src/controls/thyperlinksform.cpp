#include "controls/thyperlinksform.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/ttextlbl.h"

namespace {
void CollectTextLabels(QObject* parent, std::vector<TTextLbl*>& labels) {
    for (QObject* child : parent->children()) {
        if (auto* label = qobject_cast<TTextLbl*>(child)) labels.push_back(label);
        CollectTextLabels(child, labels);
    }
}
}  // namespace

std::vector<TTextLbl*> TextLabelsOf(QWidget* screen) {
    std::vector<TTextLbl*> labels;
    if (screen) CollectTextLabels(screen, labels);
    return labels;
}

THyperlinksForm::THyperlinksForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Hyperlinks"));
    LinkList = new QListWidget(this);
    LinkList->setObjectName(QStringLiteral("LinkList"));
    LinkList->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* buttons = new QDialogButtonBox(this);
    BtnOK = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOK->setEnabled(false);
    BtnOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LinkList);
    layout->addWidget(buttons);
    resize(380, 280);

    // Choosing with the arrow keys counts as much as a click: the dialog is for keyboard users.
    connect(LinkList, &QListWidget::itemSelectionChanged, this,
            [this] { BtnOK->setEnabled(!LinkList->selectedItems().isEmpty()); });
    connect(LinkList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void THyperlinksForm::ListLinksOf(QWidget* screen) {
    LinkList->clear();
    entries_.clear();
    const auto add = [this](const std::string& text, ChosenLink link) {
        const QString shown = QString::fromStdString(text).simplified();
        if (shown.isEmpty()) return;
        LinkList->addItem(shown);
        entries_.push_back(std::move(link));
    };
    for (TTextLbl* label : TextLabelsOf(screen)) {
        if (!label->isVisibleTo(screen)) continue;  // links nobody can see are not offered
        for (const TJump& jump : label->jumps()) add(jump.text, {jump.JumpID, QString()});
        for (const THLink& link : label->hyperlinks())
            add(link.text, {-1, QString::fromStdString(link.target)});
    }
    BtnOK->setEnabled(false);
}

std::optional<ChosenLink> THyperlinksForm::Chosen() const {
    const QList<QListWidgetItem*> selected = LinkList->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return entries_.at(static_cast<size_t>(LinkList->row(selected.front())));
}

std::optional<ChosenLink> ChooseScreenLink(QWidget* screen, QWidget* parent) {
    THyperlinksForm form(parent);
    form.ListLinksOf(screen);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Chosen();
}
