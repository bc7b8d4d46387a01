// The texts of every built screen: the label does not wrap, so each line must fit its label
// and each label its screen; help links must lead to written topics and variables must exist.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScrollArea>
#include <memory>

#include "controls/treviewlabel.h"
#include "controls/ttextlbl.h"
#include "interview/core/screen_table.h"
#include "interview/screen_catalogue.h"
#include "interview/tchildform.h"
#include "module/build_text_variables.h"
#include "platform/help_library.h"
#include "store_fixture.h"

namespace {
bool IsVariable(const std::string& name) {
    for (const auto& [known, value] : State().Variables.Entries())
        if (SameTextIgnoringCase(known, name)) return true;
    return false;
}

bool InScrollBox(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QScrollArea*>(up)) return true;
    return false;
}
}  // namespace

using ScreenTextsTest = StoreTest;

TEST_F(ScreenTextsTest, EveryLineFitsAndEveryLinkAndVariableLeadsSomewhere) {
    BuildTextVariables();
    static const QRegularExpression variable(QStringLiteral("<(@[A-Za-z0-9_]+)>"));
    int labels = 0;
    for (const ScreenEntry& entry : ScreenTable()) {
        std::unique_ptr<TChildForm> screen(CreateScreen(entry.number));
        if (!screen) continue;
        for (TTextLbl* label : screen->findChildren<TTextLbl*>()) {
            if (label == screen->ReviewBanner()) continue;
            ++labels;
            SCOPED_TRACE(entry.number);
            SCOPED_TRACE(label->objectName().toStdString());
            for (const QString& line : label->text()) {
                for (const auto& match : variable.globalMatch(line)) {
                    EXPECT_TRUE(IsVariable(match.captured(1).toStdString()))
                        << match.captured(1).toStdString();
                }
            }

            label->UpdateLayout();
            const MarkupPlan& plan = label->layoutPlan();
            for (const MarkupRun& run : plan.runs) {
                EXPECT_LE(run.x + run.width, label->width()) << run.text;
            }
            for (const TJump& jump : label->jumps()) {
                EXPECT_FALSE(HelpTopicHtml(HelpTopicSet::Module, jump.JumpID).isEmpty())
                    << jump.text << " -> " << jump.JumpID;
            }
            // Outside a scroll box nothing may fall below the screen area.
            if (!InScrollBox(label)) {
                EXPECT_LE(label->mapTo(screen.get(), QPoint(0, plan.endY)).y(), screen->height());
            }
        }
    }
    EXPECT_GE(labels, 1);
}
