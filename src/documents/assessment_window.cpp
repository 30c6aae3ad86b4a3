#include "documents/assessment_window.h"

#include "base/error_boundary.h"
#include "base/prompts.h"
#include "documents/plan_page.h"
#include "documents/risk_overview_page.h"
#include "documents/workers_page.h"
#include "controls/edit_ini.h"
#include "model/action_plan.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "model/workers.h"
#include "storage/ini_dat.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QLabel>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int HazardTab = 3;
constexpr int AnswerColumn = 2;
constexpr int AnswerListHeight = 23;

const QStringList& hazardTitles()
{
    static const QStringList titles{
        QStringLiteral("Zagrożenie"), QStringLiteral("Źródła zagrożenia"), QStringLiteral("Skutki zagrożenia"),
        QStringLiteral("Działania zapobieg."), QStringLiteral("Skutki S"), QStringLiteral("Prawdop. P"),
        QStringLiteral("Ekspozycja E"), QStringLiteral("Ryzyko R"),
    };
    return titles;
}

const QStringList& planTitles()
{
    static const QStringList titles{
        QStringLiteral("Nr"), QStringLiteral("Zagrożenie"), QStringLiteral("Działanie"), QStringLiteral("Rodzaj"),
        QStringLiteral("Odpowiedzialny"), QStringLiteral("Termin"), QStringLiteral("Koszt [zł]"),
        QStringLiteral("Status"), QStringLiteral("Data wykonania"), QStringLiteral("Uwagi"),
    };
    return titles;
}

const QString kPlanCaption = QStringLiteral("Plan działań");
const QString kWorkersCaption = QStringLiteral("Pracownicy");

// "1 działanie", "2 działania", "5 działań".
QString measuresText(int count)
{
    const int tens = count % 100;
    const int units = count % 10;
    if (count == 1)
        return QStringLiteral("1 działanie");
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
        return QStringLiteral("%1 działania").arg(count);
    return QStringLiteral("%1 działań").arg(count);
}

const QString kPickerKeys = QStringLiteral("F2 lub Alt+Strzałka w dół otwiera listę wartości.");
const QString kFromProject = QStringLiteral("tekst przeniesiony z projektu.");

bool hasExposure(RiskMethod method)
{
    return risk::hazardColumns(method).e >= 0;
}

// Shown on the button-face colour and never changed by the assessment, its text in the
// ordinary colour so that it stays readable.
void makeReadOnly(QWidget* field)
{
    QPalette palette = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Button));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    field->setPalette(palette);
    field->setEnabled(false);
}

} // namespace

TForm5::TForm5(DocumentHost* host, QWidget* parent)
    : DocumentWindow(host, DocumentKind::Assessment, 5050, QStringLiteral(".ron"), HazardTab, parent)
{
    buildCard(addPage(QStringLiteral("Opis oceny")));
    QWidget* projectPage = addPage(QStringLiteral("Opis projektu"));
    buildProjectDescription(projectPage);
    for (QWidget* field : std::initializer_list<QWidget*>{EditIni1, EditIni2, EditIni3, MemoIni1, RadioGroupIni1})
        makeReadOnly(field);
    buildWorkstationMemos(addPage(QStringLiteral("Ogólna charakterystyka stanowiska pracy")));
    buildHazardTab(addPage(QStringLiteral("Zagrożenia zawodowe")));
    buildChecklistTab(addPage(QStringLiteral("Ocena warunków bhp")));
    // After every tab of the document, so their indexes stay as they are.
    buildPlanTab(addPage(kPlanCaption));
    buildWorkersTab(addPage(kWorkersCaption));
    buildOverviewTab(addPage(QStringLiteral("Podsumowanie")));
    setBoundControls({
        {EditIni4, EditIni5, EditIni6, EditIni7, EditIni8, EditIni9, ReviewEdit, MemoIni8},
        {EditIni1, EditIni2, EditIni3, MemoIni1, RadioGroupIni1},
        {MemoIni2, MemoIni3, MemoIni4, MemoIni5, MemoIni6, MemoIni7},
        {StringGridIni1},
        {StringGridIni2},
        {PlanGrid},
        {WorkersGrid},
    });
    connect(&document(), &DocumentModel::fieldChanged, this, [this](Field field) {
        if (field == Field::Employees)
            EditIni6Change();
        if (field == Field::Employees || field == Field::Workers)
            showListedCount();
    });
    connect(&document(), &DocumentModel::loaded, this, &TForm5::showListedCount);
    FormCreate();
    finishCreation();
}

