#pragma once
// The module's main and interview windows on the offscreen platform, with small test
// screens in place of the real ones and a host object that records the posted messages.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "base/module_state.h"
#include "controls/ttaxedit.h"
#include "gui_test_util.h"
#include "interview/core/screen_table.h"
#include "interview/tchildform.h"
#include "interview/tframewnd.h"
#include "module/tmainform.h"
#include "scripted_responder.h"
#include "store/field_store.h"

// Receives the module's 1131 and 1132 as a host does.
class RecordingHost : public QObject {
public:
    std::vector<int> messages;

protected:
    bool event(QEvent* event) override {
        const int type = static_cast<int>(event->type());
        if (type == MsgInterviewFinished || type == MsgModuleClosed) {
            messages.push_back(type);
            return true;
        }
        return QObject::event(event);
    }
};

// A screen whose buttons, hooks and controls each test chooses.
class ProbeScreen : public TChildForm {
public:
    explicit ProbeScreen(unsigned buttons) {
        resize(620, 470);
        setShowNextButton(buttons & sbNext);
        setShowPrevButton(buttons & sbPrev);
        setShowYesButton(buttons & sbYes);
        setShowNoButton(buttons & sbNo);
    }
    void FormShow() override {
        ++shows;
        if (onShow) onShow(this);
    }
    std::function<void(ProbeScreen*)> onShow;
    int shows = 0;

    TTaxEdit* AddEdit(int field, TNumericType type, int top) {
        auto* edit = new TTaxEdit(this);
        edit->setNumericType(type);
        edit->setGeometry(200, top, 120, 22);
        edit->setProperty("tag", field);
        return edit;
    }
};

class InterviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        AllocateFieldStore();
        State().CurrentYearOverride = 2026;
        responder = std::make_unique<ScriptedResponder>();
        beeps = std::make_unique<BeepCounter>();
        State().HostNotifyWindow = &host;
        State().ExtraScreenFactory = [this](int number) -> TChildForm* {
            const auto it = screens.find(number);
            if (it == screens.end()) return nullptr;
            auto* screen = new ProbeScreen(it->second.buttons);
            screen->setWindowTitle(QStringLiteral("Screen title %1").arg(number));
            screen->setHelpContext(number);
            created.push_back(screen);
            if (it->second.build) it->second.build(screen);
            return screen;
        };
    }

    void TearDown() override {
        delete main;
        ResetModuleState();
    }

    // Serves `number` with a probe screen; `build` adds controls and hooks.
    void Serve(int number, unsigned buttons = sbNext | sbPrev,
               std::function<void(ProbeScreen*)> build = {}) {
        screens[number] = {buttons, std::move(build)};
    }

    void OpenWindows(const QStringList& arguments = {}) {
        main = new TMainForm(nullptr, arguments);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        frame = main->FrameWnd();
    }

    void Start(int number) {
        if (!main) OpenWindows();
        State().ScreenGroup = number / 100;
        State().ScreenIndex = number % 100;
        frame->ShowScreen();
    }

    int Shown() const { return ScreenNumber(State().ScreenGroup, State().ScreenIndex); }
    ProbeScreen* Current() const { return static_cast<ProbeScreen*>(frame->CurrentScreen()); }

    void Click(QPushButton* button) {
        ASSERT_FALSE(button->isHidden()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // Lets posted messages (1027, 1131, 1132) arrive.
    void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    struct ScreenSpec {
        unsigned buttons;
        std::function<void(ProbeScreen*)> build;
    };
    std::map<int, ScreenSpec> screens;
    std::vector<TChildForm*> created;
    RecordingHost host;
    std::unique_ptr<ScriptedResponder> responder;
    std::unique_ptr<BeepCounter> beeps;
    TMainForm* main = nullptr;
    TFrameWnd* frame = nullptr;
};
