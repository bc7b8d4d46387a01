#pragma once
// The entry field of the interview screens: amounts, dates, percentages, identifiers and
// free text. Keys are filtered as they are typed, display formatting is stripped while the
// field has the focus, and leaving validates and reformats; a refused leave keeps the focus.

#include <QLineEdit>

#include "controls/core/tax_edit_defaults.h"
#include "controls/core/tax_edit_rules.h"

class QMenu;

class TTaxEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(QString ValidChars READ validChars WRITE setValidChars)
    Q_PROPERTY(bool Validate READ validate WRITE setValidate)
    Q_PROPERTY(double MinVal READ minVal WRITE setMinVal)
    Q_PROPERTY(double MaxVal READ maxVal WRITE setMaxVal)
    Q_PROPERTY(bool Mandatory READ mandatory WRITE setMandatory)
    Q_PROPERTY(bool UseRounding READ useRounding WRITE setUseRounding)
    Q_PROPERTY(bool CapitaliseWords READ capitaliseWords WRITE setCapitaliseWords)
    Q_PROPERTY(bool ChangeFocusColor READ changeFocusColor WRITE setChangeFocusColor)
    // The alignment of the unfocused display; while focused the text is always left-aligned.
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    // 0 means no limit, as in the screen definitions.
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    // Forms name the enumerators through the class (TTaxEdit::ntCurrency).
    using enum TNumericType;
    using enum TMervoDataType;

    explicit TTaxEdit(QWidget* parent = nullptr);

    TNumericType NumericType() const { return settings_.type; }
    TNumericType numericType() const { return settings_.type; }
    void setNumericType(TNumericType type);
    // Applies the type's defaults even when the type is already set.
    void ForceNumericType(TNumericType type);
    TMervoDataType mervoDataType() const { return mervoDataType_; }
    void setMervoDataType(TMervoDataType format);

    int decimals() const { return settings_.decimals; }
    void setDecimals(int decimals);
    QString validChars() const { return validChars_; }
    void setValidChars(const QString& chars);
    bool validate() const { return settings_.validate; }
    void setValidate(bool on) { settings_.validate = on; }
    double minVal() const { return static_cast<double>(settings_.minVal); }
    void setMinVal(double value) { settings_.minVal = value; }
    double maxVal() const { return static_cast<double>(settings_.maxVal); }
    void setMaxVal(double value) { settings_.maxVal = value; }
    bool mandatory() const { return settings_.mandatory; }
    void setMandatory(bool on) { settings_.mandatory = on; }
    bool useRounding() const { return settings_.useRounding; }
    void setUseRounding(bool on) { settings_.useRounding = on; }
    bool capitaliseWords() const { return settings_.capitaliseWords; }
    void setCapitaliseWords(bool on) { settings_.capitaliseWords = on; }
    bool changeFocusColor() const { return changeFocusColor_; }
    void setChangeFocusColor(bool on) { changeFocusColor_ = on; }
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    int maxLength() const { return QLineEdit::maxLength(); }
    void setMaxLength(int length);

    // Accepted from screen definitions; no date range is checked from them.
    bool validateDate() const { return validateDate_; }
    void setValidateDate(bool on) { validateDate_ = on; }
    double minDate() const { return minDate_; }
    void setMinDate(double date) { minDate_ = date; }
    double maxDate() const { return maxDate_; }
    void setMaxDate(double date) { maxDate_ = date; }

    // Reading also moves a trailing minus to the front of the text ("12-" becomes "-12").
    long double NumValue();
    void SetNumValue(long double value);
    // The text write of the field binding: amounts are parsed and reformatted.
    void SetTextValue(const QString& text);
    double DateValue() const { return dateValue_; }
    void SetDateValue(double date);
    // A key was typed since the field was entered.
    bool Typed() const { return typed_; }

    // The spoken hint of entry fields for screen-reader users.
    static QString AdditionalInfoHint();
    // The edit menu, with its paste going through the key filter.
    QMenu* CreateContextMenu();

    static QColor FocusColor() { return {251, 230, 153}; }

signals:
    void entered();
    void exited();  // only when a leave completes

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TaxEditSettings Settings() const;
    FieldContent Content() const;
    void Apply(const FieldContent& content);
    void ApplyFromOutside(FieldContent content);
    void ApplyDefaults(const FieldDefaults& defaults);
    void Reformat();
    void Enter();
    void CompleteLeave(QFocusEvent* event, const FieldContent& content, bool accepted = true);
    void RefuseLeave(const LeaveOutcome& outcome, Qt::FocusReason reason);
    bool CanKeepFocus() const;
    void SwallowPendingClick();
    // Runs one typed or pasted character through the key filter; false when it was refused.
    bool TypeCharacter(QChar character);
    void InsertFiltered(const QString& text);
    void PasteFiltered();
    void ShowWholeDollarsHint();
    void SetColours(const QColor& background);
    void PaintUnfocused();

    TaxEditSettings settings_;
    TMervoDataType mervoDataType_ = atNone;
    QString validChars_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    bool changeFocusColor_ = true;
    bool validateDate_ = false;
    double minDate_ = 0, maxDate_ = 0;

    long double value_ = 0;
    double dateValue_ = 0;
    QString textBeforeEntry_;
    bool typed_ = false;
    CentsFilter cents_;
    bool editing_ = false;  // entered and not yet left
    bool leaving_ = false;  // inside the leave sequence (a message box may be up)
};
