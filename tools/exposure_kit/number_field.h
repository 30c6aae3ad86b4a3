#pragma once
// NumberField: a line for one value of an exposure calculator, checked as it is typed: what
// cannot be used is named in red next to the line, in Polish.

#include "exposure_input.h"

#include <QWidget>

class QLabel;
class QLineEdit;

class NumberField : public QWidget {
public:
    // `name` becomes the line's object name, so that a window can be filled by name.
    NumberField(const QString& name, exposure::NumberRule rule, QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* line() const { return line_; }
    // The message shown next to the line; empty while the value can be used.
    QString message() const;

private:
    void check();

    exposure::NumberRule rule_;
    QLineEdit* line_;
    QLabel* message_;
};
