#include "interview/tnavigatorframe.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "interview/core/tcustomnavigatordata.h"
#include "interview/tnavigatortreeview.h"
#include "platform/qt_message_box.h"

namespace {
constexpr int DesignPointSize = 8;
constexpr int TitleHeight = 20;

QFont NavigatorFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}
}  // namespace

TNavigatorFrame::TNavigatorFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NavigatorFrame"));
    resize(141, 232);
    setAutoFillBackground(true);

    titlePanel = new QLabel(QStringLiteral("Navigator"), this);
    titlePanel->setObjectName(QStringLiteral("titlePanel"));
    titlePanel->setAlignment(Qt::AlignCenter);
    titlePanel->setAutoFillBackground(true);

    navigatorTreeView = new TNavigatorTreeView(this);
    navigatorTreeView->setObjectName(QStringLiteral("navigatorTreeView"));
    titlePanel->setBuddy(navigatorTreeView);
    navigatorTreeView->SetBackground(palette().color(QPalette::Window));
    connect(navigatorTreeView, &TNavigatorTreeView::ChooseRequested, this,
            [this](QTreeWidgetItem* node) {
                if (fInitialised && !fCollapsing) ChooseNode(node);
            });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titlePanel);
    layout->addWidget(navigatorTreeView, 1);

    SetFontPointSize(DesignPointSize);
}

TNavigatorFrame::~TNavigatorFrame() { DisconnectChange(); }

void TNavigatorFrame::Initialise(TCustomNavigatorData* data) {
    DisconnectChange();
    navigatorTreeView->clear();
    fData = data;
    if (fData) {
        const TNavigatorColour colour = fData->BackgroundColour();
        const QColor background(colour.red, colour.green, colour.blue);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, background);
        setPalette(palette);
        titlePanel->setPalette(palette);
        navigatorTreeView->SetBackground(background);
    }
    fInitialised = true;
    if (fData) {
        for (int i = 0; i < fData->TopicCount(); ++i) {
            TNavigatorTopic* topic = fData->Topic(i);
            auto* topicNode = new QTreeWidgetItem(navigatorTreeView);
            topicNode->setText(0, FromLatin1Text(topic->NodeText()));
            TNavigatorTreeView::SetEntry(topicNode, topic);
            for (int j = 0; j < topic->ItemCount(); ++j) {
                TNavigatorItem* item = topic->Item(j);
                auto* itemNode = new QTreeWidgetItem(topicNode);
                itemNode->setText(0, FromLatin1Text(item->NodeText()));
                TNavigatorTreeView::SetEntry(itemNode, item);
            }
        }
        navigatorTreeView->SetArrowMargin(fData->AnyTopicHasItems());
    }
    navigatorTreeView->RefreshRowHeights();
    navigatorTreeView->clearSelection();
    navigatorTreeView->setCurrentItem(nullptr);
    ConnectChange();
}

TNavigatorItem* TNavigatorFrame::GetSelectedItem() const {
    return TNavigatorTreeView::EntryOf(navigatorTreeView->SelectedNode());
}

void TNavigatorFrame::DoSelectItem(TNavigatorItem* entry) {
    if (fData) fData->SelectEntry(entry);
    if (fInitialised && fOnSelectItem) {
        // The handler may move the interview on; this frame may not outlive it.
        QPointer<TNavigatorFrame> alive(this);
        fOnSelectItem(this, entry);
        if (!alive) return;
    }
    Repaint();
}

void TNavigatorFrame::SelectNodeByName(const QString& name, bool expand, bool collapseOthers) {
    QTreeWidgetItem* node = FindNode(name);
    if (!node) return;
    navigatorTreeView->setCurrentItem(node);
    if (QTreeWidgetItem* again = FindNode(name); again && again != node) {
        node = again;
        DisconnectChange();
        navigatorTreeView->setCurrentItem(node);
        ConnectChange();
    }
    QTreeWidgetItem* top = node->parent() ? node->parent() : node;
    if (node->parent() || expand) top->setExpanded(true);
    if (collapseOthers) {
        for (int i = 0; i < navigatorTreeView->topLevelItemCount(); ++i) {
            QTreeWidgetItem* other = navigatorTreeView->topLevelItem(i);
            if (other != top) Collapse(other);
        }
    }
    Repaint();
}

