#include "documents/document_window.h"

#include "base/app_error.h"
#include "base/prompts.h"
#include "documents/auto_scale.h"
#include "documents/document_host.h"
#include "documents/help_context.h"
#include "documents/row_number_header.h"
#include "documents/row_scroll.h"
#include "documents/scale_picker.h"
#include "documents/title_row_header.h"
#include "controls/edit_ini.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "storage/ini_dat.h"
#include "storage/regular_file.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusTipEvent>
#include <QStringList>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int MaxFieldLength = 120;
constexpr int PickerButtonSize = 20;
constexpr int MemoMinimumHeight = 34;

// Shown once per window when its file carries the lock of someone else.
QString readOnlyWarning()
{
    return QStringList{
        QStringLiteral("Plik przeznaczony tylko do odczytu."),
        QStringLiteral("Prawdopodobnie plik został otwarty przez innego użytkownika w sieci lub ma ustawiony "
                       "atrybut Tylko do odczytu."),
        QStringLiteral("Jeśli użytkownik w sieci nie korzysta z pliku skorzystaj z menedżera plików "
                       "aby zmienić uprawnienia pliku:"),
        QStringLiteral("a) zamknij plik;"),
        QStringLiteral("b) otwórz menedżer plików;"),
        QStringLiteral("c) zaznacz pliki prawym przyciskiem myszki i wybierz Właściwości;"),
        QStringLiteral("d) na karcie Uprawnienia zezwól właścicielowi na \"odczyt i zapis\"."),
    }.join(QLatin1Char('\r'));
}

// Asked once per window when its file carries the lock of a program that ended without
// giving it back.
QString staleLockQuestion(const QString& path, const LockOwner& owner)
{
    return QStringLiteral("%1\rPlik był otwarty w programie, który został nieoczekiwanie zamknięty (%2). "
                          "Odblokować plik?")
        .arg(QDir::toNativeSeparators(path), owner.describe());
}

// From the last dot of the file's name on; empty when the name has no dot.
QString extensionOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

DocumentWindow::DocumentWindow(DocumentHost* host, DocumentKind kind, int helpContext, const QString& extension,
                               int firstTableTab, QWidget* parent)
    : QWidget(parent),
      HelpContext(helpContext),
      Extension(extension),
      IniDat1(new TIniDat(this)),
      document_(new DocumentModel(kind, this)),
      PageControl1(new QTabWidget(this)),
      host_(host),
      firstTableTab_(firstTableTab)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setHelpContext(this, helpContext);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setMinimumSize(755, 440);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
}

void DocumentWindow::setWriter(AtomicFileWriter* writer)
{
    IniDat1->SetWriter(writer);
}

void DocumentWindow::setModified(bool modified)
{
    document_->setModified(modified);
}

int DocumentWindow::currentPage() const
{
    return PageControl1->currentIndex();
}

void DocumentWindow::setBoundControls(const QList<QList<BoundControl*>>& pages)
{
    for (const QList<BoundControl*>& page : pages)
        boundControls_ += page;
}

// --- the file sequences --------------------------------------------------------------

void DocumentWindow::bindToFile(const QString& path)
{
    IniDat1->SetFileName(path);
    document_->setFileName(path);
    setWindowTitle(path);
}

void DocumentWindow::openCopy()
{
    TIniDat::LockNews news = TIniDat::LockNews::None;
    try {
        news = IniDat1->OpenIni();
    } catch (const FileRefused&) {
        throw;   // its own text says all
    } catch (const AppError&) {
        prompts().message(QStringLiteral("Problem z otwarciem pliku. Sprawdź nazwę zbioru."), Prompts::Icon::Error);
        throw;
    }
    if (news == TIniDat::LockNews::HeldByOther)
        prompts().message(readOnlyWarning(), Prompts::Icon::Warning);
    else if (news == TIniDat::LockNews::Stale
             && prompts().question(staleLockQuestion(IniDat1->FileName(), *IniDat1->StaleOwner()))
             && !IniDat1->TakeOverLock())
        prompts().message(QStringLiteral("Nie można odblokować pliku „%1”: nie udało się zapisać, kto go używa.\r"
                                         "Plik pozostał tylko do odczytu.")
                              .arg(QDir::toNativeSeparators(IniDat1->FileName())),
                          Prompts::Icon::Error);
}

void DocumentWindow::loadDocument()
{
    document_->load(*IniDat1->Ini());
    documentLoaded();
}

bool DocumentWindow::holdsDocument() const
{
    return !IniDat1->Ini()->SectionNames().isEmpty() || QFileInfo(IniDat1->FileName()).size() == 0;
}

