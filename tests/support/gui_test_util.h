#pragma once
// Small helpers for widget tests.

#include <QString>
#include <QWidget>
#include <functional>

// Runs queued events until the predicate holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& predicate, int timeoutMs = 2000);

// Saves an offscreen grab of the widget when ORVANA_SHOTS names a folder (for looking at).
void SaveShotIfRequested(QWidget* widget, const QString& name);
