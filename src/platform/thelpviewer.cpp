#include "platform/thelpviewer.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "base/module_state.h"
#include "platform/help_library.h"

namespace {
constexpr size_t MaxHistory = 200;

const char* PageStyle =
    "body { font-family: 'Arial'; font-size: 10pt; color: #202020; }"
    "h1 { font-size: 15pt; color: #b86c14; margin-bottom: 6px; }"
    "h2 { font-size: 11pt; color: #303030; margin-top: 14px; margin-bottom: 4px; }"
    "p { margin-top: 4px; margin-bottom: 6px; }"
    "li { margin-bottom: 3px; }"
    "a { color: #1a5fb4; }"
    "p.note { background-color: #fffbd9; }"
    "p.small { font-size: 8pt; color: #707070; }"
    "td, th { padding: 3px 6px; }"
    "th { background-color: #ebebeb; text-align: left; }";
}  // namespace

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(680, 560);

    contentsButton_ = new QPushButton(QStringLiteral("&Contents"), this);
    indexButton_ = new QPushButton(QStringLiteral("&Index"), this);
    backButton_ = new QPushButton(QStringLiteral("&Back"), this);
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchEdit_ = new QLineEdit(this);
    searchEdit_->setPlaceholderText(QStringLiteral("Words to find"));
    searchEdit_->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchEdit_);
    for (QPushButton* button : {contentsButton_, indexButton_, backButton_}) {
        button->setAutoDefault(false);
    }

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(PageStyle));
    browser_->document()->setDocumentMargin(14);

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(8, 8, 8, 6);
    tools->setSpacing(6);
    tools->addWidget(contentsButton_);
    tools->addWidget(indexButton_);
    tools->addWidget(backButton_);
    tools->addSpacing(12);
    tools->addWidget(searchLabel);
    tools->addWidget(searchEdit_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addWidget(browser_, 1);

    connect(contentsButton_, &QPushButton::clicked, this,
            [this] { ShowContents(CurrentPage().set); });
    connect(indexButton_, &QPushButton::clicked, this, &THelpViewer::ShowIndex);
    connect(backButton_, &QPushButton::clicked, this, &THelpViewer::GoBack);
    connect(searchEdit_, &QLineEdit::returnPressed, this,
            [this] { ShowSearch(searchEdit_->text()); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &THelpViewer::LinkClicked);

    history_.push_back(Page{});
    Render();
}

THelpViewer::~THelpViewer() {
    if (State().HelpViewer == this) State().HelpViewer = nullptr;
}

void THelpViewer::ShowContents(HelpTopicSet set) { Open({set, PageKind::Contents, 0, {}}); }

void THelpViewer::ShowTopic(HelpTopicSet set, int context) {
    const bool written = !HelpTopicHtml(set, context).isEmpty();
    Open({set, written ? PageKind::Topic : PageKind::MissingTopic, context, {}});
}

void THelpViewer::ShowIndex() { Open({CurrentPage().set, PageKind::Index, 0, {}}); }

void THelpViewer::ShowSearch(const QString& query) {
    if (query.trimmed().isEmpty()) {
        searchEdit_->setFocus();
        return;
    }
    Open({CurrentPage().set, PageKind::Search, 0, query.trimmed()});
}

bool THelpViewer::GoBack() {
    if (history_.size() < 2) return false;
    history_.pop_back();
    Render();
    return true;
}

QString THelpViewer::CurrentTitle() const { return browser_->documentTitle(); }

void THelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Left && event->modifiers() == Qt::AltModifier) {
        GoBack();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THelpViewer::Open(const Page& page) {
    if (!requested_) {
        requested_ = true;
        history_ = {page};
        Render();
        return;
    }
    if (page == CurrentPage()) {
        Render();  // the same page again: back to its top
        return;
    }
    history_.push_back(page);
    if (history_.size() > MaxHistory) history_.erase(history_.begin());
    Render();
}

void THelpViewer::Render() {
    const Page& page = CurrentPage();
    QString html;
    switch (page.kind) {
        case PageKind::Contents:
            html = HelpContentsHtml(page.set);
            break;
        case PageKind::Index:
            html = HelpIndexHtml(page.set);
            break;
        case PageKind::Search:
            html = HelpSearchHtml(page.set, page.query);
            break;
        case PageKind::Topic:
            html = HelpTopicHtml(page.set, page.context);
            break;
        case PageKind::MissingTopic:
            html = HelpMissingTopicHtml(page.context);
            break;
    }
    browser_->setHtml(html);
    browser_->verticalScrollBar()->setValue(0);
    backButton_->setEnabled(history_.size() > 1);
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? HelpSetCaption(page.set)
                                   : HelpSetCaption(page.set) + QStringLiteral(" - ") + title);
}

void THelpViewer::LinkClicked(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == QStringLiteral("topic")) {
        bool number = false;
        const int context = url.path().toInt(&number);
        if (number) ShowTopic(CurrentPage().set, context);
    } else if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https")) {
        QDesktopServices::openUrl(url);
    } else if (url.toString() == QStringLiteral("contents")) {
        ShowContents(CurrentPage().set);
    } else if (url.toString() == QStringLiteral("index")) {
        ShowIndex();
    }
}
