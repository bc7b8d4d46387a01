#include "screens/ttradeimportdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/currency_format.h"
#include "base/dates.h"
#include "base/message_box.h"
#include "platform/module_help.h"
#include "platform/qt_message_box.h"

namespace {

// The registration screen's topic holds the import's section.
constexpr int ImportHelpContext = 16;

constexpr MatchMethod Methods[] = {MatchMethod::Fifo, MatchMethod::Lifo, MatchMethod::MinGain,
                                   MatchMethod::Specific};

QString Money(Cents cents) {
    return QString::fromStdString(FormatCurrency(static_cast<long double>(cents) / 100, 2, 15));
}

QString Date(double serial) { return QString::fromStdString(FormatDate(serial)); }

QTableWidgetItem* Cell(const QString& text, bool number = false) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void Describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
    widget->setToolTip(description);
}

}  // namespace

QString TradeImportProblemText(const QString& fileName, const ImportProblem& problem) {
    QString text = QStringLiteral("The trade list %1 cannot be imported.\r").arg(fileName);
    if (problem.line > 0) text += QStringLiteral("Line %1: ").arg(problem.line);
    return text + FromLatin1Text(problem.reason) + QStringLiteral(".\rNothing was written.");
}

TTradeImportDialog::TTradeImportDialog(std::string text, const QString& fileName, int replaced,
                                       QWidget* parent)
    : QDialog(parent),
      text_(std::move(text)),
      replaced_(replaced),
      import_(std::make_unique<TradeImport>()) {
    setObjectName(QStringLiteral("TTradeImportDialog"));
    setWindowTitle(QStringLiteral("Import trades"));
    Layout(fileName);
    // A list held up by a corporate action opens where its security is typed.
    if (Rematch(true) == Matching::AwaitsExclusion) ExcludeEdit->setFocus();
}

TTradeImportDialog::~TTradeImportDialog() = default;

