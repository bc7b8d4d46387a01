#pragma once
// What a screen reader gets from the navigator: a list named "Navigator" whose entries are
// list items with their captions, the entry of the current screen selected.

class QAccessibleInterface;
class QObject;
class QString;

// Installed once by the first navigator tree; answers for TNavigatorTreeView objects only.
QAccessibleInterface* NavigatorAccessibleFactory(const QString& className, QObject* object);
