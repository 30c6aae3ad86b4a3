#include "documents/risk_overview_page.h"

#include "base/app_error.h"
#include "base/error_boundary.h"
#include "base/prompts.h"
#include "documents/risk_overview_view.h"
#include "storage/atomic_file_writer.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

RiskOverviewPage::RiskOverviewPage(std::function<AssessmentSnapshot()> snapshot, QWidget* parent)
    : QWidget(parent),
      snapshot_(std::move(snapshot)),
      view_(new RiskOverviewView),
      pending_(new QTimer(this))
{
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);
    // Home and End go to the top and the foot of the overview, as on any long page.
    QScrollBar* bar = scroll->verticalScrollBar();
    new QShortcut(QKeySequence(Qt::Key_Home), scroll, [bar] { bar->setValue(bar->minimum()); },
                  Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence(Qt::Key_End), scroll, [bar] { bar->setValue(bar->maximum()); },
                  Qt::WidgetWithChildrenShortcut);

    PngButton = new QPushButton(QStringLiteral("Eksportuj do PNG…"), this);
    PdfButton = new QPushButton(QStringLiteral("Eksportuj do PDF…"), this);
    PngButton->setToolTip(QStringLiteral("Zapisuje podsumowanie jako obraz PNG"));
    PdfButton->setToolTip(QStringLiteral("Zapisuje podsumowanie jako dokument PDF (A4)"));
    connect(PngButton, &QPushButton::clicked, this, &RiskOverviewPage::exportPng);
    connect(PdfButton, &QPushButton::clicked, this, &RiskOverviewPage::exportPdf);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PngButton);
    buttons->addWidget(PdfButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, &RiskOverviewPage::refresh);
}

void RiskOverviewPage::watch(QAbstractItemModel* model)
{
    const auto changed = [this] {
        if (isVisible())
            pending_->start();
    };
    connect(model, &QAbstractItemModel::dataChanged, this, changed);
    connect(model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::columnsInserted, this, changed);
    connect(model, &QAbstractItemModel::columnsRemoved, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
}

void RiskOverviewPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void RiskOverviewPage::refresh()
{
    pending_->stop();
    view_->setOverview(riskOverview(snapshot_()));
}

void RiskOverviewPage::exportPng()
{
    exportAs(QStringLiteral("Zapisz podsumowanie jako obraz PNG"), QStringLiteral("Obraz PNG (*.png)"),
             QStringLiteral(".png"), [this] {
                 QBuffer buffer;
                 buffer.open(QIODevice::WriteOnly);
                 return view_->picture(exportHeading()).save(&buffer, "PNG") ? buffer.data() : QByteArray();
             });
}

void RiskOverviewPage::exportPdf()
{
    exportAs(QStringLiteral("Zapisz podsumowanie jako dokument PDF"), QStringLiteral("Dokument PDF (*.pdf)"),
             QStringLiteral(".pdf"), [this] { return view_->pdf(exportHeading()); });
}

QStringList RiskOverviewPage::exportHeading() const
{
    const AssessmentSnapshot card = snapshot_();
    return {QStringLiteral("Stanowisko pracy: ") + card.cardWorkstation,
            QStringLiteral("Jednostka organizacyjna: ") + card.unit,
            QStringLiteral("Kolejny numer karty oceny: ") + card.cardNumber,
            QStringLiteral("Plik: ") + QDir::toNativeSeparators(card.fileName),
            QStringLiteral("Data sporządzenia: ") + card.preparedOnDate};
}

void RiskOverviewPage::exportAs(const QString& caption, const QString& filter, const QString& extension,
                                const std::function<QByteArray()>& bytes)
{
    runCommand([&] {
        const QFileInfo document(snapshot_().fileName);
        const QString proposed =
            document.dir().filePath(document.completeBaseName() + QStringLiteral(" - podsumowanie") + extension);
        const QString fileName = prompts().saveFileNameReplacing(caption, proposed, filter, extension);
        if (fileName.isEmpty())
            return;
        refresh();
        const QByteArray content = bytes();
        if (content.isEmpty())
            throw AppError(QStringLiteral("Nie można zapisać pliku „%1”: nie udało się utworzyć podsumowania.")
                               .arg(QDir::toNativeSeparators(fileName)));
        AtomicFileWriter().write(fileName, content);
    });
}
