#pragma once
// What a screen reader gets from a text label: a static text whose words and lines can be
// read through the text interface, with each link as a child that can be pressed.

class QAccessibleInterface;
class QObject;
class QString;

// Installed once by the first text label; answers for TTextLbl objects only.
QAccessibleInterface* TextLabelAccessibleFactory(const QString& className, QObject* object);
