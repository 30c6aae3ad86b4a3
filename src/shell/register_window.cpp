#include "shell/register_window.h"

#include "base/prompts.h"
#include "documents/help_context.h"
#include "shell/register_table.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

namespace {

constexpr int RegisterHelpContext = 5120;

bool isUnder(const QString& path, const QString& folder)
{
    const QString root = QDir(folder).absolutePath() + QLatin1Char('/');
    return QFileInfo(path).absoluteFilePath().startsWith(root);
}

} // namespace

RegisterWindow::RegisterWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      table_(new RegisterTable(this)),
      filter_(new RegisterFilter(this)),
      folderLabel_(new QLabel(this)),
      search_(new QLineEdit(this)),
      unacceptableOnly_(new QCheckBox(QStringLiteral("tylko z ryzykiem &niedopuszczalnym"), this)),
      overdueOnly_(new QCheckBox(QStringLiteral("tylko z działaniami &po terminie"), this)),
      reviewOnly_(new QCheckBox(QStringLiteral("tylko do p&rzeglądu"), this)),
      view_(new QTableView(this)),
      totals_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("&Anuluj"), this))
{
    setWindowTitle(QStringLiteral("Rejestr ocen ryzyka"));
    setObjectName(QStringLiteral("RegisterWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setHelpContext(this, RegisterHelpContext);
    // Wide enough for every column on a common screen.
    const QSize screenRoom = screen()->availableGeometry().size();
    resize(qMin(1400, screenRoom.width() * 9 / 10), qMin(700, screenRoom.height() * 8 / 10));

    filter_->setSourceModel(table_);
    view_->setModel(filter_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(RegisterWorkstation, Qt::AscendingOrder);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->setWordWrap(false);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setStretchLastSection(true);
    connect(view_, &QTableView::doubleClicked, this, &RegisterWindow::openCurrent);
    view_->installEventFilter(this);

    auto* chooseButton = new QPushButton(QStringLiteral("&Folder…"), this);
    auto* refreshButton = new QPushButton(QStringLiteral("&Odśwież (F5)"), this);
    auto* exportButton = new QPushButton(QStringLiteral("&Eksportuj…"), this);
    connect(chooseButton, &QPushButton::clicked, this, &RegisterWindow::chooseFolder);
    connect(refreshButton, &QPushButton::clicked, this, [this] { readFolder(folder_); });
    connect(exportButton, &QPushButton::clicked, this, &RegisterWindow::exportRequested);
    search_->setPlaceholderText(QStringLiteral("Szukaj w stanowisku, jednostce, autorze"));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(QStringLiteral("&Szukaj:"), this);
    searchLabel->setBuddy(search_);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setText(text);
        updateTotals();
    });
    for (QCheckBox* box : {unacceptableOnly_, overdueOnly_, reviewOnly_})
        connect(box, &QCheckBox::toggled, this, &RegisterWindow::updateQuickFilters);
    connect(cancel_, &QPushButton::clicked, this, [this] { watcher_.cancel(); });
    connect(&watcher_, &QFutureWatcher<RegisterEntry>::progressRangeChanged, progress_, &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<RegisterEntry>::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcher<RegisterEntry>::finished, this, &RegisterWindow::readingFinished);
    progress_->hide();
    cancel_->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(folderLabel_, 1);
    top->addWidget(chooseButton);
    top->addWidget(refreshButton);
    top->addWidget(exportButton);
    auto* filters = new QHBoxLayout;
    filters->addWidget(searchLabel);
    filters->addWidget(search_, 1);
    filters->addWidget(unacceptableOnly_);
    filters->addWidget(overdueOnly_);
    filters->addWidget(reviewOnly_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totals_, 1);
    bottom->addWidget(progress_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filters);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);
}

RegisterWindow::~RegisterWindow()
{
    watcher_.cancel();
    watcher_.waitForFinished();
}

