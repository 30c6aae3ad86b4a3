#include "controls/radio_group_ini.h"


#include "model/document_model.h"

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

void TRadioGroupIni::showField()
{
    setItemIndex(documentModel()->choice(field()));
}

void TRadioGroupIni::connectEdits()
{
    connect(this, &TRadioGroupIni::Click, this, [this](int index) { documentModel()->setChoice(field(), index); });
}