void TForm5::buildCard(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    EditIni4 = addEdit(grid, 0, QStringLiteral("Jednostka organizacyjna"), Field::Unit);
    EditIni5 = addEdit(grid, 1, QStringLiteral("Nazwa stanowiska"), Field::CardWorkstation);
    EditIni6 = addEdit(grid, 2, QStringLiteral("Liczba zatrudnionych\n(narażonych) na stanowisku"), Field::Employees);
    ListedLabel = new QLabel(page);
    ListedLabel->hide();
    grid->addWidget(ListedLabel, 2, 2);
    EditIni7 = addEdit(grid, 3, QStringLiteral("Kolejny numer karty oceny"), Field::CardNumber);
    EditIni8 = addEdit(grid, 4, QStringLiteral("Data sporządzenia"), Field::PreparedOnDate);
    EditIni9 = addEdit(grid, 5, QStringLiteral("Sporządził"), Field::CardPreparedBy);
    ReviewEdit = addEdit(grid, 6, QStringLiteral("Data następnego przeglądu"), Field::ReviewDate);
    ReviewEdit->setPlaceholderText(QStringLiteral("dd.mm.rrrr"));
    NextYearButton = new QPushButton(QStringLiteral("Za &rok od sporządzenia"), page);
    grid->removeWidget(ReviewEdit);
    auto* review = new QHBoxLayout;
    review->addWidget(ReviewEdit, 1);
    review->addWidget(NextYearButton);
    grid->addLayout(review, 6, 1);
    connect(NextYearButton, &QPushButton::clicked, this, &TForm5::proposeReview);
    connect(ReviewEdit, &QLineEdit::editingFinished, this, &TForm5::checkReview);
    MemoIni8 = addMemo(page, Field::Remarks);
    grid->addWidget(new QLabel(QStringLiteral("Wnioski, uwagi."), page), 7, 0, Qt::AlignTop);
    grid->addWidget(MemoIni8, 7, 1);
    grid->setRowStretch(7, 1);
    EditIni6->installEventFilter(this);
}

void TForm5::proposeReview()
{
    const QString prepared = document().text(Field::PreparedOnDate).trimmed();
    QDate date = plan::parseDate(prepared);
    if (!date.isValid())
        date = QDate::fromString(prepared, QStringLiteral("d.M.yyyy"));
    if (!date.isValid()) {
        prompts().message(QStringLiteral("Wpisz najpierw datę sporządzenia oceny w postaci dd.mm.rrrr, np. 07.12.2026."));
        EditIni8->setFocus();
        return;
    }
    document().setText(Field::ReviewDate, plan::dateText(date.addYears(1)));
}

void TForm5::checkReview()
{
    const QString typed = document().text(Field::ReviewDate).trimmed();
    if (!typed.isEmpty() && !plan::parseDate(typed).isValid())
        prompts().message(QStringLiteral("„%1” nie jest datą. Wpisz datę następnego przeglądu w postaci dd.mm.rrrr, "
                                         "np. 07.12.2027, albo zostaw pole puste.")
                              .arg(typed));
}

bool TForm5::takesRowCommands(int tab) const
{
    return DocumentWindow::takesRowCommands(tab) || tab == PlanTabIndex || tab == WorkersTabIndex;
}

void TForm5::buildHazardTab(QWidget* page)
{
    StringGridIni1 = addTable(page, Field::Hazards, hazardTitles(), 20,
                              {.boldTitles = false, .evenRowsWindowText = true,
                               .red = GridDelegate::RedRule::Unacceptable});
    BitBtn1 = addPickerButton(page);
    BitBtn2 = addPickerButton(page);
    BitBtn3 = addPickerButton(page);
    static_cast<GridDelegate*>(StringGridIni1->itemDelegate())->focusedCellPainted = [this](int column, int row) {
        StringGridIni1DrawCell(column, row);
    };
    connect(StringGridIni1, &TStringGridIni::currentCellChanged, this,
            [this](int row, int column) { StringGridIni1SelectCell(column, row); });
    connect(StringGridIni1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TForm5::StringGridIni1TopLeftChanged);
    connect(BitBtn1, &QToolButton::clicked, this, &TForm5::BitBtn1Click);
    connect(BitBtn2, &QToolButton::clicked, this, &TForm5::BitBtn2Click);
    connect(BitBtn3, &QToolButton::clicked, this, &TForm5::BitBtn3Click);
}

