// The share registration screen's "Import trades...": the list chosen, the preview, OK
// writing the items the worksheet list then shows, Cancel and a broken list writing nothing,
// a second import replacing the first, and the whole path by keyboard.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <fstream>
#include <memory>

#include "asset_path_test_support.h"
#include "calc/asset_fields.h"
#include "platform/help_requests.h"
#include "platform/thelpviewer.h"
#include "screens/tqcgt_08.h"
#include "screens/ttradeimportdialog.h"
#include "temp_dir.h"

namespace {

const std::string Oversold =
    "Trade Date,ASX Code,Company,Buy/Sell,Quantity,Price,Brokerage\n"
    "12/08/2004,HBT,Harbourline Telecom,B,500,$4.10,$19.95\n"
    "20/03/2006,HBT,Harbourline Telecom,S,600,$5.25,$24.95\n";

class TradeImportScreen : public AssetPathTest {
protected:
    void SetUp() override {
        AssetPathTest::SetUp();
        Choose(ORVANA_SAMPLE_TRADES);
    }
    // The share registration screen, its file dialog answered with `chosen`.
    void OpenRegistration() {
        State().PathWorksheet = SharesWorksheet;
        State().ContinueItem = false;
        Start(2009);
        ASSERT_EQ(Shown(), 2009);
        auto* screen = qobject_cast<TQCGT_08*>(frame->CurrentScreen());
        ASSERT_NE(screen, nullptr);
        screen->ChooseTradeList = [this] { return chosen; };
    }
    void TearDown() override {
        // A guard still polling must not act on a later test's window.
        if (guard) guard->active = false;
        AssetPathTest::TearDown();
    }

    void Choose(const std::string& path) { chosen = QString::fromStdString(path); }
    void ChooseText(const std::string& text) {
        const std::string path = dir.File("trades.csv");
        std::ofstream(path, std::ios::binary) << text;
        Choose(path);
    }
    // Once the preview opens, `act` runs on it and must close it.
    void OnPreview(std::function<void(TTradeImportDialog*)> act) {
        previewed = false;
        WhenModalOpens([this, act](QWidget* modal) {
            auto* dialog = qobject_cast<TTradeImportDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            previewed = true;
            act(dialog);
            // A test that went wrong must not leave the preview open for ever.
            if (!dialog->isVisible()) return;
            ADD_FAILURE() << "the preview was left open";
            dialog->reject();
        });
    }
    // For the paths that must open no preview: one that opens is closed, and counted.
    void NoPreviewExpected() {
        guard = std::make_shared<Guard>();
        WhenModalOpens(
            [guard = guard](QWidget* modal) {
                if (!guard->active) return;
                ++guard->opened;
                modal->close();
            },
            3000);
    }
    void ClickImport() {
        Click(Control<QPushButton>("ImportBtn"));
        BackInTheWindow();
    }
    // The offscreen platform does not give the window back its activation when a dialog
    // closes, as a desktop does.
    void BackInTheWindow() {
        if (QApplication::activeWindow() == main) return;
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    // Keys go to the preview once it has the keyboard focus.
    static bool HasFocus(TTradeImportDialog* dialog) {
        dialog->activateWindow();
        const bool focused = QTest::qWaitForWindowActive(dialog) && WaitUntil([dialog] {
                                 return dialog->isAncestorOf(QApplication::focusWidget());
                             });
        EXPECT_TRUE(focused) << "the preview never had the keyboard focus";
        return focused;
    }
    static void ClickButton(TTradeImportDialog* dialog, QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(dialog->Buttons->button(which), Qt::LeftButton);
    }
    QStringList PickList() const {
        QStringList names;
        for (int i = 0; i < frame->lstPickList->count(); ++i)
            names << frame->lstPickList->item(i)->text();
        return names;
    }
    static QString Cell(const QTableWidget* table, int row, int col) {
        const QTableWidgetItem* item = table->item(row, col);
        return item ? item->text() : QString();
    }

    struct Guard {
        bool active = true;
        int opened = 0;
    };
    std::shared_ptr<Guard> guard;
    TempDir dir;
    QString chosen;
    bool previewed = false;
};

TEST_F(TradeImportScreen, OkWritesTheMatchedParcelsAndTheWorksheetListShowsThem) {
    OpenRegistration();
    EXPECT_TRUE(Control("ImportBtn")->isVisible());
    State().StoreChanged = false;
    QStringList codes, quantities, gains, leftOut;
    QString summary;
    OnPreview([&](TTradeImportDialog* dialog) {
        SaveShotIfRequested(dialog, QStringLiteral("trade-import"));
        const QTableWidget* table = dialog->PartsTable;
        for (int r = 0; r < table->rowCount(); ++r) {
            codes << Cell(table, r, 0);
            quantities << Cell(table, r, 2);
            gains << Cell(table, r, 9);
        }
        for (int i = 0; i < dialog->LeftOutList->count(); ++i)
            leftOut << dialog->LeftOutList->item(i)->text();
        summary = dialog->SummaryLbl->text();
        // Nothing is written while the preview is open.
        EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 0);
        ClickButton(dialog, QDialogButtonBox::Ok);
    });
    ClickImport();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(codes, (QStringList{"MRD", "HBT", "HBT"}));
    EXPECT_EQ(quantities, (QStringList{"400 of 1000", "500 of 500", "100 of 300"}));
    EXPECT_EQ(gains, (QStringList{"$4,676.87", "$534.26", "$54.19"}));
    EXPECT_EQ(leftOut, (QStringList{"line 6: MRD sold 14/06/2005, outside the income year "
                                    "1/07/2005 to 30/06/2006"}));
    EXPECT_NE(summary.indexOf("3 line(s) that are not trades were skipped"), -1);

    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 3);
    EXPECT_EQ(ItemText(SharesWorksheet, 1, fAssetType), "SN");
    EXPECT_EQ(ItemText(SharesWorksheet, 3, fEventDate), "20/03/2006");
    EXPECT_EQ(PickList(),
              (QStringList{"MRD Meridian Resources 400 15/03/1998",
                           "HBT Harbourline Telecom 500 12/08/2004",
                           "HBT Harbourline Telecom 100 03/02/2005", CreateNewWorksheetEntry}));
    // Saved with the rest of the return, as every answer is.
    EXPECT_TRUE(State().StoreChanged);
    // The screen goes on with a new asset.
    EXPECT_EQ(Control<TTaxEdit>("DescEdit")->text(), "");
    EXPECT_EQ(frame->lstPickList->currentRow(), 3);
}