bool DocumentWindow::openFile(const QString& path)
{
    bindToFile(path);
    const bool existed = QFile::exists(path);
    const auto dropCopy = qScopeGuard([this] { IniDat1->CloseIni(); });
    openCopy();
    if (!holdsDocument())
        return false;
    if (IniDat1->Ini()->ReplacedNul())
        prompts().message(QStringLiteral("Plik zawierał niedozwolone znaki (NUL), zastąpione spacją."),
                          Prompts::Icon::Warning);
    // Opening never rewrites a file that exists (OpenIni has locked it); a new path is
    // created empty, with the lock.
    if (!existed)
        IniDat1->Ini()->WriteToDisk();
    if (extensionOf(path) == Extension)
        loadDocument();
    document_->setModified(false);
    return true;
}

void DocumentWindow::saveFile(const QString& path)
{
    IniDat1->SetFileName(path);
    openCopy();
    const auto dropCopy = qScopeGuard([this] { IniDat1->CloseIni(); });
    // Without the lock nothing would reach the disk: the save is refused, not pretended.
    if (!IniDat1->Locked())
        throw AppError(QStringLiteral("Plik „%1” jest tylko do odczytu. Zmiany nie zostały zapisane.\r"
                                      "Użyj polecenia „Zapisz jako”, aby zapisać je w innym pliku.")
                           .arg(QDir::toNativeSeparators(path)));
    document_->stampRiskChange(QDate::currentDate());
    document_->save(*IniDat1->Ini());
    document_->setFileName(path);
    setWindowTitle(path);
    IniDat1->Ini()->WriteToDisk();
    document_->setModified(false);
}

void DocumentWindow::saveFileAs(const QString& path)
{
    releaseFile();
    saveFile(path);
}

void DocumentWindow::releaseFile()
{
    IniDat1->ReleaseIni();
}

std::optional<QByteArray> DocumentWindow::unsavedContent()
{
    return IniDat1->ContentWith([this] { document_->save(*IniDat1->Ini()); });
}

void DocumentWindow::openRecovered(const QString& path, const QByteArray& content)
{
    bindToFile(path);
    const auto dropCopy = qScopeGuard([this] { IniDat1->CloseIni(); });
    openCopy();
    IniDat1->Ini()->LoadFromBytes(content);
    loadDocument();
    document_->setModified(true);
}

// --- building ------------------------------------------------------------------------

RiskMethod DocumentWindow::method() const
{
    return document_->method();
}

QWidget* DocumentWindow::addPage(const QString& caption)
{
    auto* page = new QWidget(PageControl1);
    PageControl1->addTab(page, caption);
    return page;
}

