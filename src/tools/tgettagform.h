#pragma once
// The help-desk "Get Tag" window: reads and overwrites any field of the store by number,
// whatever screen is shown. It stays on top of the module's windows and is kept when closed.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TGetTagForm : public QDialog {
    Q_OBJECT
public:
    explicit TGetTagForm(QWidget* owner);

    // Shows the window, or brings it to the front when it is already up.
    void Present();

    QLineEdit* TagEdit = nullptr;
    QLineEdit* ValueEdit = nullptr;
    QCheckBox* ValueCheck = nullptr;
    QGroupBox* DataTypeGroup = nullptr;
    QPushButton* BtnGet = nullptr;
    QPushButton* BtnSet = nullptr;
    QPushButton* BtnClose = nullptr;
    QCheckBox* RefreshCheck = nullptr;

    // The radio button of a field type code; "Undefined" for codes without one.
    QRadioButton* TypeButton(int type) const;

    void BtnGetClick();
    void BtnSetClick();

signals:
    // Around every write, so that the screen on show neither loses what was typed into it
    // nor writes its older value back over the new one.
    void StoreAboutToChange();
    void StoreWritten();

private:
    void BuildControls();
    void ShowTick(int field, bool shown);
    void ShowInvalidTag();

    QList<QRadioButton*> typeButtons_;
    int tickField_ = 0;  // the field whose tick is on show, 0 when none
};
