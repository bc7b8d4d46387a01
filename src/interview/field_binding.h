#pragma once
// Loads a screen's bound controls from the field store and saves them back. A control is
// bound when its dynamic property "tag" is a field number from 1 to 2312; the walk goes
// through the screen's controls in creation order.

#include <QWidget>
#include <functional>

class TTextLbl;

using JumpHandler = std::function<void(TTextLbl* sender, int jumpId, const QString& url)>;

int BoundField(const QObject* control);  // 0 when not bound

void LoadScreenFields(QWidget* screen, const JumpHandler& linkHandler);
void SaveScreenFields(QWidget* screen);

// The caption a label bound to a money field shows.
QString CurrencyLabelText(long double value, bool withCents);
