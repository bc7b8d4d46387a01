#pragma once
// What the interview window asks of the window it sits in (the module's main window), so
// the interview never depends on the layer above it.

class QObject;

class InterviewHost {
public:
    virtual ~InterviewHost() = default;
    // The close check; false (after telling the taxpayer) while a section must be completed.
    virtual bool CloseQuery(QObject* sender) = 0;
    // After an allowed close: tells the host program who asked for it.
    virtual void Closed(QObject* requester) = 0;
    virtual void ShowHelpdeskButtons() = 0;
    // Alt+F4 in help-desk mode: leave the module as its exit message does.
    virtual void RequestExit() = 0;
};
