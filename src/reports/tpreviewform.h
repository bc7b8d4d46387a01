#pragma once
// The print preview: one page of a report at a time, paging, zoom, printing all pages or a
// typed range, and saving every page as PDF. It owns the report from the moment it is shown.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <functional>
#include <memory>

#include "reports/page_image.h"

class TTaxEdit;
class TXReport;
class TReportPrinter;

class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    // `printer`, when given, is the report's printer and lives as long as the report.
    TPreviewForm(std::unique_ptr<TXReport> report, QWidget* parent = nullptr,
                 std::unique_ptr<TReportPrinter> printer = nullptr);
    ~TPreviewForm() override;

    static constexpr double MinZoom = 0.5, MaxZoom = 2.0;

    QPushButton *btnPrint, *btnSavePdf, *BtnExit, *btnFirst, *btnPrev, *btnNext, *btnLast,
        *btnAllPage, *btnPageWidth;
    QLabel* MaxPage;
    QRadioButton *AllBtn, *PagesBtn;
    TTaxEdit* TaxEdit1;
    QScrollArea* ScrollBox;
    TPageImage* PageImage;

    double Zoom() const { return zoom_; }
    int Page() const { return page_; }
    bool Busy() const { return busy_; }
    TXReport& Report() { return *report_; }
    // The report's script name, for the file name "Save as PDF" proposes.
    QString ReportName;
    // Where "Save as PDF" writes; the file dialog unless replaced. ".pdf" is added to a name
    // without it.
    std::function<QString()> ChoosePdfFile;
    // Beside the open return, named after it and the report.
    QString ProposedPdfFile() const;

    void btnPrintClick();
    void btnSavePdfClick();
    void ShowPage(int page);

    // Escape and the window's close are refused while printing.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void SetMargins();
    double PixelsPerMM() const;
    void Redraw();
    void SetZoom(double zoom);
    void FitWidth();
    void FitPage();
    void PageClicked(QPoint at, Qt::MouseButton button);
    bool PageKey(int key);

    std::unique_ptr<TReportPrinter> printer_;
    std::unique_ptr<TXReport> report_;
    double zoom_ = 1;
    int page_ = 1;
    bool busy_ = false;
    bool shownBefore_ = false;
};