TEditIni* DocumentWindow::addEdit(QGridLayout* grid, int row, const QString& label, Field field)
{
    QWidget* page = grid->parentWidget();
    auto* edit = bindTo(new TEditIni(page), document_, field);
    edit->setTypingLimit(MaxFieldLength);
    grid->addWidget(new QLabel(label, page), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

TMemoIni* DocumentWindow::addMemo(QWidget* page, Field field)
{
    auto* memo = bindTo(new TMemoIni(page), document_, field);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Six memos share one tab: each may shrink to two lines, so the window keeps its size.
    memo->setMinimumHeight(MemoMinimumHeight);
    return memo;
}

void DocumentWindow::buildProjectDescription(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    EditIni1 = addEdit(grid, 0, QStringLiteral("Oceniane stanowisko"), Field::Workstation);
    EditIni2 = addEdit(grid, 1, QStringLiteral("Data utworzenia projektu"), Field::CreatedOn);
    EditIni3 = addEdit(grid, 2, QStringLiteral("Projekt opracował"), Field::PreparedBy);

    // On the page the method stands above the description.
    MemoIni1 = addMemo(page, Field::Description);
    RadioGroupIni1 = new TRadioGroupIni(QStringLiteral("Metoda oceny ryzyka:"), page);
    RadioGroupIni1->setColumns(2);
    RadioGroupIni1->setItems(risk::methodNames());
    RadioGroupIni1->bind(document_, Field::Method);

    // Tab follows the page from the top: the method buttons come before the memo.
    QWidget* previous = EditIni3;
    for (QRadioButton* button : RadioGroupIni1->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, MemoIni1);

    grid->addWidget(RadioGroupIni1, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Opis projektu"), page), 4, 0, Qt::AlignTop);
    grid->addWidget(MemoIni1, 4, 1);
    grid->setRowStretch(4, 1);
}

void DocumentWindow::buildWorkstationMemos(QWidget* page)
{
    static const QStringList labels{
        QStringLiteral("1. Lokalizacja stanowiska pracy:"),
        QStringLiteral("2. Opis miejsca, pomieszczenia pracy:"),
        QStringLiteral("3. Opis procesu produkcji: "),
        QStringLiteral("4. Maszyny, materiały, surowce stosowane w procesie produkcji:"),
        QStringLiteral("5. Wymagane środki ochrony osobistej:"),
        QStringLiteral("6. Inne"),
    };
    TMemoIni** memos[] = {&MemoIni2, &MemoIni3, &MemoIni4, &MemoIni5, &MemoIni6, &MemoIni7};
    auto* column = new QVBoxLayout(page);
    for (int i = 0; i < labels.size(); ++i) {
        *memos[i] = addMemo(page, workstationMemoFields()[i]);
        column->addWidget(new QLabel(labels[i], page));
        column->addWidget(*memos[i], 1);
    }
}

TStringGridIni* DocumentWindow::addTable(QWidget* page, Field field, const QStringList& titles,
                                         int defaultRowHeight, GridDelegate::Style style)
{
    auto* table = bindTo(new TStringGridIni(page), document_, field);
    table->table().setTitles(titles);

    // The titles stay in view while the rows under them scroll, a whole row at a time (by
    // pixels while a row is taller than the table); the rows are numbered beside them.
    new RowNumberHeader(table);
    new TitleRowHeader(table);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    new RowScroll(table);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    resetRowHeights(table);
    table->setShowGrid(true);
    table->setTabKeyNavigation(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);

    auto* delegate = new GridDelegate(table, style);
    delegate->editorKeyWatcher = this;
    QAbstractItemDelegate* plain = table->itemDelegate();
    table->setItemDelegate(delegate);
    delete plain;
    table->installEventFilter(this);
    connect(table, &TStringGridIni::currentCellChanged, this, [this, table] { showColumnHint(table); });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    page->installEventFilter(this);
    return table;
}

void DocumentWindow::setColumnHints(TStringGridIni* table, const QStringList& whatServes)
{
    QStringList hints;
    for (int c = 0; c < table->columnCount(); ++c) {
        const QString what = whatServes.value(c);
        hints.append(what.isEmpty() ? QString() : table->cell(c, 0) + QStringLiteral(": ") + what);
    }
    columnHints_.insert(table, hints);
    showColumnHint(table);
}

void DocumentWindow::showColumnHint(TStringGridIni* table)
{
    const QString hint = columnHints_.value(table).value(table->currentColumn());
    table->setToolTip(hint);
    table->setStatusTip(hint);
    // The status bar shows the new hint at once while the keyboard is in the table.
    if (table->isAncestorOf(QApplication::focusWidget())) {
        QStatusTipEvent tip(hint);
        QCoreApplication::sendEvent(table, &tip);
    }
}

QToolButton* DocumentWindow::addPickerButton(QWidget* page)
{
    auto* button = new QToolButton(page);
    button->setText(QStringLiteral("..."));
    button->resize(PickerButtonSize, PickerButtonSize);
    button->hide();
    return button;
}

void DocumentWindow::finishCreation()
{
    static_cast<GridDelegate*>(StringGridIni1->itemDelegate())->buttonRoom = [this](int column) {
        const QToolButton* picker = pickerOfCell(column, 1);
        return picker ? picker->width() : 0;
    };
    shownTab_ = PageControl1->currentIndex();
    connect(PageControl1, &QTabWidget::currentChanged, this, &DocumentWindow::tabChanged);
    connect(StringGridIni1, &TStringGridIni::cellDoubleClicked, this, [this](int row, int column) {
        if (QToolButton* picker = pickerOfCell(column, row))
            picker->click();
    });
    static_cast<GridDelegate*>(StringGridIni1->itemDelegate())->offScale = [this](int column, int row) {
        return document_->isOffScale(column, row);
    };
    focusFirstField();
}

void DocumentWindow::focusFirstField()
{
    if (auto* first = dynamic_cast<QWidget*>(boundControls_.value(0)))
        first->setFocus();
}

void DocumentWindow::placeOverCell(QWidget* widget, TStringGridIni* table, int column, int row, QSize size)
{
    const QRect cell = table->visualRect(table->model()->index(row, column));
    const QPoint corner = table->viewport()->mapTo(widget->parentWidget(), cell.topLeft()) + QPoint(2, 2);
    widget->setGeometry(QRect(corner, size));
}

void DocumentWindow::placePickerButton(QToolButton* button, TStringGridIni* table, int column, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, column));
    const QPoint corner = table->viewport()->mapTo(button->parentWidget(), cell.topRight()) +
                          QPoint(-button->width(), 1);
    button->move(corner);
}

void DocumentWindow::resetRowHeights(TStringGridIni* table)
{
    const int height = table->verticalHeader()->defaultSectionSize();
    for (int r = 0; r < table->rowCount(); ++r)
        table->setRowHeight(r, height);
}

void DocumentWindow::setColumnWidths(TStringGridIni* table, const QList<int>& widths)
{
    // A column is never narrower than its title, whatever the font.
    const auto* delegate = qobject_cast<const GridDelegate*>(table->itemDelegate());
    for (int c = 0; c < widths.size() && c < table->columnCount(); ++c)
        table->setColumnWidth(c, delegate ? qMax(widths[c], delegate->titleWidth(c)) : widths[c]);
}

int DocumentWindow::widthPart(double factor) const
{
    const int rowNumbers = StringGridIni1->verticalHeader()->sizeHint().width();
    return static_cast<int>(factor * (PageControl1->width() - 8 - rowNumbers));
}

bool DocumentWindow::openScalePicker(int mode, risk::Factor factor)
{
    return ShowScalePicker(mode, risk::scale(method(), factor), StringGridIni1, this);
}

void DocumentWindow::FormActivate()
{
    host_->setReportEnabled(true);
    PageControl1Change();
}

void DocumentWindow::FormDeactivate()
{
    host_->setReportEnabled(false);
    host_->setRowCommandsEnabled(false);
}

bool DocumentWindow::FormClose()
{
    if (!closingAnswered_) {
        switch (askToSave()) {
        case Prompts::Answer::Cancel:
            return false;
        case Prompts::Answer::Yes:
            // The save has shown why it wrote nothing; the work stays open rather than lost.
            if (!host_->Save(this))
                return false;
            break;
        case Prompts::Answer::No:
            break;
        }
    }
    FormDeactivate();
    return true;
}

Prompts::Answer DocumentWindow::askToSave()
{
    if (!document_->isModified())
        return Prompts::Answer::No;
    const QString name = QFileInfo(IniDat1->FileName()).fileName();
    return prompts().questionWithCancel(QStringLiteral("Czy chcesz zapisać zmiany w pliku:\r") + name +
                                        QStringLiteral("\rTak – zapisz, Nie – nie zapisuj, Anuluj – wróć do edycji."));
}

void DocumentWindow::closeAnswered()
{
    closingAnswered_ = true;
    // The frame closes this window with it.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void DocumentWindow::FormShow()
{
    scaleForScreen();
}

void DocumentWindow::scaleForScreen()
{
    // The window is laid out once for its screen; showing it again must not scale again.
    if (!scaled_) {
        scaled_ = true;
        ApplyAutoScale(this);
    }
}

void DocumentWindow::PageControl1Change()
{
    host_->setRowCommandsEnabled(takesRowCommands(PageControl1->currentIndex()));
}

bool DocumentWindow::takesRowCommands(int tab) const
{
    return tab == firstTableTab_ || tab == firstTableTab_ + 1;
}

void DocumentWindow::TabSheet3Show()
{
    resetRowHeights(StringGridIni1);
}

void DocumentWindow::TabSheet4Show()
{
    resetRowHeights(StringGridIni2);
}

// QTabWidget cannot refuse a change before it happens. The tab that was left is shown again
// while PageControl1Changing decides (and perhaps shows its message over the old tab); only
// when it allows the change does the new tab come back.
void DocumentWindow::tabChanged(int index)
{
    if (switchingTab_)
        return;
    switchTabQuietly(shownTab_);
    if (!PageControl1Changing())
        return;
    switchTabQuietly(index);
    shownTab_ = index;
    PageControl1Change();
}

void DocumentWindow::switchTabQuietly(int index)
{
    switchingTab_ = true;
    PageControl1->setCurrentIndex(index);
    switchingTab_ = false;
}

bool DocumentWindow::isTableOrEditor(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && ((StringGridIni1 && (widget == StringGridIni1 || StringGridIni1->isAncestorOf(widget))) ||
                      (StringGridIni2 && (widget == StringGridIni2 || StringGridIni2->isAncestorOf(widget))));
}

bool DocumentWindow::opensPicker(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F2 || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isTableOrEditor(watched)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == StringGridIni1 && opensPicker(key)) {
            if (QToolButton* picker = pickerOfCell(StringGridIni1->currentColumn(), StringGridIni1->currentRow())) {
                picker->click();
                return true;
            }
        }
    }
    // The keys of a table reach the status bar also when the keyboard comes into it, and go
    // when the focus leaves the table and its cell editor.
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        && (watched == StringGridIni1 || watched == StringGridIni2)) {
        auto* table = static_cast<QWidget*>(watched);
        const bool inside = table->isAncestorOf(QApplication::focusWidget());
        QStatusTipEvent tip(event->type() == QEvent::FocusIn || inside ? table->statusTip() : QString());
        QCoreApplication::sendEvent(watched, &tip);
    }
    if (event->type() == QEvent::Show) {
        if (StringGridIni1 && watched == StringGridIni1->parentWidget())
            TabSheet3Show();
        else if (StringGridIni2 && watched == StringGridIni2->parentWidget())
            TabSheet4Show();
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void DocumentWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    event->setAccepted(FormClose());
}
