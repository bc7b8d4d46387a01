#include "reports/tpreviewform.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "base/latin1_text.h"
#include "base/message_box.h"
#include "base/module_state.h"
#include "controls/ttaxedit.h"
#include "reports/core/page_range.h"
#include "reports/core/pdf_file_name.h"
#include "reports/core/report_printer.h"
#include "reports/core/txreport.h"
#include "reports/paint/painter_canvas.h"
#include "reports/paint/report_pdf.h"
#include "reports/tfprinting.h"

namespace {

constexpr double ContentMM = 275;

QPushButton* Button(const QString& text, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// A magnifying glass for the page picture.
QCursor MagnifyCursor() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(2, 2, 18, 18);
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(18, 18, 29, 29);
    return QCursor(pixmap, 11, 11);
}

}  // namespace

TPreviewForm::TPreviewForm(std::unique_ptr<TXReport> report, QWidget* parent,
                           std::unique_ptr<TReportPrinter> printer)
    : QDialog(parent), printer_(std::move(printer)), report_(std::move(report)) {
    setWindowTitle("Preview");
    ChoosePdfFile = [this] {
        QFileDialog dialog(this, "Save as PDF", ProposedPdfFile(), "PDF files (*.pdf)");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("pdf");
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    Layout();
}

TPreviewForm::~TPreviewForm() {
    if (isVisible()) State().PreviewShowing = false;
}

void TPreviewForm::Layout() {
    btnPrint = Button("&Print", "Click this button to print your return", this);
    btnSavePdf = Button("Save as &PDF", "Save every page as a PDF file", this);
    BtnExit = Button("&Close", "Close preview", this);
    btnFirst = Button("|<", "Display the first page", this);
    btnPrev = Button("<", "Display the previous page", this);
    btnNext = Button(">", "Display the next page", this);
    btnLast = Button(">|", "Display the last page", this);
    btnAllPage = Button("Whole page", "Makes the current page fit inside the window", this);
    btnPageWidth = Button(
        "Page width", "Makes the visible width of the current page fit inside the window", this);
    MaxPage = new QLabel(this);
    AllBtn = new QRadioButton("&All", this);
    PagesBtn = new QRadioButton("Pa&ges", this);
    AllBtn->setChecked(true);
    TaxEdit1 = new TTaxEdit(this);
    TaxEdit1->setObjectName(QStringLiteral("TaxEdit1"));
    TaxEdit1->setNumericType(TTaxEdit::ntNone);
    // Space, comma, digits, minus and plus: a comma is written as an empty item.
    TaxEdit1->setValidChars(QStringLiteral(" ,,,0..9,-,+"));
    TaxEdit1->setToolTip(
        "To select individual page number to print please type the following: eg. 1,2,4,7  or "
        "1-4,7-9 etc.");
    PageImage = new TPageImage(this);
    PageImage->setCursor(MagnifyCursor());
    ScrollBox = new QScrollArea(this);
    ScrollBox->setWidget(PageImage);
    ScrollBox->setBackgroundRole(QPalette::Dark);
    ScrollBox->installEventFilter(this);

    // The arrows stay narrow so that a typed range has room.
    for (QPushButton* arrow : {btnFirst, btnPrev, btnNext, btnLast}) arrow->setFixedWidth(36);
    TaxEdit1->setMinimumWidth(120);
    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             btnPrint, btnSavePdf, BtnExit, btnFirst, btnPrev, MaxPage, btnNext, btnLast,
             btnAllPage, btnPageWidth, AllBtn, PagesBtn, TaxEdit1})
        bar->addWidget(w);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(ScrollBox, 1);
    resize(900, 700);

    connect(btnPrint, &QPushButton::clicked, this, &TPreviewForm::btnPrintClick);
    connect(btnSavePdf, &QPushButton::clicked, this, &TPreviewForm::btnSavePdfClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::close);
    connect(btnFirst, &QPushButton::clicked, this, [this] { ShowPage(1); });
    connect(btnPrev, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(btnLast, &QPushButton::clicked, this, [this] { ShowPage(report_->PageCount()); });
    connect(btnAllPage, &QPushButton::clicked, this, &TPreviewForm::FitPage);
    connect(btnPageWidth, &QPushButton::clicked, this, &TPreviewForm::FitWidth);
    connect(AllBtn, &QRadioButton::clicked, TaxEdit1, &TTaxEdit::clear);
    connect(TaxEdit1, &TTaxEdit::textEdited, this, [this] { PagesBtn->setChecked(true); });
    connect(PageImage, &TPageImage::Clicked, this, &TPreviewForm::PageClicked);
}

