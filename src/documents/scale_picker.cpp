#include "documents/scale_picker.h"

#include "base/app_error.h"
#include "documents/auto_scale.h"
#include "risk/risk_method.h"
#include "controls/string_grid_ini.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace {

QPointer<TForm3> currentPicker;

QString captionOf(int mode)
{
    switch (mode) {
    case 2:
        return QStringLiteral("Prawdopodobieństwo wystąpienia zdarzenia, szkody P:");
    case 3:
        return QStringLiteral("Ekspozycja na zagrożenie E:");
    default:
        return QStringLiteral("Skutki, stopień szkód S:");
    }
}

QPushButton* makeButton(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TForm3* Form3()
{
    return currentPicker;
}

TForm3::TForm3(int mode, TStringGridIni* target, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      target_(target)
{
    currentPicker = this;
    setFont(QFont(QStringLiteral("Arial"), 8));
    setWindowTitle(captionOf(mode));
    setFixedSize(656, 264);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setGeometry(8, 8, 633, 209);
    entriesLayout_ = new QVBoxLayout(RadioGroup1);
    // The longest scale has nine entries: without gaps each keeps its full height.
    entriesLayout_->setContentsMargins(8, 2, 8, 2);
    entriesLayout_->setSpacing(0);
    group_ = new QButtonGroup(this);

    BitBtn1 = makeButton(QStringLiteral("O.K."), QRect(552, 228, 91, 25), this);
    BitBtn2 = makeButton(QStringLiteral("Anuluj"), QRect(448, 228, 91, 25), this);
    // Enter chooses wherever the focus is among the entries; Esc cancels (QDialog's reject).
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
}

void TForm3::addEntries(const QStringList& entries)
{
    for (const QString& entry : entries) {
        auto* button = new QRadioButton(entry, RadioGroup1);
        group_->addButton(button, group_->buttons().size());
        entriesLayout_->addWidget(button);
    }
}

QStringList TForm3::entries() const
{
    QStringList texts;
    for (QAbstractButton* button : group_->buttons())
        texts.append(button->text());
    return texts;
}

int TForm3::ItemIndex() const
{
    return group_->checkedId();
}

void TForm3::setItemIndex(int index)
{
    if (QAbstractButton* button = group_->button(index))
        button->setChecked(true);
}

void TForm3::selectCellEntry()
{
    const QString cell = target_ ? target_->cell(target_->currentColumn(), target_->currentRow()) : cellText_;
    const QStringList texts = entries();
    cellEntry_ = texts.indexOf(cell);
    if (cellEntry_ < 0 && cell.contains(QLatin1Char('='))) {
        try {
            const double value = risk::entryValue(cell);
            for (qsizetype i = 0; i < texts.size() && cellEntry_ < 0; ++i)
                if (risk::entryValue(texts[i]) == value)
                    cellEntry_ = int(i);
        } catch (const AppError&) {
            // Not a number: the cell holds no entry of this scale.
        }
    }
    setItemIndex(cell.isEmpty() ? 0 : cellEntry_);
}

void TForm3::BitBtn1Click()
{
    // With an empty list (a document without a method) there is nothing to write.
    QAbstractButton* chosen = group_->checkedButton();
    if (chosen && ItemIndex() != cellEntry_) {
        chosen_ = chosen->text();
        if (target_)
            target_->setCell(target_->currentColumn(), target_->currentRow(), chosen_);
        changed_ = true;
    }
    close();
}

void TForm3::BitBtn2Click()
{
    close();
}

void TForm3::FormShow()
{
    ApplyAutoScale(this);
    // The arrow keys move the choice from the start; Tab goes on to O.K. and "Anuluj".
    if (QAbstractButton* chosen = group_->checkedButton())
        chosen->setFocus();
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

namespace {

// Shows a new picker modally and gives back what O.K. chose; empty when another picker is
// open, the user cancelled or kept the cell's entry.
QString runPicker(int mode, const QStringList& entries, TStringGridIni* target, const QString& cellText,
                  QWidget* owner)
{
    if (Form3())
        return {};
    const auto picker = std::make_unique<TForm3>(mode, target, owner);
    picker->setCellText(cellText);
    picker->addEntries(entries);
    picker->selectCellEntry();
    picker->exec();
    return picker->changedCell() ? picker->chosenText() : QString();
}

} // namespace

bool ShowScalePicker(int mode, const QStringList& entries, TStringGridIni* target, QWidget* owner)
{
    return !runPicker(mode, entries, target, {}, owner).isEmpty();
}

QString ChooseScaleEntry(int mode, const QStringList& entries, const QString& current, QWidget* owner)
{
    return runPicker(mode, entries, nullptr, current, owner);
}
