#include "interview/storing_next.h"

#include "interview/interview_steps.h"
#include "interview/tframewnd.h"

void RegisterStoringNext(TFrameWnd* frame, std::function<bool()> leaves,
                         std::function<void()> store) {
    if (!frame) return;
    frame->SetNextHandler([leaves = std::move(leaves), store = std::move(store)](QObject*) {
        if (leaves()) store();
        StepScreenIndex(1);
    });
}
