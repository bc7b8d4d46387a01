// The texts of every built screen: the label does not wrap, so each line must fit its label
// and each label its screen, without overlapping another; help links must lead to written
// topics, variables must exist and the income year is never spelled out.

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
    // The income year is never spelled out: texts use the year variables.
    static const QRegularExpression incomeYear(QStringLiteral("\\b200[56]\\b"));
    int labels = 0;
    for (const ScreenEntry& entry : ScreenTable()) {
        std::unique_ptr<TChildForm> screen(CreateScreen(entry.number));
        if (!screen) continue;
        SCOPED_TRACE(entry.number);
        EXPECT_FALSE(HelpTopicHtml(HelpTopicSet::Module, screen->HelpContext()).isEmpty());
        std::vector<QRect> placed;
        for (TTextLbl* label : screen->findChildren<TTextLbl*>()) {
            if (label == screen->ReviewBanner()) continue;
            ++labels;
            SCOPED_TRACE(label->objectName().toStdString());
            for (const QString& line : label->text()) {
                EXPECT_FALSE(incomeYear.match(line).hasMatch()) << line.toStdString();
                for (const auto& match : variable.globalMatch(line)) {
                    EXPECT_TRUE(IsVariable(match.captured(1).toStdString()))
                        << match.captured(1).toStdString();
                }
            }

            label->UpdateLayout();
            const MarkupPlan& plan = label->layoutPlan();
            EXPECT_EQ(plan.unreadableCommands, 0);
            EXPECT_FALSE(plan.variableNotLastInTag);
            for (const MarkupRun& run : plan.runs) {
                EXPECT_LE(run.x + run.width, label->width()) << run.text;
            }
            if (label->parentWidget() == screen.get()) {
                for (const QRect& other : placed) EXPECT_FALSE(other.intersects(label->geometry()));
                placed.push_back(label->geometry());
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
