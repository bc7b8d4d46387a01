#pragma once
// The navigator panel of the interview window: the title "Navigator" over a tree of the
// interview's topics. A click on an entry highlights it and tells the owner through
// OnSelectItem; SelectItemByScreenID follows the interview without telling anyone.

#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <utility>

class QLabel;
class QTreeWidgetItem;
class TCustomNavigatorData;
class TNavigatorItem;
class TNavigatorTreeView;

class TNavigatorFrame : public QWidget {
    Q_OBJECT

public:
    using TSelectItemEvent = std::function<void(TNavigatorFrame* sender, TNavigatorItem* item)>;

    explicit TNavigatorFrame(QWidget* parent = nullptr);
    ~TNavigatorFrame() override;

    // Fills the tree from the data (one node per topic, one per item under it), selects no
    // node and sets the initialised flag. The data must outlive the frame.
    void Initialise(TCustomNavigatorData* data);
    TCustomNavigatorData* Data() const { return fData; }

    void SetOnSelectItem(TSelectItemEvent handler) { fOnSelectItem = std::move(handler); }
    const TSelectItemEvent& OnSelectItem() const { return fOnSelectItem; }

    // The entry of the tree's selected node, or none.
    TNavigatorItem* GetSelectedItem() const;
    // Highlights the entry and, when initialised, hands it to OnSelectItem.
    void DoSelectItem(TNavigatorItem* entry);
    // Selects the first node whose text matches (any letter case), expands its topic when
    // it is an item (or itself when expand is set) and may collapse every other topic.
    void SelectNodeByName(const QString& name, bool expand, bool collapseOthers);
    // Highlights the entry whose range covers the screen; never calls OnSelectItem.
    void SelectItemByScreenID(int screenNumber);

    // While clear, selection changes are ignored (the interview window clears it while it
    // rescales fonts).
    void SetInitialised(bool initialised) { fInitialised = initialised; }
    bool Initialised() const { return fInitialised; }
    bool Collapsing() const { return fCollapsing; }

    // The interview window scales the navigator's font with the screen.
    void SetFontPointSize(int points);
    int FontPointSize() const;

    QLabel* TitlePanel() const { return titlePanel; }
    TNavigatorTreeView* NavigatorTreeView() const { return navigatorTreeView; }
    // The tree node that carries the entry, or none.
    QTreeWidgetItem* NodeOf(const TNavigatorItem* entry) const;

private:
    void navigatorTreeViewChange();
    void ChooseNode(QTreeWidgetItem* node);
    QTreeWidgetItem* FindNode(const QString& name) const;
    QList<QTreeWidgetItem*> NodesInTreeOrder() const;
    void Collapse(QTreeWidgetItem* node);
    void ConnectChange();
    void DisconnectChange();
    void Repaint();

    QLabel* titlePanel = nullptr;
    TNavigatorTreeView* navigatorTreeView = nullptr;
    TCustomNavigatorData* fData = nullptr;
    TSelectItemEvent fOnSelectItem;
    bool fInitialised = false;
    bool fCollapsing = false;
    QMetaObject::Connection fChangeConnection;
};
