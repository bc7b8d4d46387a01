#pragma once
// The base of the screens of an asset path after registration. Each reopens the path's
// item, carries a hidden entry field that keeps the item from being discarded when every
// visible field is blank, hides the worksheet panel, names the asset, and registers its
// leave check and Next step.

#include <initializer_list>
#include <string>

#include "interview/tchildform.h"

class QLabel;
class TTaxEdit;

// Tells the taxpayer, focuses `focus` and keeps the screen (a leave check's refusal).
void RefuseWith(TChildForm* screen, const std::string& message, QWidget* focus);

// A leave check names where the focus goes by a number of its own; a screen maps each
// number to one of its controls.
struct FocusTarget {
    int target;
    QWidget* control;
};
using FocusTable = std::initializer_list<FocusTarget>;
// The control `table` gives for `target`; none when the table does not list it.
QWidget* FocusFor(int target, FocusTable table);
// RefuseWith, focusing the control `table` gives for `target`.
void RefuseWith(TChildForm* screen, const std::string& message, int target, FocusTable table);

class TAssetScreen : public TChildForm {
    Q_OBJECT
public:
    explicit TAssetScreen(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormShow() override;

    // The worksheet of the path this screen serves.
    static int Worksheet();
    // Opens the item the path is on: the chosen one when continuing, else the first.
    static void OpenPathItem();
    // Runs the screen's checks: not when going back, and not for an item without a name.
    static bool ChecksApply();

    TTaxEdit* KeepItemField() const { return keepItem_; }

protected:
    // The screen's own rules; call Refuse() to keep the screen.
    virtual void CheckLeave() {}
    // Moves the screen index on; the default is the next screen.
    virtual void StepNext();
    // Tells the taxpayer, focuses `focus` and keeps the screen.
    void Refuse(const std::string& message, QWidget* focus);
    void Refuse(const std::string& message, int target, FocusTable table);
    // An event dated outside the income year: asks whether to go on. No keeps the screen
    // with the focus in `eventDate`; true when leaving may go on.
    bool ConfirmEventInYear(TTaxEdit* eventDate);
    // The text of the label naming the asset when no asset is named; empty hides it.
    virtual QString NoAssetText() const { return {}; }

private:
    void ShowAssetName();
    TTaxEdit* keepItem_ = nullptr;
};
