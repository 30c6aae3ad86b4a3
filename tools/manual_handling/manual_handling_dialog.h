#pragma once
// ManualHandlingDialog: the manual handling tool's window. The user gives the mass of the load,
// how many times an hour it is lifted or carried and the worker group; the window shows the
// limit, the verdict and the PN-N-18002 level.

#include "tool_window.h"

class NumberField;
class QComboBox;

class ManualHandlingDialog : public ToolWindow {
public:
    explicit ManualHandlingDialog(QWidget* owner);

    void calculate() override;

private:
    NumberField* mass_;
    NumberField* perHour_;
    QComboBox* group_;
};