TEST_F(TradeImportScreen, ACashStatementIsPreviewedWithItsDerivedDatesAndWritten) {
    Choose(ORVANA_SAMPLE_STATEMENT);
    OpenRegistration();
    QStringList codes, sold, notes;
    OnPreview([&](TTradeImportDialog* dialog) {
        SaveShotIfRequested(dialog, QStringLiteral("trade-import-statement"));
        for (int r = 0; r < dialog->PartsTable->rowCount(); ++r) {
            codes << Cell(dialog->PartsTable, r, 0);
            sold << Cell(dialog->PartsTable, r, 4);
        }
        for (int i = 0; i < dialog->NotesList->count(); ++i)
            notes << dialog->NotesList->item(i)->text();
        ClickButton(dialog, QDialogButtonBox::Ok);
    });
    ClickImport();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(codes, (QStringList{"KWL", "HBT", "MRD"}));
    // Three business days before the settlement of 03/07/2006: in the income year.
    EXPECT_EQ(sold.last(), "28/06/2006");
    const QString shown = notes.join(QLatin1Char('\n'));
    EXPECT_NE(shown.indexOf("dated three business days before"), -1) << shown.toStdString();
    EXPECT_NE(shown.indexOf("sold in the income year by the trade date, after it by the "
                            "settlement date"),
              -1);
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 3);
    EXPECT_EQ(ItemText(SharesWorksheet, 3, fEventDate), "28/06/2006");
}

TEST_F(TradeImportScreen, WhatIsTypedIsStoredFirstAndCancelWritesNothing) {
    AddItem(SharesWorksheet, "Typed Parcel", {{714, "SN"}, {726, "01/02/2003"}});
    OpenRegistration();
    State().StoreChanged = false;
    OnPreview([](TTradeImportDialog* dialog) { ClickButton(dialog, QDialogButtonBox::Cancel); });
    ClickImport();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 1);
    EXPECT_FALSE(State().StoreChanged);
    EXPECT_EQ(PickList(), (QStringList{"Typed Parcel", CreateNewWorksheetEntry}));

    // What is typed must pass the screen's checks, as when choosing from the list.
    TypeInto("DescEdit", "woodside shares");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    NoPreviewExpected();
    ClickImport();
    EXPECT_EQ(guard->opened, 0);
    guard->active = false;
    EXPECT_EQ(responder->LastText(), "You must enter the acquisition date.");
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 1);
    // Then it is stored before the import.
    TypeInto("DateofAcqEdit", "01/02/2003");
    OnPreview([](TTradeImportDialog* dialog) { ClickButton(dialog, QDialogButtonBox::Ok); });
    ClickImport();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 5);
    EXPECT_EQ(ItemText(SharesWorksheet, 2, fAssetName), "Woodside Shares");
    EXPECT_EQ(ItemText(SharesWorksheet, 3, fAssetName), "MRD Meridian Resources 400 15/03/1998");
}

