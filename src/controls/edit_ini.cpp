#include "controls/edit_ini.h"

#include "model/document_model.h"
#include "controls/win1250_input.h"

#include <limits>

TEditIni::TEditIni(QWidget* parent) : QLineEdit(parent), validator_(new Win1250Validator(this))
{
    setValidator(validator_);
    // The validator sees the text after an edit; it compares with the length before it.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        validator_->previousLength = static_cast<int>(text.size());
    });
    setMaxLength(std::numeric_limits<int>::max());   // Qt's default of 32767 would cut a long value
}

void TEditIni::setTypingLimit(int limit)
{
    validator_->typingLimit = limit;
}

void TEditIni::showField()
{
    if (text() == documentModel()->text(field()))
        return;
    setText(documentModel()->text(field()));
    // Shown with the signals quiet, so the validator learns the new length here.
    validator_->previousLength = static_cast<int>(text().size());
}

void TEditIni::connectEdits()
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { documentModel()->setText(field(), text); });
}

void TEditIni::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    emit OnMouseEnter(this);
}

void TEditIni::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    emit OnMouseExit(this);
}