void TTradeImportDialog::Layout(const QString& fileName) {
    auto* column = new QVBoxLayout(this);
    auto* source = new QLabel(
        QStringLiteral("Trade list: %1").arg(QFileInfo(fileName).fileName().toHtmlEscaped()), this);
    column->addWidget(source);

    MethodCombo = new QComboBox(this);
    MethodCombo->setObjectName(QStringLiteral("MethodCombo"));
    for (const MatchMethod method : Methods) {
        QString name = QString::fromLatin1(MatchMethodName(method));
        name[0] = name[0].toUpper();
        MethodCombo->addItem(name);
    }
    Describe(MethodCombo, QStringLiteral("Matching method"),
             QStringLiteral("Which parcels each sale uses up; the table follows the choice."));
    auto* method = new QHBoxLayout;
    method->addWidget(Caption(QStringLiteral("&Matching method:"), MethodCombo, this));
    method->addWidget(MethodCombo);
    method->addStretch();
    column->addLayout(method);

    ActiveEdit = CodesEdit(QStringLiteral("ActiveEdit"), QStringLiteral("Active securities"),
                           QStringLiteral("Codes of the securities whose shares are active "
                                          "assets, separated by commas; the rest are not."));
    ExcludeEdit = CodesEdit(QStringLiteral("ExcludeEdit"), QStringLiteral("Exclude securities"),
                            QStringLiteral("Codes of the securities left out of the import, for "
                                           "example one with a corporate action, separated by "
                                           "commas."));
    auto* codes = new QHBoxLayout;
    codes->addWidget(Caption(QStringLiteral("&Active securities:"), ActiveEdit, this));
    codes->addWidget(ActiveEdit, 1);
    codes->addWidget(Caption(QStringLiteral("E&xclude securities:"), ExcludeEdit, this));
    codes->addWidget(ExcludeEdit, 1);
    column->addLayout(codes);

    PartsTable = new QTableWidget(0, 11, this);
    PartsTable->setObjectName(QStringLiteral("PartsTable"));
    PartsTable->setHorizontalHeaderLabels(
        {QStringLiteral("Code"), QStringLiteral("Company"), QStringLiteral("Quantity"),
         QStringLiteral("Bought"), QStringLiteral("Sold"), QStringLiteral("Cost"),
         QStringLiteral("Brokerage\non purchase"), QStringLiteral("Brokerage\non sale"),
         QStringLiteral("Proceeds\n(whole $)"), QStringLiteral("Estimated\ngain"),
         QStringLiteral("Held over\n12 months")});
    PartsTable->verticalHeader()->setVisible(false);
    PartsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    PartsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table, as in every other dialog; the arrows move through it.
    PartsTable->setTabKeyNavigation(false);
    PartsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Describe(PartsTable, QStringLiteral("Parcels to be written"),
             QStringLiteral("Each row becomes one share worksheet: the part parcel sold, its "
                            "cost, brokerage, proceeds (in whole dollars) and estimated gain."));
    column->addWidget(Caption(QStringLiteral("&Parcels to be written:"), PartsTable, this));
    column->addWidget(PartsTable, 3);

    LeftOutList = new QListWidget(this);
    LeftOutList->setObjectName(QStringLiteral("LeftOutList"));
    Describe(LeftOutList, QStringLiteral("Left out"),
             QStringLiteral("Lines of the list that are not written, and why."));
    column->addWidget(Caption(QStringLiteral("&Left out:"), LeftOutList, this));
    column->addWidget(LeftOutList, 1);

    NotesList = new QListWidget(this);
    NotesList->setObjectName(QStringLiteral("NotesList"));
    Describe(NotesList, QStringLiteral("Notes"),
             QStringLiteral("What was noticed while reading the list."));
    NotesLbl = Caption(QStringLiteral("N&otes:"), NotesList, this);
    column->addWidget(NotesLbl);
    column->addWidget(NotesList, 2);
    // A statement's notes and reasons run longer than the window is wide: wrapped, they are
    // read without scrolling sideways.
    for (QListWidget* list : {LeftOutList, NotesList}) {
        list->setWordWrap(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setResizeMode(QListView::Adjust);
    }

    SummaryLbl = new QLabel(this);
    SummaryLbl->setObjectName(QStringLiteral("SummaryLbl"));
    SummaryLbl->setWordWrap(true);
    SummaryLbl->setTextFormat(Qt::PlainText);
    column->addWidget(SummaryLbl);

    Buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton* ok = Buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    Describe(ok, QStringLiteral("OK"), QStringLiteral("Write the parcels shown as worksheets."));
    Describe(Buttons->button(QDialogButtonBox::Cancel), QStringLiteral("Cancel"),
             QStringLiteral("Close without writing anything."));
    Describe(Buttons->button(QDialogButtonBox::Help), QStringLiteral("Help"),
             QStringLiteral("How the import works."));
    column->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Buttons, &QDialogButtonBox::helpRequested, this,
            [] { OpenHelpTopic(ImportHelpContext); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { OpenHelpTopic(ImportHelpContext); });
    connect(MethodCombo, &QComboBox::currentIndexChanged, this, [this] { Rematch(true); });
    for (QLineEdit* edit : {ActiveEdit, ExcludeEdit})
        connect(edit, &QLineEdit::textEdited, this, [this] { Rematch(false); });
    resize(980, 640);
}

QLineEdit* TTradeImportDialog::CodesEdit(const QString& objectName, const QString& name,
                                         const QString& description) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    Describe(edit, name, description);
    return edit;
}