TEST_F(TradeImportScreen, AListThatCannotBeImportedSaysTheLineAndWritesNothing) {
    OpenRegistration();
    State().StoreChanged = false;
    ChooseText(Oversold);
    NoPreviewExpected();
    ClickImport();
    EXPECT_EQ(guard->opened, 0);
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->LastText(),
              "The trade list trades.csv cannot be imported.\rLine 3: a sale of 600 HBT when "
              "only 500 are held.\rNothing was written.");
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 0);
    EXPECT_FALSE(State().StoreChanged);

    Choose(dir.File("missing.csv"));
    ClickImport();
    EXPECT_EQ(guard->opened, 0);
    EXPECT_NE(responder->LastText().find("The trade list missing.csv cannot be read"),
              std::string::npos);
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 0);
}

// A corporate action opens the preview with nothing to write; the security typed under
// "Exclude securities" mends it, and one typed under "Active securities" makes its shares
// active assets. All by keyboard.
TEST_F(TradeImportScreen, ACorporateActionIsExcludedInThePreviewAndActiveSharesMarked) {
    OpenRegistration();
    ChooseText(
        "Trade Date,ASX Code,Company,Buy/Sell,Quantity,Price,Brokerage\n"
        "12/08/2004,HBT,Harbourline Telecom,B,500,$4.10,$19.95\n"
        "01/02/2005,WOW,Woolara Stores,B,100,$10.00,$19.95\n"
        "01/09/2005,WOW,Woolara Stores,Share Split 2:1,100,,\n"
        "20/03/2006,HBT,Harbourline Telecom,S,300,$5.25,$24.95\n");
    const size_t messages = responder->Count();
    QString stopped, unknown;
    bool okBefore = true;
    int rows = 0;
    QStringList leftOut;
    OnPreview([&](TTradeImportDialog* dialog) {
        okBefore = dialog->Buttons->button(QDialogButtonBox::Ok)->isEnabled();
        stopped = dialog->SummaryLbl->text();
        if (!HasFocus(dialog)) return;
        EXPECT_EQ(Focused(), dialog->ExcludeEdit);
        QTest::keyClicks(Focused(), "wow");
        rows = dialog->PartsTable->rowCount();
        for (int i = 0; i < dialog->LeftOutList->count(); ++i)
            leftOut << dialog->LeftOutList->item(i)->text();
        QTest::keyClick(Focused(), Qt::Key_A, Qt::AltModifier);
        EXPECT_EQ(Focused(), dialog->ActiveEdit);
        QTest::keyClicks(Focused(), "hbt, xyz");
        unknown = dialog->SummaryLbl->text();
        SaveShotIfRequested(dialog, QStringLiteral("trade-import-exclude"));
        QTest::keyClick(Focused(), Qt::Key_Return);
    });
    ClickImport();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(responder->Count(), messages);  // the preview said it, no message box
    EXPECT_FALSE(okBefore);
    EXPECT_EQ(stopped,
              "Nothing can be written until the security is excluded. Line 4: WOW: a corporate "
              "action (Share Split 2:1) is not supported; enter it by hand, or exclude the "
              "security to import the rest.");
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(leftOut, (QStringList{"line 3: WOW excluded", "line 4: WOW excluded"}));
    EXPECT_TRUE(unknown.endsWith("No line of the list names XYZ.")) << unknown.toStdString();
    ASSERT_EQ(WorksheetItemCount(SharesWorksheet), 1);
    EXPECT_EQ(ItemText(SharesWorksheet, 1, fAssetName), "HBT Harbourline Telecom 300 12/08/2004");
    EXPECT_EQ(ItemText(SharesWorksheet, 1, fAssetType), "SA");
}

TEST_F(TradeImportScreen, ASecondImportOfTheListAsksToReplaceTheFirst) {
    OpenRegistration();
    OnPreview([](TTradeImportDialog* dialog) { ClickButton(dialog, QDialogButtonBox::Ok); });
    ClickImport();
    ASSERT_EQ(WorksheetItemCount(SharesWorksheet), 3);

    // No: nothing more happens.
    State().StoreChanged = false;
    responder->Answer(mrNo);
    NoPreviewExpected();
    ClickImport();
    EXPECT_EQ(guard->opened, 0);
    guard->active = false;
    EXPECT_EQ(responder->LastText(),
              "The trades of sample-trades.csv were imported before (3 worksheet(s)).\rDo you "
              "want to replace the earlier import?");
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 3);
    EXPECT_FALSE(State().StoreChanged);

    // Yes: the preview says what goes, OK replaces the three items with the list again.
    responder->Answer(mrYes);
    QStringList notes;
    OnPreview([&](TTradeImportDialog* dialog) {
        for (int i = 0; i < dialog->NotesList->count(); ++i)
            notes << dialog->NotesList->item(i)->text();
        EXPECT_TRUE(dialog->NotesList->isVisibleTo(dialog));
        dialog->MethodCombo->setCurrentIndex(1);  // last in, first out
        ClickButton(dialog, QDialogButtonBox::Ok);
    });
    ClickImport();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(notes,
              (QStringList{"OK first deletes the 3 worksheet(s) of the earlier import of this "
                           "list."}));
    EXPECT_EQ(PickList(),
              (QStringList{"MRD Meridian Resources 400 15/03/1998",
                           "HBT Harbourline Telecom 300 03/02/2005",
                           "HBT Harbourline Telecom 300 12/08/2004", CreateNewWorksheetEntry}));
}

