#pragma once
// TRadioGroupIni: a group of radio buttons bound to one key; stores the Values entry of the
// selected button, and selects on reading the first entry equal to the stored text,
// compared without regard to letter case.

#include "storage/bound_control.h"

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

class TRadioGroupIni : public QGroupBox, public BoundControl {
    Q_OBJECT
public:
    explicit TRadioGroupIni(const QString& caption = {}, QWidget* parent = nullptr);

    // One stored value per button, in button order.
    QStringList Values;

    // Buttons in order; `items` become their captions.
    void setItems(const QStringList& items);
    QStringList items() const;
    // The number of button columns (1 when created); the buttons are laid out again.
    void setColumns(int columns);
    // -1 when no button is selected.
    int ItemIndex() const;
    // Selects the button at `index`; -1 (or any position without a button) selects none.
    void setItemIndex(int index);

    void ReadIni() override;
    void WriteIni() override;
    void connectEdits(QObject* context, const std::function<void()>& edited) override;

signals:
    // A button was selected, by the user or by ReadIni / setItemIndex.
    void Click(int index);

private:
    QButtonGroup* group_;
    QGridLayout* layout_;
    int columns_ = 1;
};