void TNavigatorFrame::SelectItemByScreenID(int screenNumber) {
    if (!fData) return;
    if (const TNavigatorItem* selected = GetSelectedItem();
        selected && selected->ScreenId() == screenNumber) {
        return;
    }
    TNavigatorItem* entry = fData->FindItemForScreen(screenNumber);
    if (!entry) return;

    struct DetachedHandler {
        TNavigatorFrame* frame;
        TSelectItemEvent saved;
        ~DetachedHandler() { frame->fOnSelectItem = std::move(saved); }
    } detached{this, std::exchange(fOnSelectItem, nullptr)};

    QStringList names;
    for (QTreeWidgetItem* node : NodesInTreeOrder()) {
        const TNavigatorItem* nodeEntry = TNavigatorTreeView::EntryOf(node);
        if (nodeEntry && nodeEntry->ScreenId() == entry->ScreenId()) names << node->text(0);
    }
    for (const QString& name : names) SelectNodeByName(name, true, true);
    fData->SelectEntry(entry);
    Repaint();
}

void TNavigatorFrame::SetFontPointSize(int points) {
    if (points <= 0) return;
    titlePanel->setFont(NavigatorFont(points, true));
    // The title keeps its design height unless the scaled font needs more.
    titlePanel->setFixedHeight(qMax(TitleHeight, titlePanel->fontMetrics().height() + 4));
    navigatorTreeView->setFont(NavigatorFont(points, false));
    navigatorTreeView->RefreshRowHeights();
}

int TNavigatorFrame::FontPointSize() const { return navigatorTreeView->font().pointSize(); }

QTreeWidgetItem* TNavigatorFrame::NodeOf(const TNavigatorItem* entry) const {
    for (QTreeWidgetItem* node : NodesInTreeOrder()) {
        if (TNavigatorTreeView::EntryOf(node) == entry) return node;
    }
    return nullptr;
}

void TNavigatorFrame::navigatorTreeViewChange() {
    // Only a mouse press on a row acts; selection made by code, or while the owner rescales
    // or a branch collapses, does not.
    const std::optional<QPoint> press = navigatorTreeView->TakePress();
    if (!fInitialised || fCollapsing || !press) return;
    if (QTreeWidgetItem* node = navigatorTreeView->NodeOnRowAt(*press)) ChooseNode(node);
}

void TNavigatorFrame::ChooseNode(QTreeWidgetItem* node) {
    TNavigatorItem* entry = TNavigatorTreeView::EntryOf(node);
    if (!entry) return;
    SelectNodeByName(node->text(0), entry->IsTopic(), true);
    DoSelectItem(entry);
}

QTreeWidgetItem* TNavigatorFrame::FindNode(const QString& name) const {
    for (QTreeWidgetItem* node : NodesInTreeOrder()) {
        if (node->text(0).compare(name, Qt::CaseInsensitive) == 0) return node;
    }
    return nullptr;
}

QList<QTreeWidgetItem*> TNavigatorFrame::NodesInTreeOrder() const {
    QList<QTreeWidgetItem*> nodes;
    for (int i = 0; i < navigatorTreeView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* topic = navigatorTreeView->topLevelItem(i);
        nodes << topic;
        for (int j = 0; j < topic->childCount(); ++j) nodes << topic->child(j);
    }
    return nodes;
}

void TNavigatorFrame::Collapse(QTreeWidgetItem* node) {
    if (!node->isExpanded()) return;
    fCollapsing = true;
    node->setExpanded(false);
    fCollapsing = false;
}

void TNavigatorFrame::ConnectChange() {
    if (fChangeConnection) return;
    fChangeConnection = connect(navigatorTreeView, &QTreeWidget::itemSelectionChanged, this,
                                &TNavigatorFrame::navigatorTreeViewChange);
}

void TNavigatorFrame::DisconnectChange() {
    if (fChangeConnection) disconnect(fChangeConnection);
    fChangeConnection = {};
}

void TNavigatorFrame::Repaint() { navigatorTreeView->viewport()->update(); }