void RegisterWindow::readFolder(const QString& folder)
{
    if (watcher_.isRunning())
        return;
    folder_ = folder;
    folderLabel_->setText(QStringLiteral("Folder: %1").arg(QDir::toNativeSeparators(folder)));
    readOn_ = QDate::currentDate();
    const QDate today = readOn_;
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    totals_->setText(QStringLiteral("Odczytywanie ocen ryzyka…"));
    watcher_.setFuture(QtConcurrent::mapped(assessmentFiles(folder),
                                            [today](const QString& path) { return registerEntry(path, today); }));
}

void RegisterWindow::readingFinished()
{
    progress_->hide();
    cancel_->hide();
    if (watcher_.isCanceled()) {
        totals_->setText(QStringLiteral("Odczytywanie przerwano; rejestr pokazuje poprzedni stan. %1").arg(totals()));
        return;
    }
    table_->setEntries(watcher_.future().results(), readOn_);
    // Each column as wide as what it shows, the long texts within reason.
    view_->resizeColumnsToContents();
    for (const int column : {RegisterWorkstation, RegisterUnit, RegisterPreparedBy, RegisterPath})
        view_->setColumnWidth(column, qMin(view_->columnWidth(column), 260));
    updateTotals();
}

void RegisterWindow::refreshFile(const QString& path)
{
    if (folder_.isEmpty() || watcher_.isRunning() || !isUnder(path, folder_)
        || QFileInfo(path).suffix().compare(QLatin1String("ron"), Qt::CaseInsensitive) != 0)
        return;
    table_->updateEntry(registerEntry(QFileInfo(path).absoluteFilePath(), QDate::currentDate()));
    updateTotals();
}

void RegisterWindow::chooseFolder()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Folder z ocenami ryzyka"), folder_);
    if (chosen.isEmpty())
        return;
    emit folderChosen(chosen);
    readFolder(chosen);
}

void RegisterWindow::updateQuickFilters()
{
    filter_->setQuick((unacceptableOnly_->isChecked() ? RegisterFilter::UnacceptableOnly : 0)
                      | (overdueOnly_->isChecked() ? RegisterFilter::OverdueOnly : 0)
                      | (reviewOnly_->isChecked() ? RegisterFilter::ReviewOnly : 0));
    updateTotals();
}

QList<RegisterEntry> RegisterWindow::shownEntries() const
{
    QList<RegisterEntry> shown;
    for (int row = 0; row < filter_->rowCount(); ++row)
        shown.append(table_->entries().at(filter_->mapToSource(filter_->index(row, 0)).row()));
    return shown;
}

QString RegisterWindow::totals() const
{
    int assessments = 0;
    int unreadable = 0;
    int unacceptable = 0;
    int overdue = 0;
    int review = 0;
    for (const RegisterEntry& entry : shownEntries()) {
        if (!entry.failure.isEmpty()) {
            ++unreadable;
            continue;
        }
        ++assessments;
        unacceptable += entry.unacceptable > 0;
        overdue += entry.overdue > 0;
        review += reviewDue(entry.review, table_->today());
    }
    QString line = QStringLiteral("Ocen: %1 · z ryzykiem niedopuszczalnym: %2 · z działaniami po terminie: %3 · "
                                  "do przeglądu: %4")
                       .arg(assessments)
                       .arg(unacceptable)
                       .arg(overdue)
                       .arg(review);
    if (unreadable)
        line += QStringLiteral(" · nieodczytanych plików: %1").arg(unreadable);
    return line;
}

void RegisterWindow::updateTotals()
{
    totals_->setText(totals());
}

void RegisterWindow::openCurrent()
{
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return;
    const RegisterEntry& entry = table_->entries().at(filter_->mapToSource(current).row());
    if (entry.failure.isEmpty())
        emit openRequested(entry.path);
}

void RegisterWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        readFolder(folder_);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool RegisterWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RegisterWindow::closeEvent(QCloseEvent* event)
{
    watcher_.cancel();
    QWidget::closeEvent(event);
}