double TPreviewForm::PixelsPerMM() const { return logicalDpiX() / 25.4; }

void TPreviewForm::SetMargins() {
    TXReport& r = *report_;
    const bool landscape = r.Orientation() == TPrinterOrientation::Landscape;
    r.SetLeftMargin(landscape ? 10 : 15);
    const PrinterMargins off = r.Unprintable();
    if (off.top <= 0) {
        r.SetTopMargin(0);
        return;
    }
    const double half = (r.PageHeight() - off.top - off.bottom - ContentMM) / 2;
    if (half > 0) {
        r.SetTopMargin(off.top + static_cast<int>(half));
        return;
    }
    r.SetTopMargin(off.top);
    r.FitScale = landscape ? (r.PageWidth() - r.LeftMargin() - off.right) / ContentMM
                           : (r.PageHeight() - r.TopMargin() - off.bottom) / ContentMM;
}

void TPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    State().PreviewShowing = true;
    if (shownBefore_) return;
    shownBefore_ = true;
    SetMargins();
    zoom_ = (ScrollBox->viewport()->width() - 30) / (report_->PageWidth() * PixelsPerMM());
    ShowPage(1);
}

void TPreviewForm::Redraw() {
    const double perMM = PixelsPerMM() * zoom_;
    QImage image(std::max(1, static_cast<int>(report_->PageWidth() * perMM)),
                 std::max(1, static_cast<int>(report_->PageHeight() * perMM)),
                 QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(logicalDpiX() / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter, logicalDpiX(), false);
        report_->DrawPage(page_, canvas, false, zoom_);
    }
    PageImage->setPixmap(QPixmap::fromImage(image));
    PageImage->resize(image.size());
    page_ = std::max(1, report_->CurrentPage());
    MaxPage->setText(QString::number(page_) + " of " + QString::number(report_->PageCount()));
}

void TPreviewForm::ShowPage(int page) {
    page_ = std::clamp(page, 1, std::max(1, report_->PageCount()));
    Redraw();
}

void TPreviewForm::SetZoom(double zoom) {
    zoom_ = zoom;
    Redraw();
    ScrollBox->horizontalScrollBar()->setValue(0);
    ScrollBox->verticalScrollBar()->setValue(0);
}

void TPreviewForm::FitWidth() {
    SetZoom((ScrollBox->viewport()->width() - 30) / (report_->PageWidth() * PixelsPerMM()));
}

void TPreviewForm::FitPage() {
    const QSize box = ScrollBox->viewport()->size();
    SetZoom(std::min((box.height() - 12) / (report_->PageHeight() * PixelsPerMM()),
                     (box.width() - 12) / (report_->PageWidth() * PixelsPerMM())));
}

void TPreviewForm::PageClicked(QPoint at, Qt::MouseButton button) {
    const QSize before = PageImage->size();
    if (button == Qt::LeftButton) zoom_ *= 1.2;
    if (button == Qt::RightButton) zoom_ *= 0.8;
    zoom_ = std::clamp(zoom_, MinZoom, MaxZoom);
    Redraw();
    // The clicked point comes to the middle of the box.
    QScrollBar* h = ScrollBox->horizontalScrollBar();
    QScrollBar* v = ScrollBox->verticalScrollBar();
    const QSize box = ScrollBox->viewport()->size();
    h->setValue(h->maximum() * at.x() / std::max(1, before.width()) - box.width() / 2);
    v->setValue(v->maximum() * at.y() / std::max(1, before.height()) - box.height() / 2);
}

