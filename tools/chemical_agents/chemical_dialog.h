#pragma once
// ChemicalDialog: the chemical agents tool's window. The user lists the substances with their
// measured concentrations and limits, marks the carcinogens and the substances of similar
// action; the window shows each substance's index, the mixture's, the verdict and the
// PN-N-18002 levels.

#include "tool_window.h"

class ExposureTable;
class QLabel;

class ChemicalDialog : public ToolWindow {
public:
    explicit ChemicalDialog(QWidget* owner);

    void calculate() override;

private:
    ExposureTable* substances_;
    QLabel* mixture_;
};
