#pragma once
// NoiseExposureDialog: the noise tool's window. The user lists the day's activities with their
// sound levels and durations, and the window shows L_EX,8h, the comparison with the limits and
// the verdict, or what in the input cannot be used.

#include "tool_window.h"

class ExposureTable;
class NumberField;

class NoiseExposureDialog : public ToolWindow {
public:
    explicit NoiseExposureDialog(QWidget* owner);

    void calculate() override;

private:
    ExposureTable* activities_;
    NumberField* peak_;
    NumberField* maxLevel_;
};
