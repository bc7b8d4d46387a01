#pragma once
// The help topics embedded in the module: one HTML page per context number in each topic
// set, a contents page per set, and the index and search pages built from the topics.

#include <QList>
#include <QString>

#include "platform/core/help_file_name.h"

struct HelpIndexEntry {
    QString title;
    int context = 0;
};

// The topic's page, or an empty text when that topic is not written.
QString HelpTopicHtml(HelpTopicSet set, int context);
QString HelpContentsHtml(HelpTopicSet set);
// Every written topic of the set, by title.
QList<HelpIndexEntry> HelpIndex(HelpTopicSet set);
// The written topics whose text holds every word of the query (any letter case), by title.
QList<HelpIndexEntry> SearchHelp(HelpTopicSet set, const QString& query);

QString HelpIndexHtml(HelpTopicSet set);
QString HelpSearchHtml(HelpTopicSet set, const QString& query);
// The page shown for a context number that has no topic yet.
QString HelpMissingTopicHtml(int context);

// The text of a page's <title>.
QString HelpPageTitle(const QString& html);
// The title of the set's help window.
QString HelpSetCaption(HelpTopicSet set);
