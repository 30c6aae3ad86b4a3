#pragma once
// TRadioGroupIni: a group of radio buttons bound to a Choice field: button i is the
// field's entry i.

#include "controls/bound_control.h"

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

class TRadioGroupIni : public QGroupBox, public BoundControl {
    Q_OBJECT
public:
    explicit TRadioGroupIni(const QString& caption = {}, QWidget* parent = nullptr);

    // Buttons in order; `items` become their captions.
    void setItems(const QStringList& items);
    QStringList items() const;
    // The number of button columns (1 when created); the buttons are laid out again.
    void setColumns(int columns);
    // -1 when no button is selected.
    int ItemIndex() const;
    // Selects the button at `index`; -1 (or any position without a button) selects none.
    void setItemIndex(int index);


signals:
    // A button was selected, by the user or by setItemIndex.
    void Click(int index);

protected:
    void showField() override;
    void connectEdits() override;

private:
    QButtonGroup* group_;
    QGridLayout* layout_;
    int columns_ = 1;
};