void TForm5::buildChecklistTab(QWidget* page)
{
    StringGridIni2 = addTable(page, Field::Checklist,
                              {QStringLiteral("Pytania kontrolne do oceny warunków bhp"),
                               QStringLiteral("Działania naprawcze"), QStringLiteral("Odpowiedź")},
                              23, {.boldTitles = true, .evenRowsWindowText = true,
                                   .red = GridDelegate::RedRule::ContainsNie});
    setColumnHints(StringGridIni2, {kFromProject, kFromProject,
                                    QStringLiteral("T – TAK, N – NIE; F2 lub Alt+Strzałka w dół otwiera listę "
                                                   "odpowiedzi.")});
    ComboBox1 = new QComboBox(page);
    ComboBox1->addItems({QStringLiteral("TAK"), QStringLiteral("NIE")});
    ComboBox1->hide();
    static_cast<GridDelegate*>(StringGridIni2->itemDelegate())->focusedCellPainted = [this](int column, int row) {
        StringGridIni2DrawCell(column, row);
    };
    connect(StringGridIni2, &TStringGridIni::currentCellChanged, this,
            [this](int row, int column) { StringGridIni2SelectCell(column, row); });
    connect(StringGridIni2->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TForm5::StringGridIni2TopLeftChanged);
    connect(StringGridIni2, &TStringGridIni::cellDoubleClicked, this, &TForm5::StringGridIni2DblClick);
    connect(ComboBox1, &QComboBox::activated, this, &TForm5::ComboBox1Change);
}

void TForm5::buildPlanTab(QWidget* page)
{
    PlanTab = new PlanPage(document(), page);
    PlanGrid = addTable(PlanTab->measuresHolder(), Field::Plan, planTitles(), 20,
                        {.boldTitles = true, .evenRowsWindowText = true, .red = GridDelegate::RedRule::None});
    PlanTab->setMeasures(PlanGrid);
    setColumnHints(PlanGrid, {{}, QStringLiteral("wybierz z listy zagrożeń oceny."), QStringLiteral("najwyżej 250 znaków."),
                              QStringLiteral("wybierz z listy."), {}, QStringLiteral("data dd.mm.rrrr lub kalendarz."),
                              QStringLiteral("kwota nieujemna z przecinkiem dziesiętnym."), QStringLiteral("wybierz z listy."),
                              QStringLiteral("data dd.mm.rrrr; wpisywana sama, gdy działanie zostanie wykonane.")});
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PlanTab);
    connect(PlanTab, &PlanPage::exportPlanRequested, this, &TForm5::exportPlanRequested);
    connect(PlanTab, &PlanPage::overdueCountChanged, this, &TForm5::showOverdueCount);
}

void TForm5::showOverdueCount(int count)
{
    PageControl1->setTabText(TForm5::PlanTabIndex, count > 0 ? kPlanCaption + QStringLiteral(" (%1 po terminie)").arg(count)
                                                     : kPlanCaption);
}

void TForm5::buildWorkersTab(QWidget* page)
{
    WorkersTab = new WorkersPage(document(), page);
    WorkersGrid = addTable(WorkersTab->workersHolder(), Field::Workers,
                           {QStringLiteral("Imię i nazwisko"), QStringLiteral("Stanowisko / funkcja"),
                            QStringLiteral("Data zapoznania"), QStringLiteral("Uwagi")},
                           20, {.boldTitles = true, .evenRowsWindowText = true, .red = GridDelegate::RedRule::None});
    WorkersTab->setWorkers(WorkersGrid);
    setColumnHints(WorkersGrid, {{}, {}, QStringLiteral("data dd.mm.rrrr lub kalendarz.")});
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WorkersTab);
    connect(WorkersTab, &WorkersPage::outdatedCountChanged, this, &TForm5::showOutdatedCount);
}

void TForm5::showOutdatedCount(int count)
{
    PageControl1->setTabText(TForm5::WorkersTabIndex, count > 0 ? kWorkersCaption
                                                              + QStringLiteral(" (%1 do ponownego zapoznania)").arg(count)
                                                        : kWorkersCaption);
}

void TForm5::showListedCount()
{
    const int listed = int(workers::listed(document().workers().dataRows()).size());
    bool number = false;
    const int employees = document().text(Field::Employees).trimmed().toInt(&number);
    // An empty list is a list not kept, not a count.
    ListedLabel->setVisible(listed > 0 && (!number || employees != listed));
    ListedLabel->setText(QStringLiteral("na liście: %1").arg(listed));
}

