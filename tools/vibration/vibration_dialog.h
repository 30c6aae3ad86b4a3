#pragma once
// VibrationDialog: the vibration tool's window. The user chooses the kind of vibration and lists
// the day's activities with their accelerations and times; the window shows A(8), the
// comparison with the limits, the verdict and the PN-N-18002 level.

#include "tool_window.h"

class ExposureTable;
class QRadioButton;

class VibrationDialog : public ToolWindow {
public:
    explicit VibrationDialog(QWidget* owner);

    void calculate() override;

private:
    QRadioButton* handArm_;
    QRadioButton* wholeBody_;
    ExposureTable* activities_;
};