TEST_F(TradeImportScreen, KeyboardAloneChoosesTheMethodAndWritesOrCancels) {
    OpenRegistration();
    Control("DescEdit")->setFocus();
    QStringList stops;  // the dialog's controls that Tab reached, by name or text
    QString secondRow;
    OnPreview([&](TTradeImportDialog* dialog) {
        if (!HasFocus(dialog)) return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        EXPECT_EQ(Focused(), dialog->MethodCombo);
        QTest::keyClick(Focused(), Qt::Key_Down);
        secondRow = Cell(dialog->PartsTable, 1, 2) + " " + Cell(dialog->PartsTable, 1, 3);
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            auto* button = qobject_cast<QPushButton*>(Focused());
            stops << (button ? button->text() : Focused()->objectName());
        }
        // Back on the table, Enter takes the default button.
        QTest::keyClick(Focused(), Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(Focused(), dialog->PartsTable);
        QTest::keyClick(Focused(), Qt::Key_Return);
    });
    // Alt+I presses the button once its press is drawn.
    QTest::keyClick(Focused(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return WorksheetItemCount(SharesWorksheet) == 3; }));
    BackInTheWindow();
    EXPECT_EQ(secondRow, "300 of 300 03/02/2005");  // last in, first out
    EXPECT_EQ(ItemText(SharesWorksheet, 2, fAssetName), "HBT Harbourline Telecom 300 03/02/2005");
    for (const char* stop : {"PartsTable", "LeftOutList", "OK", "Cancel"})
        EXPECT_TRUE(stops.contains(stop)) << stop << ": " << stops.join(' ').toStdString();
    // No notes: the empty list is not shown, nor stopped at.
    EXPECT_FALSE(stops.contains("NotesList"));

    // Esc closes the preview and writes nothing.
    State().StoreChanged = false;
    responder->Answer(mrYes);
    OnPreview([](TTradeImportDialog* dialog) {
        if (!HasFocus(dialog)) return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    Control("DescEdit")->setFocus();
    QTest::keyClick(Focused(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return previewed && !QApplication::activeModalWidget(); }));
    EXPECT_EQ(WorksheetItemCount(SharesWorksheet), 3);
    EXPECT_FALSE(State().StoreChanged);
}

TEST_F(TradeImportScreen, EveryControlOfThePreviewIsNamedForAScreenReader) {
    OpenRegistration();
    EXPECT_EQ(Control("ImportBtn")->accessibleName(), "Import trades");
    EXPECT_FALSE(Control("ImportBtn")->accessibleDescription().isEmpty());
    // A list without a header row: nothing to match, OK is off and the message says why.
    TTradeImportDialog dialog("Date,Amount\n", "empty.csv", 0);
    EXPECT_EQ(responder->LastText().rfind(
                  "The trades cannot be matched by \"First in, first out\".\rno header row", 0),
              0u)
        << responder->LastText();
    EXPECT_FALSE(dialog.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
    QList<QWidget*> controls = {dialog.MethodCombo, dialog.ActiveEdit,  dialog.ExcludeEdit,
                                dialog.PartsTable,  dialog.LeftOutList, dialog.NotesList,
                                dialog.SummaryLbl};
    for (QAbstractButton* button : dialog.Buttons->buttons()) controls << button;
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        if (control == dialog.SummaryLbl) continue;
        EXPECT_FALSE(control->accessibleDescription().isEmpty())
            << control->accessibleName().toStdString();
    }
    // Help opens the registration topic at the import's section.
    dialog.Buttons->button(QDialogButtonBox::Help)->click();
    ASSERT_NE(State().HelpViewer, nullptr);
    EXPECT_EQ(State().HelpViewer->CurrentPage().context, 16);
    EXPECT_TRUE(State().HelpViewer->Browser()->toPlainText().contains(
        "Importing shares from your broker's trade list"));
    CloseHelpViewer();

    // The registration of other assets has no import.
    State().PathWorksheet = 454;
    Start(2035);
    EXPECT_FALSE(Control("ImportBtn")->isVisibleTo(frame->CurrentScreen()));
}

}  // namespace
