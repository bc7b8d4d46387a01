#include "controls/text_label_links.h"

#include <QAccessible>
#include <QKeyEvent>
#include <algorithm>

#include "controls/ttextlbl.h"
#include "platform/accessibility_events.h"
#include "platform/shell_open.h"

namespace {

constexpr const char* FocusedLinkProperty = "focusedLink";

bool InRange(TTextLbl* label, int ordinal) {
    return ordinal >= 0 && ordinal < static_cast<int>(LabelLinks(label).size());
}

template <typename Each>
void ForRunsOf(TTextLbl* label, int ordinal, Each each) {
    const std::vector<LinkRef> links = LabelLinks(label);
    if (ordinal < 0 || ordinal >= static_cast<int>(links.size())) return;
    for (const MarkupRun& run : label->layoutPlan().runs)
        if (run.BelongsTo(links[static_cast<size_t>(ordinal)])) each(run);
}

void FocusLink(TTextLbl* label, int ordinal) {
    label->setProperty(FocusedLinkProperty, ordinal);
    if (!AccessibilityHeard()) return;
    QAccessibleEvent focus(label, QAccessible::Focus);
    focus.setChild(ordinal);
    SendAccessibilityEvent(&focus);
}

class LinkKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<TTextLbl*>(watched);
        switch (event->type()) {
            case QEvent::FocusIn:
                Entered(label, static_cast<QFocusEvent*>(event)->reason());
                break;
            case QEvent::FocusOut:
                label->setProperty(FocusedLinkProperty, -1);
                break;
            case QEvent::KeyPress:
                return KeyPressed(label, static_cast<QKeyEvent*>(event));
            default:
                break;
        }
        return false;
    }

private:
    static void Entered(TTextLbl* label, Qt::FocusReason reason) {
        // Focus given otherwise (a new screen's question) reads the label, not a link.
        const int count = static_cast<int>(LabelLinks(label).size());
        if (count > 0 && reason == Qt::TabFocusReason) FocusLink(label, 0);
        if (count > 0 && reason == Qt::BacktabFocusReason) FocusLink(label, count - 1);
    }

    static bool KeyPressed(TTextLbl* label, QKeyEvent* key) {
        const int current = FocusedLabelLink(label);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier &&
            InRange(label, current + 1)) {
            FocusLink(label, current + 1);
            return true;
        }
        if (key->key() == Qt::Key_Backtab && current > 0) {
            FocusLink(label, current - 1);
            return true;
        }
        const bool follow = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                            key->key() == Qt::Key_Space;
        if (follow && modifiers == Qt::NoModifier && InRange(label, current)) {
            // Nothing may touch the label after this: a handler may close the screen.
            FollowLabelLink(label, current);
            return true;
        }
        return false;
    }
};

}  // namespace

std::vector<LinkRef> LabelLinks(TTextLbl* label) {
    std::vector<LinkRef> links;
    auto add = [&links](LinkType type, int index) {
        const LinkRef link{type, index};
        if (index >= 0 && std::find(links.begin(), links.end(), link) == links.end())
            links.push_back(link);
    };
    for (const MarkupRun& run : label->layoutPlan().runs) {
        add(LinkType::Jump, run.jump);
        add(LinkType::Screen, run.screenLink);
        add(LinkType::Hyperlink, run.hyperlink);
    }
    return links;
}

QString LabelLinkText(TTextLbl* label, int ordinal) {
    QStringList words;
    ForRunsOf(label, ordinal, [&words](const MarkupRun& run) {
        words << QString::fromStdString(run.text).trimmed();
    });
    return words.join(QLatin1Char(' ')).simplified();
}

QRect LabelLinkRect(TTextLbl* label, int ordinal) {
    QRect area;
    ForRunsOf(label, ordinal, [&area](const MarkupRun& run) {
        area |= QRect(run.x, run.y, run.width, run.height);
    });
    return area;
}

void FollowLabelLink(TTextLbl* label, const LinkRef& link) {
    // Copied first: a handler may change the text or close the screen.
    const MarkupPlan& plan = label->layoutPlan();
    const auto index = static_cast<size_t>(link.index);
    switch (link.type) {
        case LinkType::Jump: {
            const int id = plan.jumps.at(index).JumpID;
            if (label->OnJumpClick) label->OnJumpClick(label, id, QString());
            break;
        }
        case LinkType::Screen: {
            const int id = plan.screenLinks.at(index).ScreenID;
            if (label->OnScreenClick) label->OnScreenClick(label, id);
            break;
        }
        case LinkType::Hyperlink:
            ShellOpen(QString::fromStdString(plan.hyperlinks.at(index).target));
            break;
    }
}

void FollowLabelLink(TTextLbl* label, int ordinal) {
    const std::vector<LinkRef> links = LabelLinks(label);
    if (ordinal >= 0 && ordinal < static_cast<int>(links.size()))
        FollowLabelLink(label, links[static_cast<size_t>(ordinal)]);
}

int FocusedLabelLink(const TTextLbl* label) {
    const QVariant value = label->property(FocusedLinkProperty);
    return label->hasFocus() && value.isValid() ? value.toInt() : -1;
}

QString LabelReadableText(TTextLbl* label) {
    QStringList shown;
    for (const std::string& line : label->layoutPlan().plainTextLines)
        if (!line.empty()) shown << QString::fromStdString(line).trimmed();
    return shown.join(QLatin1Char('\n'));
}

void HandleLinkKeys(TTextLbl* label) {
    static LinkKeys* const keys = new LinkKeys;
    label->installEventFilter(keys);
}
