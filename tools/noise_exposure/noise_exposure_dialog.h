#pragma once
// NoiseExposureDialog: the noise tool's window. The user lists the day's activities with their
// sound levels and durations, and the window shows L_EX,8h, the comparison with the limits and
// the verdict, or what in the input cannot be used.
//
// It has no Q_OBJECT of its own and queues nothing, so the library that holds it can be
// unloaded as soon as the dialog is gone.

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

class NoiseExposureDialog : public QDialog {
public:
    explicit NoiseExposureDialog(QWidget* owner);

    // Reads the table and the fields and shows the result or the error.
    void calculate();

private:
    QWidget* createActivityTable();
    QWidget* createLimitsBox();

    QTableWidget* activities_ = nullptr;
    QLineEdit* peak_ = nullptr;
    QLineEdit* maxLevel_ = nullptr;
    QLabel* result_ = nullptr;
};
