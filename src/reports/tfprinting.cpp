#include "reports/tfprinting.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "reports/core/txreport.h"

namespace {

// A sheet leaving the printer, a third further out in each frame.
QPixmap AnimationFrame(int step) {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::lightGray);
    p.drawRect(4, 20, 40, 18);
    p.setBrush(Qt::white);
    const int out = 6 * step;
    p.drawRect(12, 20 - out - 2, 24, out + 2);
    p.drawRect(12, 30, 24, 4 + out / 2);
    return pixmap;
}

}  // namespace

TFPrinting::TFPrinting(TXReport& report, QWidget* parent) : QDialog(parent), report_(report) {
    setWindowTitle("Printing");
    setModal(true);
    for (int i = 0; i < 3; ++i) frames_[static_cast<size_t>(i)] = AnimationFrame(i + 1);
    image_ = new QLabel(this);
    PrintingLabel = new QLabel("Printing page 1", this);
    CancelBtn = new QPushButton("Cancel", this);
    Timer = new QTimer(this);
    Timer->setInterval(500);
    auto* row = new QHBoxLayout;
    row->addWidget(image_);
    row->addWidget(PrintingLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(CancelBtn, 0, Qt::AlignHCenter);
    connect(Timer, &QTimer::timeout, this, &TFPrinting::TimerTick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFPrinting::CancelBtnClick);
}

void TFPrinting::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    frame_ = 0;
    Timer->start();
    TimerTick();
}

void TFPrinting::closeEvent(QCloseEvent* event) {
    Timer->stop();
    QDialog::closeEvent(event);
}

void TFPrinting::TimerTick() {
    frame_ = frame_ % 3 + 1;
    image_->setPixmap(frames_[static_cast<size_t>(frame_ - 1)]);
    if (report_.PrintingPage > 1)
        PrintingLabel->setText("Printing page " + QString::number(report_.PrintingPage));
}

void TFPrinting::CancelBtnClick() { report_.Aborted = true; }