bool TPreviewForm::PageKey(int key) {
    QScrollBar* v = ScrollBox->verticalScrollBar();
    QScrollBar* h = ScrollBox->horizontalScrollBar();
    const int page = ScrollBox->viewport()->height() - v->singleStep();
    switch (key) {
        case Qt::Key_PageUp:
            if (v->value() == v->minimum() && page_ > 1) {
                ShowPage(page_ - 1);
                v->setValue(v->maximum());
            } else {
                v->setValue(v->value() - page);
            }
            return true;
        case Qt::Key_PageDown:
            if (v->value() == v->maximum() && page_ < report_->PageCount()) {
                ShowPage(page_ + 1);
                v->setValue(v->minimum());
            } else {
                v->setValue(v->value() + page);
            }
            return true;
        case Qt::Key_Home:
            h->setValue(h->minimum());
            return true;
        case Qt::Key_End:
            h->setValue(h->maximum());
            return true;
        case Qt::Key_Up:
            v->setValue(v->value() - v->singleStep());
            return true;
        case Qt::Key_Down:
            v->setValue(v->value() + v->singleStep());
            return true;
        default:
            return false;
    }
}

void TPreviewForm::keyPressEvent(QKeyEvent* event) {
    if (!PageKey(event->key())) QDialog::keyPressEvent(event);
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    // The scroll box would scroll by itself; the page keys also turn pages.
    if (watched == ScrollBox && event->type() == QEvent::KeyPress &&
        PageKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::btnPrintClick() {
    if (report_->NoPrinter()) {
        AppMessageBox("Printer is not set. Cannot print.", mtWarning, mbOK);
        return;
    }
    std::set<int> pages;
    if (AllBtn->isChecked()) {
        for (int p = 1; p <= std::min(report_->PageCount(), LastPrintablePage); ++p)
            pages.insert(p);
    } else {
        const std::string typed = TaxEdit1->text().toLatin1().toStdString();
        const auto parsed = ParsePageRange(typed);
        if (!parsed) {
            AppMessageBox(InvalidPageRangeMessage(typed, MaxPage->text().toLatin1().toStdString()),
                          mtWarning, mbOK);
            return;
        }
        pages = *parsed;
    }
    TFPrinting printing(*report_, this);
    printing.show();
    report_->Printer()->SetTitle(
        (QString(ApplicationTitle) + " workpapers").toLatin1().toStdString());
    busy_ = true;
    try {
        report_->PrintPages(pages);
    } catch (...) {
        busy_ = false;
        printing.close();
        throw;
    }
    busy_ = false;
    printing.close();
}

QString TPreviewForm::ProposedPdfFile() const {
    return QString::fromLatin1(
        ProposedPdfPath(State().CurrentFileName, ReportName.toLatin1().toStdString()));
}

void TPreviewForm::btnSavePdfClick() {
    const QString chosen = ChoosePdfFile ? ChoosePdfFile() : QString();
    if (chosen.isEmpty()) return;
    const QString path = QString::fromStdString(WithPdfExtension(chosen.toStdString()));
    QString error;
    if (!WriteReportPdf(*report_, path, QString(ApplicationTitle) + " workpapers", error,
                        PdfResolution, Latin1ToUtf8(State().CurrentFileName)))
        AppMessageBox(("The PDF file could not be written: " + error).toLatin1().toStdString(),
                      mtError, mbOK);
}

void TPreviewForm::hideEvent(QHideEvent* event) {
    // A minimised preview is still open.
    if (!event->spontaneous()) State().PreviewShowing = false;
    QDialog::hideEvent(event);
}

void TPreviewForm::reject() {
    if (!busy_) QDialog::reject();
}

void TPreviewForm::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