TTradeImportDialog::Matching TTradeImportDialog::Rematch(bool tell) {
    TradeImportOptions options;
    options.method = Methods[std::max(0, MethodCombo->currentIndex())];
    options.active = SecurityCodesOf(ToLatin1Text(ActiveEdit->text()));
    options.read.exclude = SecurityCodesOf(ToLatin1Text(ExcludeEdit->text()));
    ImportProblem problem;
    const bool matched = PrepareTradeImport(text_, options, *import_, problem);
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(matched);
    if (matched) {
        ShowRows();
        return Matching::Matched;
    }
    PartsTable->setRowCount(0);
    LeftOutList->clear();
    NotesList->clear();
    NotesLbl->hide();
    NotesList->hide();
    const QString why =
        (problem.line > 0 ? QStringLiteral("Line %1: ").arg(problem.line) : QString()) +
        FromLatin1Text(problem.reason) + QLatin1Char('.');
    SummaryLbl->setText((problem.corporateAction
                             ? QStringLiteral("Nothing can be written until the security is "
                                              "excluded. ")
                             : QStringLiteral("Nothing can be written with this method. ")) +
                        why);
    SummaryLbl->setAccessibleName(SummaryLbl->text());
    if (problem.corporateAction) return Matching::AwaitsExclusion;
    if (tell)
        ShowTitledMessage(ToLatin1Text(QStringLiteral("The trades cannot be matched by \"%1\".\r")
                                           .arg(MethodCombo->currentText()) +
                                       why),
                          MessageIcon::Stop, {mbOK});
    return Matching::Refused;
}

QString TTradeImportDialog::UnknownCodesText() const {
    std::set<std::string> typed = import_->options.active;
    typed.insert(import_->options.read.exclude.begin(), import_->options.read.exclude.end());
    QStringList unknown;
    for (const std::string& code : CodesNotInList(*import_, typed)) unknown << FromLatin1Text(code);
    if (unknown.isEmpty()) return {};
    return QStringLiteral(" No line of the list names %1.").arg(unknown.join(QStringLiteral(", ")));
}

void TTradeImportDialog::ShowRows() {
    const std::vector<PreviewRow> rows = PreviewRows(*import_);
    PartsTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PreviewRow& row = rows[static_cast<size_t>(r)];
        const QString cells[] = {
            FromLatin1Text(row.code),
            FromLatin1Text(row.company),
            QStringLiteral("%1 of %2").arg(row.quantity).arg(row.boughtQuantity),
            Date(row.bought),
            Date(row.sold),
            Money(row.cost),
            Money(row.buyBrokerage),
            Money(row.sellBrokerage),
            QString::fromStdString(
                FormatCurrency(static_cast<long double>(row.proceedsDollars), 0, 15)),
            Money(row.estimatedGain),
            row.heldOverAYear ? QStringLiteral("Yes") : QStringLiteral("No")};
        for (int c = 0; c < 11; ++c)
            PartsTable->setItem(r, c, Cell(cells[c], c == 2 || (c >= 5 && c <= 9)));
    }
    if (!rows.empty()) PartsTable->setCurrentCell(0, 0);
    LeftOutList->clear();
    for (const std::string& line : LeftOutLines(*import_))
        LeftOutList->addItem(FromLatin1Text(line));
    if (LeftOutList->count() == 0) LeftOutList->addItem(QStringLiteral("Nothing is left out."));
    NotesList->clear();
    if (replaced_ > 0)
        NotesList->addItem(QStringLiteral("OK first deletes the %1 worksheet(s) of the earlier "
                                          "import of this list.")
                               .arg(replaced_));
    for (const std::string& note : import_->notes) NotesList->addItem(FromLatin1Text(note));
    // Shown only with something to say, so that Tab does not stop at an empty list.
    NotesLbl->setVisible(NotesList->count() > 0);
    NotesList->setVisible(NotesList->count() > 0);
    const int skipped = import_->read.list.skipped;
    SummaryLbl->setText(
        QStringLiteral("%1 part parcel(s) will be written as share worksheets. "
                       "%2 line(s) that are not trades were skipped. Gains are estimated before "
                       "indexation, the discount and any losses.")
            .arg(rows.size())
            .arg(skipped) +
        UnknownCodesText());
    SummaryLbl->setAccessibleName(SummaryLbl->text());
}
