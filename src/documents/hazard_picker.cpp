#include "documents/hazard_picker.h"

#include "base/app_error.h"
#include "base/help_request.h"
#include "base/prompts.h"
#include "base/win1250.h"
#include "documents/auto_scale.h"
#include "documents/help_context.h"
#include "storage/ini_dat.h"
#include "controls/long_word_wrap.h"
#include "controls/radio_group_ini.h"
#include "storage/regular_file.h"
#include "controls/string_grid_ini.h"
#include "controls/win1250_input.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

namespace {

QPointer<TForm4> currentPicker;

constexpr int HelpContext = 5090;
constexpr int MemoTypingLimit = 250;
constexpr int FieldWidth = 600;
constexpr int MemoHeight = 46;
constexpr int ListHeight = 150;
// The list's column leaves room for its vertical scroll bar.
constexpr int ScrollBarRoom = 24;

// A memo whose typing and pasting stop at `limit` characters; text set by the program may
// be longer. What Windows-1250 cannot hold is refused, as in the document's memos.
class LimitedMemo : public QPlainTextEdit {
public:
    LimitedMemo(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit)
    {
        setFixedSize(FieldWidth, MemoHeight);
        setTabChangesFocus(true);
        followLongWords(this);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString typed = event->text();
        const bool inserts = !typed.isEmpty() && (typed.front().isPrint() || typed.front() == u'\r');
        if (inserts && (refuseUnencodable(typed) || room() < typed.size())) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        const QString text = source->text();
        if (!source->hasText() || refuseUnencodable(text))
            return;
        insertPlainText(text.left(qMax(0, room())));
    }

private:
    // How many more characters may come in place of the selection.
    int room() const
    {
        return limit_ - static_cast<int>(document()->characterCount() - 1 - textCursor().selectedText().size());
    }

    int limit_;
};

QLabel* addLabel(QGridLayout* grid, int row, const QString& text)
{
    auto* label = new QLabel(text, grid->parentWidget());
    grid->addWidget(label, row, 0, Qt::AlignTop);
    return label;
}

QPushButton* makeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    // Enter in the list picks a hazard and Enter in a memo starts a line: no default button.
    button->setAutoDefault(false);
    button->setMinimumWidth(91);
    return button;
}

