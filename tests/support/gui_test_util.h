#pragma once
// Small helpers for widget tests.

#include <QString>
#include <QWidget>
#include <functional>

// Runs queued events until the predicate holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& predicate, int timeoutMs = 2000);

// Once a new modal window is active, runs the action on it (polling, so a slow machine that opens
// the window late does not leave it open for ever); gives up after the time.
void WhenModalOpens(const std::function<void(QWidget*)>& action, int timeoutMs = 10000);

// Saves an offscreen grab of the widget when ORVANA_SHOTS names a folder (for looking at).
void SaveShotIfRequested(QWidget* widget, const QString& name);
