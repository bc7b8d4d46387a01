#include "platform/help_library.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

#include "base/module_state.h"

// Outside any namespace, as the resource initialiser is declared where it is named. The topics
// live in a static library, whose resource object is linked in only when named.
static void LoadHelpResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)loaded;
}

namespace {

QString SetFolder(HelpTopicSet set) {
    return set == HelpTopicSet::Module ? QStringLiteral(":/help/cgt/")
                                       : QStringLiteral(":/help/main/");
}

QString ReadResource(const QString& path) {
    LoadHelpResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QList<int> WrittenContexts(HelpTopicSet set) {
    LoadHelpResources();
    QList<int> contexts;
    const QStringList names = QDir(SetFolder(set)).entryList({QStringLiteral("*.html")});
    for (const QString& name : names) {
        bool number = false;
        const int context = name.chopped(5).toInt(&number);
        if (number && context > 0) contexts << context;
    }
    return contexts;
}

QString PlainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

QString Page(const QString& title, const QString& body) {
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1>%2</body></html>")
        .arg(title.toHtmlEscaped(), body);
}

QString EntryList(const QList<HelpIndexEntry>& entries) {
    QString list = QStringLiteral("<ul>");
    for (const HelpIndexEntry& entry : entries) {
        list += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>")
                    .arg(entry.context)
                    .arg(entry.title.toHtmlEscaped());
    }
    return list + QStringLiteral("</ul>");
}

void SortByTitle(QList<HelpIndexEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
}
}  // namespace

QString HelpTopicHtml(HelpTopicSet set, int context) {
    if (context <= 0) return {};
    return ReadResource(SetFolder(set) + QString::number(context) + QStringLiteral(".html"));
}

QString HelpContentsHtml(HelpTopicSet set) {
    return ReadResource(SetFolder(set) + QStringLiteral("contents.html"));
}

QList<HelpIndexEntry> HelpIndex(HelpTopicSet set) {
    QList<HelpIndexEntry> entries;
    for (const int context : WrittenContexts(set)) {
        entries.append({HelpPageTitle(HelpTopicHtml(set, context)), context});
    }
    SortByTitle(entries);
    return entries;
}

QList<HelpIndexEntry> SearchHelp(HelpTopicSet set, const QString& query) {
    const QStringList words =
        query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<HelpIndexEntry> found;
    if (words.isEmpty()) return found;
    for (const int context : WrittenContexts(set)) {
        const QString html = HelpTopicHtml(set, context);
        const QString text = PlainText(html);
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return text.contains(word, Qt::CaseInsensitive);
        });
        if (all) found.append({HelpPageTitle(html), context});
    }
    SortByTitle(found);
    return found;
}

QString HelpIndexHtml(HelpTopicSet set) {
    return Page(QStringLiteral("Index"), EntryList(HelpIndex(set)));
}

QString HelpSearchHtml(HelpTopicSet set, const QString& query) {
    const QList<HelpIndexEntry> found = SearchHelp(set, query);
    const QString heading =
        QStringLiteral("<p>Topics containing <b>%1</b>:</p>").arg(query.trimmed().toHtmlEscaped());
    if (found.isEmpty()) {
        return Page(QStringLiteral("Search"),
                    heading + QStringLiteral("<p>No topic contains all of these words. Try "
                                             "fewer words, or look in the "
                                             "<a href=\"index\">Index</a>.</p>"));
    }
    return Page(QStringLiteral("Search"), heading + EntryList(found));
}

QString HelpMissingTopicHtml(int context) {
    return Page(QStringLiteral("Help"),
                QStringLiteral("<p>There is no help for this item yet.</p>"
                               "<p class=\"small\">Help topic %1.</p>"
                               "<p>See the <a href=\"contents\">Contents</a> for the topics "
                               "that are available.</p>")
                    .arg(context));
}

QString HelpPageTitle(const QString& html) {
    static const QRegularExpression title(
        QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(html);
    return match.hasMatch() ? PlainText(match.captured(1)).simplified() : QString();
}

QString HelpSetCaption(HelpTopicSet set) {
    const QString product = QStringLiteral("%1 %2").arg(ApplicationTitle).arg(TaxYear);
    return set == HelpTopicSet::Module ? product + QStringLiteral(" capital gains help")
                                       : product + QStringLiteral(" help");
}
