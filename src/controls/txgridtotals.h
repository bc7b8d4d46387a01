#pragma once
// The totals bar drawn directly under an entry grid: the sum of every number column,
// right-aligned under its column.

#include <QPointer>
#include <QWidget>
#include <vector>

class TXGrid;

class TXGridTotals : public QWidget {
    Q_OBJECT
    // A form names its grid by object name; code links it with SetXGrid.
    Q_PROPERTY(QString XGridName READ XGridName WRITE setXGridName)

public:
    static constexpr int FrameGrey = 128;

    explicit TXGridTotals(QWidget* parent = nullptr);
    ~TXGridTotals() override;

    TXGrid* XGrid() const { return grid_; }
    void SetXGrid(TXGrid* grid);
    QString XGridName() const { return gridName_; }
    void setXGridName(const QString& name);

    // At the grid's left, overlapping its bottom edge by one pixel.
    void UpdatePlacement();
    void RepaintColumn(int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct ColumnSpan {
        int col = 0;
        int left = 0;
        int right = 0;  // the column's dividing line
    };
    std::vector<ColumnSpan> Spans() const;
    void ResolveName();

    QPointer<TXGrid> grid_;
    QString gridName_;
};
