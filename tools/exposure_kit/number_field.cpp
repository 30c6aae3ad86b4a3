#include "number_field.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

NumberField::NumberField(const QString& name, exposure::NumberRule rule, QWidget* parent)
    : QWidget(parent)
    , rule_(rule)
    , line_(new QLineEdit)
    , message_(new QLabel)
{
    line_->setObjectName(name);
    line_->setMaximumWidth(110);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(line_);
    layout->addWidget(message_, 1);
    connect(line_, &QLineEdit::textChanged, this, &NumberField::check);
}

QString NumberField::text() const
{
    return line_->text();
}

QString NumberField::message() const
{
    return message_->text();
}

void NumberField::check()
{
    // An empty required line is only named once the user has typed and deleted something.
    message_->setText(exposure::sentence(exposure::numberProblem(line_->text(), rule_)));
}
