#pragma once
// The small window shown while a report prints: an animation, the page being printed and
// Cancel, which stops the job after the page in progress.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

class TXReport;

class TFPrinting : public QDialog {
    Q_OBJECT
public:
    TFPrinting(TXReport& report, QWidget* parent = nullptr);

    QLabel* PrintingLabel;
    QPushButton* CancelBtn;
    QTimer* Timer;
    int Frame() const { return frame_; }

    void TimerTick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TXReport& report_;
    QLabel* image_;
    std::array<QPixmap, 3> frames_;
    int frame_ = 0;
};
