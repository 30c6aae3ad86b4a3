#include "shell/help_window.h"

#include "base/app_error.h"
#include "shell/product.h"
#include "shell/settings_file.h"

#include <QDesktopServices>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int ContentsContext = 5000;

constexpr SettingsKey LeftKey{"POMOC", "Lewo"};
constexpr SettingsKey TopKey{"POMOC", "Gora"};
constexpr SettingsKey WidthKey{"POMOC", "Szerokosc"};
constexpr SettingsKey HeightKey{"POMOC", "Wysokosc"};

// A text browser that takes its pages from the compiled help and leaves addresses outside
// it (a web site, an e-mail address) to the system.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent)
        : QTextBrowser(parent)
        , engine_(engine)
    {
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
            const QUrl target = source().resolved(link);
            if (target.scheme() == QLatin1String("qthelp"))
                setSource(target);
            else
                QDesktopServices::openUrl(target);
        });
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = source().resolved(name);
        if (url.scheme() == QLatin1String("qthelp"))
            return engine_->fileData(url);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine* engine_;
};

} // namespace

HelpWindow::HelpWindow(const ProgramPaths& paths, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , paths_(paths)
    , engine_(new QHelpEngine(paths.helpCollection(), this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pomoc - %1").arg(ProductName));
    engine_->setReadOnly(false);   // it registers the topics and keeps the search index
    engine_->setupData();
    const QString topics = paths.helpTopics();
    const QString topicsNamespace = QHelpEngineCore::namespaceName(topics);
    if (!topicsNamespace.isEmpty() && !engine_->registeredDocumentations().contains(topicsNamespace))
        engine_->registerDocumentation(topics);
    // The set-up has finished before the contents and the index exist: they are made here
    // (in the background).
    engine_->contentModel()->createContents(engine_->currentFilter());
    engine_->indexModel()->createIndex(engine_->currentFilter());

    Topic = new HelpBrowser(engine_, this);
    Topic->setObjectName(QStringLiteral("Topic"));
    Navigation = new QTabWidget(this);
    Navigation->setObjectName(QStringLiteral("Navigation"));
    Navigation->addTab(engine_->contentWidget(), QStringLiteral("Spis treści"));
    Navigation->addTab(createIndexPage(), QStringLiteral("Indeks"));
    Navigation->addTab(createSearchPage(), QStringLiteral("Szukaj"));
    connect(engine_->contentWidget(), &QHelpContentWidget::linkActivated, this, &HelpWindow::open);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        engine_->contentWidget()->expandToDepth(0);
        open(Topic->source());
    });
    // The text browser does not follow a page's link to its style sheet: the topics' common
    // one is every page's default.
    if (const QUrl contents = topicOf(ContentsContext); contents.isValid())
        Topic->document()->setDefaultStyleSheet(
            QString::fromUtf8(engine_->fileData(contents.resolved(QUrl(QStringLiteral("styl.css"))))));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(Navigation);
    splitter->addWidget(Topic);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 560});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(800, 560);
    restoreGeometry();
}

HelpWindow::~HelpWindow()
{
    if (isVisible())
        storeGeometry();
}

QWidget* HelpWindow::createIndexPage()
{
    auto* page = new QWidget;
    auto* filter = new QLineEdit(page);
    filter->setPlaceholderText(QStringLiteral("Szukane słowo"));
    filter->setClearButtonEnabled(true);
    QHelpIndexWidget* index = engine_->indexWidget();
    connect(filter, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { open(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) { open(documents.constFirst().url); });
    auto* column = new QVBoxLayout(page);
    column->addWidget(filter);
    column->addWidget(index);
    return page;
}

QWidget* HelpWindow::createSearchPage()
{
    auto* page = new QWidget;
    QHelpSearchEngine* search = engine_->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    connect(query, &QHelpSearchQueryWidget::search, search, [search, query] { search->search(query->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::open);
    // The index of the words is made again, in the background, for each run of the program,
    // so it always matches the topics beside it.
    search->reindexDocumentation();
    auto* column = new QVBoxLayout(page);
    column->addWidget(query);
    column->addWidget(search->resultWidget(), 1);
    return page;
}

QUrl HelpWindow::topicOf(int context) const
{
    const QList<QHelpLink> documents = engine_->documentsForIdentifier(QString::number(context));
    return documents.isEmpty() ? QUrl() : documents.constFirst().url;
}

QUrl HelpWindow::currentTopic() const
{
    return Topic->source();
}

void HelpWindow::showContext(int context)
{
    QUrl topic = topicOf(context);
    if (topic.isEmpty())
        topic = topicOf(ContentsContext);
    open(topic);
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void HelpWindow::open(const QUrl& topic)
{
    Topic->setSource(topic);
    if (const QModelIndex entry = engine_->contentWidget()->indexOf(topic); entry.isValid())
        engine_->contentWidget()->setCurrentIndex(entry);
}

void HelpWindow::hideEvent(QHideEvent* event)
{
    storeGeometry();
    QWidget::hideEvent(event);
}

void HelpWindow::restoreGeometry()
{
    try {
        const SettingsFile settings(paths_);
        bool ok[4] = {};
        const QRect stored(settings.readString(LeftKey).toInt(&ok[0]), settings.readString(TopKey).toInt(&ok[1]),
                           settings.readString(WidthKey).toInt(&ok[2]), settings.readString(HeightKey).toInt(&ok[3]));
        if (ok[0] && ok[1] && ok[2] && ok[3] && stored.width() > 0 && stored.height() > 0) {
            resize(stored.size());
            move(stored.topLeft());
        }
    } catch (const AppError&) {
        // An unreadable settings file leaves the window at its default size.
    }
}

void HelpWindow::storeGeometry()
{
    const QRect place(pos(), size());
    try {
        SettingsFile settings(paths_);
        settings.writeString(LeftKey, QString::number(place.x()));
        settings.writeString(TopKey, QString::number(place.y()));
        settings.writeString(WidthKey, QString::number(place.width()));
        settings.writeString(HeightKey, QString::number(place.height()));
    } catch (const AppError&) {
        // The place of the help window is a convenience: not keeping it is no reason to
        // interrupt the user.
    }
}