// A memo's lines joined by CR LF, as the table keeps a multi-line cell.
QString cellText(const QPlainTextEdit* memo)
{
    return memo->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

TForm4* Form4()
{
    return currentPicker;
}

TForm4::TForm4(const QString& cataloguePath, TStringGridIni* target, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      IniDat1(new TIniDat(this)),
      target_(target)
{
    setWindowTitle(QStringLiteral("Zagrożenia zawodowe."));
    setHelpContext(this, HelpContext);
    setFont(QFont(QStringLiteral("Arial"), 8));
    buildControls();

    IniDat1->SetReadTylko(true);
    try {
        IniDat1->OpenIniFile(cataloguePath);
    } catch (const FileRefused&) {
        throw;   // its own text says all
    } catch (const AppError&) {
        prompts().message(QStringLiteral("Problem z otwarciem pliku. Sprawdź nazwę zbioru."), Prompts::Icon::Error);
        throw;
    }
    groups_ = IniDat1->Ini()->SectionNames();
    for (const QByteArray& group : groups_)
        ComboBox1->addItem(win1250::toUnicode(group));
    ComboBox1->setCurrentIndex(-1);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm4::ComboBox1Change);
    currentPicker = this;
}

TForm4::~TForm4() = default;

void TForm4::buildControls()
{
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    addLabel(grid, 0, QStringLiteral("Grupa:"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setFixedWidth(FieldWidth);
    grid->addWidget(ComboBox1, 0, 1);

    StringGrid1 = new QTableWidget(1, 1, this);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(18);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setWordWrap(false);
    StringGrid1->setFixedSize(FieldWidth, ListHeight);
    StringGrid1->setItem(0, 0, new QTableWidgetItem);
    StringGrid1->installEventFilter(this);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &TForm4::StringGrid1DblClick);
    grid->addWidget(StringGrid1, 1, 1);

    addLabel(grid, 2, QStringLiteral("Zagrożenie"));
    Memo1 = new LimitedMemo(MemoTypingLimit, this);
    grid->addWidget(Memo1, 2, 1);
    addLabel(grid, 3, QStringLiteral("Źródła\nzagrożenia"));
    Memo3 = new LimitedMemo(MemoTypingLimit, this);
    grid->addWidget(Memo3, 3, 1);
    addLabel(grid, 4, QStringLiteral("Możliwe\nskutki"));
    Memo2 = new LimitedMemo(MemoTypingLimit, this);
    grid->addWidget(Memo2, 4, 1);
    addLabel(grid, 5, QStringLiteral("Stopień\nszkód S"));
    RadioGroup1 = new TRadioGroupIni(QString(), this);
    RadioGroup1->setFixedWidth(FieldWidth);
    grid->addWidget(RadioGroup1, 5, 1);
    addLabel(grid, 6, QStringLiteral("Działania\nzapobiegawcze"));
    Memo4 = new LimitedMemo(MemoTypingLimit, this);
    grid->addWidget(Memo4, 6, 1);

    SpeedButton1 = makeButton(QStringLiteral("O.K."), this);
    SpeedButton4 = makeButton(QStringLiteral("Znajdź"), this);
    SpeedButton3 = makeButton(QStringLiteral("Pomoc"), this);
    SpeedButton2 = makeButton(QStringLiteral("Anuluj"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(SpeedButton3);
    buttons->addStretch();
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(SpeedButton1);
    grid->addLayout(buttons, 7, 0, 1, 2);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm4::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TForm4::SpeedButton3Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &TForm4::SpeedButton4Click);
}

void TForm4::ComboBox1Change()
{
    StringGrid1->setRowCount(1);
    StringGrid1->item(0, 0)->setText(QString());
    const int group = ComboBox1->currentIndex();
    hazards_ = group < 0 ? QList<QByteArray>() : IniDat1->Ini()->SectionKeys(groups_[group]);
    StringGrid1->setRowCount(qMax<int>(1, hazards_.size()));
    for (int row = 0; row < hazards_.size(); ++row) {
        if (!StringGrid1->item(row, 0))
            StringGrid1->setItem(row, 0, new QTableWidgetItem);
        StringGrid1->item(row, 0)->setText(win1250::toUnicode(hazards_[row]));
    }
}

void TForm4::StringGrid1DblClick()
{
    Memo1->clear();
    Memo2->clear();
    const int row = StringGrid1->currentRow();
    const int group = ComboBox1->currentIndex();
    if (row < 0 || row >= hazards_.size() || group < 0)
        return;
    const QString hazard = StringGrid1->item(row, 0)->text();
    const QString effects = win1250::toUnicode(IniDat1->Ini()->ReadValue(groups_[group], hazards_[row], {}));
    wrapForIncoming(Memo1, hazard);
    Memo1->setPlainText(hazard);
    wrapForIncoming(Memo2, effects);
    Memo2->setPlainText(effects);
}

void TForm4::SpeedButton1Click()
{
    const int row = target_->currentRow();
    if (row >= 0) {
        const QPlainTextEdit* memos[] = {Memo1, Memo3, Memo2, Memo4};
        for (int column = 0; column < 4; ++column)
            target_->setCell(column, row, cellText(memos[column]));
        if (const int chosen = RadioGroup1->ItemIndex(); chosen >= 0)
            target_->setCell(4, row, RadioGroup1->items()[chosen]);
    }
    accept();
}

void TForm4::SpeedButton2Click()
{
    reject();
}

void TForm4::SpeedButton3Click()
{
    requestHelp(HelpContext);
}

void TForm4::SpeedButton4Click()
{
    ShowFindDialog(ComboBox1->currentIndex() < 0 ? wholeCatalogue() : chosenGroup(), this);
}

SearchedRows TForm4::chosenGroup()
{
    SearchedRows rows;
    for (int row = 0; row < StringGrid1->rowCount(); ++row)
        rows.texts.append(StringGrid1->item(row, 0)->text());
    rows.select = [this](int row) { showHazard(ComboBox1->currentIndex(), row); };
    return rows;
}

// Every hazard of every group, in catalogue order; a match chooses its group.
SearchedRows TForm4::wholeCatalogue()
{
    SearchedRows rows;
    QList<std::pair<int, int>> places;   // (group, row) of each text
    for (int group = 0; group < groups_.size(); ++group) {
        const QList<QByteArray> keys = IniDat1->Ini()->SectionKeys(groups_[group]);
        for (int row = 0; row < keys.size(); ++row) {
            rows.texts.append(win1250::toUnicode(keys[row]));
            places.append({group, row});
        }
    }
    rows.select = [this, places](int index) { showHazard(places[index].first, places[index].second); };
    return rows;
}

void TForm4::showHazard(int group, int row)
{
    if (ComboBox1->currentIndex() != group)
        ComboBox1->setCurrentIndex(group);
    StringGrid1->setCurrentCell(row, 0);
    StringGrid1->scrollToItem(StringGrid1->item(row, 0));
}

void TForm4::FormShow()
{
    ApplyAutoScale(this);
    StringGrid1->setColumnWidth(0, StringGrid1->width() - ScrollBarRoom);
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}


bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a hazard picks it, as a double-click does.
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            StringGrid1DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowHazardPicker(const QString& cataloguePath, const QStringList& degreesOfHarm, TStringGridIni* target,
                      QWidget* owner)
{
    if (Form4())
        return;
    const auto picker = std::make_unique<TForm4>(cataloguePath, target, owner);
    picker->RadioGroup1->setItems(degreesOfHarm);
    picker->exec();
}
