#include "shell/tutorial_cards.h"

#include "shell/dialog_font.h"

#include <QCloseEvent>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int CornerMargin = 8;

} // namespace

TutorialCards::TutorialCards(const ProgramPaths& paths, QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , paths_(paths)
{
    setObjectName(QStringLiteral("TutorialCards"));
    setWindowTitle(QStringLiteral("Samouczek"));
    setFont(dialogFont());
    resize(340, 300);

    Card = new QTextBrowser(this);
    Card->setObjectName(QStringLiteral("Card"));
    Card->setOpenLinks(false);
    connect(Card, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        bool number = false;
        const int value = link.path().toInt(&number);
        if (link.scheme() == QLatin1String("tcard") && number)
            emit message(TutorialData, value);
    });
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("Zamknij"));
    connect(close, &QPushButton::clicked, this, [this] { emit message(TutorialClose, 0); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Card, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void TutorialCards::ShowCard(int context)
{
    QFile file(paths_.dataFile(QStringLiteral("KELPOR/karta%1.html").arg(context)));
    Card->setHtml(file.open(QIODevice::ReadOnly)
                      ? QString::fromUtf8(file.readAll())
                      : QStringLiteral("<p>Brak karty samouczka %1: %2</p>").arg(context).arg(file.fileName()));
    card_ = context;
    if (!placed_) {
        placeBesideTheMenus();
        placed_ = true;
    }
    show();
    raise();
}

// In the top-right corner of the main window's document area: the cards tell the user to
// click the menus and the toolbar, which the card must leave in view.
void TutorialCards::placeBesideTheMenus()
{
    const auto* owner = qobject_cast<const QMainWindow*>(parentWidget());
    const QWidget* area = owner ? owner->centralWidget() : nullptr;
    if (!area)
        return;
    const QPoint corner = area->mapToGlobal(area->rect().topRight());
    move(corner.x() - frameGeometry().width() - CornerMargin, corner.y() + CornerMargin);
}

// The close box closes the tutorial the way its "Zamknij" button does.
void TutorialCards::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit message(TutorialClose, 0);
}
