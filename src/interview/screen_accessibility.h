#pragma once
// What a screen reader needs from every interview screen, done once here for all of them:
// each input control named by the label beside or above it, its hint as a plain description,
// the screen named after its question; in the screen-reader mode F8 in an entry field reads
// the field's hint.

#include <QString>
#include <QWidget>

class TTextLbl;

// Names the screen's controls; run each time the screen's fields are loaded.
void NameScreenControls(QWidget* screen, bool visionImpaired);

// The label that names a control: the nearest one on its left in the same row, else the
// nearest one just above it; null when there is none.
QWidget* NamingLabel(const QWidget* control, const QWidget* screen);

// The screen's question: the top-most text label placed directly on it.
TTextLbl* QuestionLabel(const QWidget* screen);

// A hint as a screen reader should hear it: markup removed, the part before "|".
QString PlainHint(const QString& hint);
