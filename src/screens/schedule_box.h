#pragma once
// The pale yellow box that shows the CGT schedule part by part: a header bar per part, its
// column titles and rows, every amount a read-only bold entry field.

#include <QScrollArea>
#include <map>
#include <vector>

class QCheckBox;
class TTaxEdit;

class TScheduleBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TScheduleBox(QWidget* parent = nullptr);

    // Shows the schedule record's fields as they are in the scratch fields.
    void LoadAmounts();
    TTaxEdit* Amount(int field) const;
    QCheckBox* RollOverCheck() const { return rollOver_; }
    // The controls in the order Tab visits them.
    const std::vector<QWidget*>& TabChain() const { return chain_; }
    int PartTop(int part) const { return partTops_.at(static_cast<size_t>(part)); }
    // With screen-reader help, leaving the last amount of a part brings the next into view.
    void setFollowParts(bool on) { followParts_ = on; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int AddPart(QWidget* content, size_t index, int top);
    TTaxEdit* AddAmount(QWidget* content, int field, const QString& caption, bool code, int left,
                        int top);

    std::map<int, TTaxEdit*> amounts_;
    std::vector<QWidget*> chain_;
    std::vector<int> partTops_;
    QCheckBox* rollOver_ = nullptr;
    bool followParts_ = false;
};
