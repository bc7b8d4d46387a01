#pragma once
// The help window: topics by context number with Contents, Index, Search and Back. It is
// not modal; the module keeps one and shows every help request in it.

#include <QWidget>
#include <vector>

#include "platform/core/help_file_name.h"

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QUrl;

class THelpViewer : public QWidget {
    Q_OBJECT

public:
    enum class PageKind { Contents, Index, Search, Topic, MissingTopic };
    struct Page {
        HelpTopicSet set = HelpTopicSet::Module;
        PageKind kind = PageKind::Contents;
        int context = 0;
        QString query;
        bool operator==(const Page&) const = default;
    };

    explicit THelpViewer(QWidget* parent = nullptr);
    ~THelpViewer() override;

    void ShowContents(HelpTopicSet set);
    // A topic that is not written yet shows the "no help yet" page.
    void ShowTopic(HelpTopicSet set, int context);
    void ShowIndex();
    void ShowSearch(const QString& query);
    // Back to the page shown before; false when there is none.
    bool GoBack();

    const Page& CurrentPage() const { return history_.back(); }
    QString CurrentTitle() const;
    QTextBrowser* Browser() const { return browser_; }
    QPushButton* ContentsButton() const { return contentsButton_; }
    QPushButton* IndexButton() const { return indexButton_; }
    QPushButton* BackButton() const { return backButton_; }
    QLineEdit* SearchEdit() const { return searchEdit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open(const Page& page);
    void Render();
    void LinkClicked(const QUrl& url);

    QTextBrowser* browser_ = nullptr;
    QPushButton* contentsButton_ = nullptr;
    QPushButton* indexButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    std::vector<Page> history_;
    bool requested_ = false;  // the first page asked for replaces the blank start page
};
