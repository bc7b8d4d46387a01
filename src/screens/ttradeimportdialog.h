#pragma once
// The preview of a trade list import: the part parcels that will become share worksheet
// items with their estimated gains, what is left out and why, and the matching method and
// the securities held as active assets or left out, chosen here and applied at once. OK
// accepts what is shown; the caller writes it.

#include <QDialog>
#include <memory>
#include <string>

#include "screens/core/trade_import.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

class TTradeImportDialog : public QDialog {
    Q_OBJECT
public:
    // `text`: the list as read from `fileName`; `replaced`: the items of an earlier import
    // of the list that OK will delete.
    TTradeImportDialog(std::string text, const QString& fileName, int replaced,
                       QWidget* parent = nullptr);
    ~TTradeImportDialog() override;

    // The list as matched by the chosen method; only when OK is enabled is it whole.
    const TradeImport& Import() const { return *import_; }

    QComboBox* MethodCombo = nullptr;
    QLineEdit* ActiveEdit = nullptr;   // codes of securities held as active assets
    QLineEdit* ExcludeEdit = nullptr;  // codes of securities left out
    QTableWidget* PartsTable = nullptr;
    QListWidget* LeftOutList = nullptr;
    QListWidget* NotesList = nullptr;
    QLabel* NotesLbl = nullptr;
    QLabel* SummaryLbl = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void Layout(const QString& fileName);
    enum class Matching { Matched, AwaitsExclusion, Refused };
    // Matches the list with the options shown. `tell`: a refusal is also said in a message box
    // (not while codes are typed, nor for a corporate action, which typing its code mends).
    Matching Rematch(bool tell);
    void ShowRows();
    QLineEdit* CodesEdit(const QString& objectName, const QString& name,
                         const QString& description);
    // What the summary adds for typed codes that no line names.
    QString UnknownCodesText() const;
    std::string text_;
    int replaced_ = 0;
    std::unique_ptr<TradeImport> import_;
};

// The message for a list that cannot be imported: the list, the line and the reason.
QString TradeImportProblemText(const QString& fileName, const ImportProblem& problem);