void TForm5::buildOverviewTab(QWidget* page)
{
    OverviewPage = new RiskOverviewPage([this] { return document().assessmentValue(); }, page);
    OverviewPage->watch(StringGridIni1->model());
    OverviewPage->watch(StringGridIni2->model());
    OverviewPage->watch(&document().residual());
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(OverviewPage);
}

void TForm5::FormCreate()
{
    // The titles were set when the tables were made; the hazard table starts with all eight.
    resize(755, 448);
}

bool TForm5::readProject(const QString& projectPath)
{
    const QString own = file().FileName();
    // The project is only read: no lock is taken on it and nothing is written to it.
    const auto bindToOwnFile = qScopeGuard([this, &own] {
        IniDat1->CloseIni();
        IniDat1->SetReadTylko(false);
        bindToFile(own);
    });
    IniDat1->SetFileName(projectPath);
    IniDat1->SetReadTylko(true);
    openCopy();
    if (!holdsDocument())
        return false;
    loadDocument();
    return true;
}

void TForm5::documentLoaded()
{
    ShowPoCzytaniu();
    const int overdue = PlanTab->overdueCount();
    showOverdueCount(overdue);
    // The main window's status bar tells of late measures as the assessment opens.
    if (overdue > 0) {
        QStatusTipEvent tip(QStringLiteral("Plan działań: %1 po terminie.").arg(measuresText(overdue)));
        QCoreApplication::sendEvent(this, &tip);
    }
}

void TForm5::ShowPoCzytaniu()
{
    const int count = risk::hazardColumns(method()).count;
    QStringList titles = hazardTitles().mid(0, count - 1);
    titles.append(QStringLiteral("Ryzyko R"));
    StringGridIni1->table().setTitles(titles);
    QStringList hints{kFromProject, kFromProject, kFromProject, kFromProject, kPickerKeys, kPickerKeys};
    if (hasExposure(method()))
        hints.append(kPickerKeys);
    hints.append(QStringLiteral("obliczane przez program z wybranych wartości."));
    setColumnHints(StringGridIni1, hints);
    setColumnWidths();
}

void TForm5::setColumnWidths()
{
    if (hasExposure(method()))
        DocumentWindow::setColumnWidths(StringGridIni1, {widthPart(0.15), widthPart(0.15), widthPart(0.15),
                                                         widthPart(0.15), widthPart(0.10), widthPart(0.10),
                                                         widthPart(0.09), widthPart(0.11) - 24});
    else
        DocumentWindow::setColumnWidths(StringGridIni1, {widthPart(0.16), widthPart(0.16), widthPart(0.16),
                                                         widthPart(0.16), widthPart(0.11), widthPart(0.11),
                                                         widthPart(0.14) - 24});
    DocumentWindow::setColumnWidths(StringGridIni2, {widthPart(0.42), widthPart(0.42), widthPart(0.16) - 23});
    DocumentWindow::setColumnWidths(PlanGrid, {0, widthPart(0.13), widthPart(0.19), widthPart(0.10), widthPart(0.10),
                                               widthPart(0.09), widthPart(0.08), widthPart(0.09), widthPart(0.10),
                                               widthPart(0.12) - 24});
    DocumentWindow::setColumnWidths(WorkersGrid, {widthPart(0.30), widthPart(0.25), widthPart(0.15),
                                                  widthPart(0.30) - 24});
}

void TForm5::recomputeAllRows()
{
    runCommand([this] { document().recomputeAllRows(); });
}

void TForm5::FormResize()
{
    setColumnWidths();
    if (!BitBtn1->isHidden())
        StringGridIni1->setCurrentCell(StringGridIni1->currentRow(), 2);
    if (!ComboBox1->isHidden())
        StringGridIni2->setCurrentCell(StringGridIni2->currentRow(), 0);
    resetRowHeights(StringGridIni1);
    resetRowHeights(StringGridIni2);
    resetRowHeights(PlanGrid);
}

bool TForm5::PageControl1Changing()
{
    if (method() == RiskMethod::FiveSteps && document().text(Field::Employees).isEmpty()) {
        prompts().message(QStringLiteral("Musisz podać liczbę osób zatrudnionych (narażonych) na stanowisku."));
        return false;
    }
    return true;
}

QToolButton* TForm5::pickerOfCell(int column, int row) const
{
    if (row < 1)
        return nullptr;
    if (column == 4)
        return BitBtn1;
    if (column == 5)
        return BitBtn2;
    if (column == 6 && hasExposure(method()))
        return BitBtn3;
    return nullptr;
}

