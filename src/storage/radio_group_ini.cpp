#include "storage/radio_group_ini.h"

#include "base/app_error.h"
#include "base/win1250.h"
#include "storage/ini_file.h"
#include "storage/stored_values.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QGridLayout>

TRadioGroupIni::TRadioGroupIni(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), layout_(new QGridLayout(this))
{
    // Fires for a user's click and for a selection made in code alike, once per change.
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit Click(id);
    });
}

void TRadioGroupIni::setItems(const QStringList& items)
{
    for (QAbstractButton* button : group_->buttons()) {
        group_->removeButton(button);
        delete button;
    }
    // Buttons fill the first column from the top, then the next one.
    const int rows = (static_cast<int>(items.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        layout_->addWidget(button, i % rows, i / rows);
        group_->addButton(button, i);
    }
}

void TRadioGroupIni::setColumns(int columns)
{
    columns_ = qMax(1, columns);
    setItems(items());
}

QStringList TRadioGroupIni::items() const
{
    QStringList captions;
    for (const QAbstractButton* button : group_->buttons())
        captions.append(button->text());
    return captions;
}

int TRadioGroupIni::ItemIndex() const
{
    return group_->checkedId();
}

void TRadioGroupIni::setItemIndex(int index)
{
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go; lift that for a moment.
    if (QAbstractButton* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
}

void TRadioGroupIni::ReadIni()
{
    setItemIndex(stored::matchingValue(ini().ReadValue(sectionBytes(), keyBytes(), defaultBytes()), Values));
}

void TRadioGroupIni::WriteIni()
{
    const int index = ItemIndex();
    if (index < 0)
        return; // the key keeps whatever the document holds
    if (index >= Values.size())
        throw AppError(QStringLiteral("Indeks listy poza zakresem (%1)").arg(index));
    ini().WriteValue(sectionBytes(), keyBytes(), win1250::fromUnicode(Values[index]));
}

void TRadioGroupIni::connectEdits(QObject* context, const std::function<void()>& edited)
{
    connect(this, &TRadioGroupIni::Click, context, edited);
}
