#include "documents/project_window.h"

#include "base/prompts.h"
#include "controls/edit_ini.h"
#include "model/document_model.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int HazardTab = 2;
constexpr int SColumn = 4;

const QString kTyping = QStringLiteral("wpisz tekst; Esc anuluje wpisywanie.");

const QStringList& hazardTitles()
{
    static const QStringList titles{
        QStringLiteral("Zagrożenie"), QStringLiteral("Źródła zagrożenia"), QStringLiteral("Możliwe skutki zagrożenia"),
        QStringLiteral("Działania zapobiegawcze"), QStringLiteral("Stopień szkód S"),
    };
    return titles;
}

void setInPlaceEditing(TStringGridIni* table, bool on)
{
    table->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
}

// The project's tables change only the background of even rows and never paint red.
constexpr GridDelegate::Style hazardStyle{.boldTitles = false, .evenRowsWindowText = true,
                                          .red = GridDelegate::RedRule::None};
constexpr GridDelegate::Style checklistStyle{.boldTitles = true, .evenRowsWindowText = false,
                                             .red = GridDelegate::RedRule::None};

} // namespace

TForm2::TForm2(DocumentHost* host, QWidget* parent)
    : DocumentWindow(host, DocumentKind::Project, 5040, QStringLiteral(".rpr"), HazardTab, parent)
{
    buildProjectDescription(addPage(QStringLiteral("Opis projektu")));
    buildWorkstationMemos(addPage(QStringLiteral("Ogólna charakterystyka stanowiska pracy")));
    buildHazardTab(addPage(QStringLiteral("Zagrożenia zawodowe")));
    buildChecklistTab(addPage(QStringLiteral("Ocena warunków bhp")));
    setBoundControls({
        {EditIni1, EditIni2, EditIni3, MemoIni1, RadioGroupIni1},
        {MemoIni2, MemoIni3, MemoIni4, MemoIni5, MemoIni6, MemoIni7},
        {StringGridIni1},
        {StringGridIni2},
    });
    connect(RadioGroupIni1, &TRadioGroupIni::Click, this, &TForm2::RadioGroupIni1Click);
    FormCreate();
    finishCreation();
}

void TForm2::buildHazardTab(QWidget* page)
{
    StringGridIni1 = addTable(page, Field::Hazards, hazardTitles(), 20, hazardStyle);
    setColumnHints(StringGridIni1, {kTyping, kTyping, kTyping, kTyping,
                                    QStringLiteral("F2 lub Alt+Strzałka w dół otwiera listę wartości.")});
    BitBtn1 = addPickerButton(page);
    static_cast<GridDelegate*>(StringGridIni1->itemDelegate())->focusedCellPainted = [this](int column, int row) {
        StringGridIni1DrawCell(column, row);
    };
    connect(StringGridIni1, &TStringGridIni::currentCellChanged, this, [this](int row, int column) {
        StringGridIni1SelectCell(column, row);
        StringGridIni1Click();
    });
    connect(StringGridIni1, &TStringGridIni::cellClicked, this, &TForm2::StringGridIni1Click);
    connect(StringGridIni1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TForm2::StringGridIni1TopLeftChanged);
    connect(BitBtn1, &QToolButton::clicked, this, &TForm2::BitBtn1Click);
}

void TForm2::buildChecklistTab(QWidget* page)
{
    StringGridIni2 = addTable(page, Field::Checklist,
                              {QStringLiteral("Pytania kontrolne do oceny warunków bhp"),
                               QStringLiteral("Działania naprawcze")},
                              20, checklistStyle);
    setColumnHints(StringGridIni2, {kTyping, kTyping});
    connect(StringGridIni2, &TStringGridIni::currentCellChanged, this, &TForm2::StringGridIni2Click);
    connect(StringGridIni2, &TStringGridIni::cellClicked, this, &TForm2::StringGridIni2Click);
}

void TForm2::FormCreate()
{
    // The titles were set when the tables were made.
    resize(755, 448);
}

void TForm2::FormShow()
{
    DocumentWindow::FormShow();
    setColumnWidths();
}

void TForm2::setColumnWidths()
{
    const int wide = widthPart(0.21);
    DocumentWindow::setColumnWidths(StringGridIni1, {wide, wide, wide, wide, widthPart(0.16) - 23});
    DocumentWindow::setColumnWidths(StringGridIni2, {widthPart(0.46), widthPart(0.54) - 23});
}

void TForm2::FormResize()
{
    setColumnWidths();
    if (!BitBtn1->isHidden())
        StringGridIni1->setCurrentCell(StringGridIni1->currentRow(), 2);
    resetRowHeights(StringGridIni1);
    resetRowHeights(StringGridIni2);
}

bool TForm2::PageControl1Changing()
{
    if (RadioGroupIni1->ItemIndex() < 0) {
        prompts().message(QStringLiteral("Musisz określić metodę oceny ryzyka zawodowego."));
        return false;
    }
    return true;
}

void TForm2::RadioGroupIni1Click(int index)
{
    // With no hazard yet there is nothing to pick again.
    if (StringGridIni1->rowCount() <= 1)
        return;
    const QString warning =
        QStringLiteral("Po zmianie metody oceny ryzyka należy wprowadzić ponownie „Stopień szkód S") +
        QStringLiteral("\"") +
        QStringLiteral(" w tabeli zagrożenia zawodowe.\rAktualne współczynniki S nie są odpowiednie dla zmienionej "
                       "metody.");
    QList<int> offScaleRows;
    for (int r = 1; r < StringGridIni1->rowCount(); ++r)
        if (document().isOffScale(SColumn, r))
            offScaleRows.append(r);
    if (offScaleRows.isEmpty()) {
        prompts().message(warning, Prompts::Icon::Warning);
        return;
    }
    const QString question =
        warning + QStringLiteral("\r\rWartości S spoza skali metody %1: %2. Czy je usunąć?\r"
                                 "Tak – usuń je, Nie – zostaw je oznaczone do ponownego wyboru.")
                      .arg(risk::methodNames().value(index))
                      .arg(offScaleRows.size());
    if (!prompts().question(question))
        return;
    for (const int r : offScaleRows)
        StringGridIni1->setCell(SColumn, r, QString());
}

void TForm2::StringGridIni1Click()
{
    const int row = StringGridIni1->currentRow();
    setInPlaceEditing(StringGridIni1, row >= 1 && StringGridIni1->currentColumn() != SColumn);
}

void TForm2::StringGridIni2Click()
{
    setInPlaceEditing(StringGridIni2, StringGridIni2->currentRow() >= 1);
}

QToolButton* TForm2::pickerOfCell(int column, int row) const
{
    return row >= 1 && column == SColumn ? BitBtn1 : nullptr;
}

void TForm2::StringGridIni1SelectCell(int column, int row)
{
    BitBtn1->hide();
    if (QToolButton* picker = pickerOfCell(column, row))
        picker->show();
}

void TForm2::StringGridIni1TopLeftChanged()
{
    BitBtn1->hide();
}

void TForm2::StringGridIni1DrawCell(int column, int row)
{
    if (column == SColumn)
        placePickerButton(BitBtn1, StringGridIni1, column, row);
}

void TForm2::BitBtn1Click()
{
    openScalePicker(1, risk::Factor::S);
}