void TForm5::StringGridIni1SelectCell(int column, int row)
{
    BitBtn1->hide();
    BitBtn2->hide();
    BitBtn3->hide();
    if (QToolButton* picker = pickerOfCell(column, row))
        picker->show();
}

void TForm5::StringGridIni1TopLeftChanged()
{
    BitBtn1->hide();
    BitBtn2->hide();
    BitBtn3->hide();
}

void TForm5::StringGridIni1DrawCell(int column, int row)
{
    QToolButton* buttons[] = {BitBtn1, BitBtn2, BitBtn3};
    if (column >= 4 && column <= 6)
        placePickerButton(buttons[column - 4], StringGridIni1, column, row);
}

void TForm5::StringGridIni2SelectCell(int column, int row)
{
    ComboBox1->hide();
    if (row < 1 || column != AnswerColumn)
        return;
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->setCurrentIndex(ComboBox1->findText(StringGridIni2->cell(column, row), Qt::MatchFixedString));
    ComboBox1->show();
}

void TForm5::StringGridIni2TopLeftChanged()
{
    ComboBox1->hide();
}

void TForm5::StringGridIni2DrawCell(int column, int row)
{
    if (column == AnswerColumn)
        placeOverCell(ComboBox1, StringGridIni2, column, row,
                      QSize(StringGridIni2->columnWidth(column), AnswerListHeight));
}

void TForm5::StringGridIni2DblClick()
{
    const int row = StringGridIni2->currentRow();
    if (row < 1)
        return;
    const QString answer = StringGridIni2->cell(AnswerColumn, row) == QLatin1String("TAK") ? QStringLiteral("NIE")
                                                                                           : QStringLiteral("TAK");
    StringGridIni2->setCell(AnswerColumn, row, answer);
    if (!ComboBox1->isHidden()) {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentText(answer);
    }
}

void TForm5::ComboBox1Change()
{
    StringGridIni2->setCell(StringGridIni2->currentColumn(), StringGridIni2->currentRow(), ComboBox1->currentText());
    // The table takes the keys again, so Down goes to the next question instead of
    // changing the answer just chosen.
    StringGridIni2->setFocus();
}

void TForm5::recomputeRow(int row)
{
    runCommand([this, row] { document().recomputeRow(row); });
}

void TForm5::pick(int mode, risk::Factor factor)
{
    if (const int row = StringGridIni1->currentRow(); openScalePicker(mode, factor) && row >= 1)
        recomputeRow(row);
}

void TForm5::ratingChanged(int column, int row)
{
    const risk::HazardColumns columns = risk::hazardColumns(method());
    if (row >= 1 && (column == columns.s || column == columns.p || column == columns.e))
        recomputeRow(row);
}

void TForm5::BitBtn1Click()
{
    pick(1, risk::Factor::S);
}

void TForm5::BitBtn2Click()
{
    pick(2, risk::Factor::P);
}

void TForm5::BitBtn3Click()
{
    pick(3, risk::Factor::E);
}

bool TForm5::EditIni6KeyPress(QChar key)
{
    const bool typed = key.category() != QChar::Other_Control;
    if (!typed || (key >= u'0' && key <= u'9') || key == u'.')
        return true;
    QApplication::beep();
    return false;
}

void TForm5::EditIni6Change()
{
    if (!document().text(Field::Employees).isEmpty() && method() == RiskMethod::FiveSteps)
        recomputeAllRows();
}

bool TForm5::answerFromKey(const QKeyEvent* event)
{
    const int column = StringGridIni2->currentColumn();
    const int row = StringGridIni2->currentRow();
    if (row < 1 || column != AnswerColumn)
        return false;
    if (opensPicker(event)) {
        // Scrolling may have hidden the list while its cell stayed selected.
        StringGridIni2SelectCell(column, row);
        StringGridIni2DrawCell(column, row);
        ComboBox1->showPopup();
        return true;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int item = ComboBox1->findText(typed, Qt::MatchStartsWith);
    if (item < 0)
        return false;
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentIndex(item);
    }
    ComboBox1Change();
    return true;
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditIni6 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && !EditIni6KeyPress(text.front()))
            return true;
    }
    if (DocumentWindow::eventFilter(watched, event))
        return true;
    return watched == StringGridIni2 && event->type() == QEvent::KeyPress &&
           answerFromKey(static_cast<QKeyEvent*>(event));
}
