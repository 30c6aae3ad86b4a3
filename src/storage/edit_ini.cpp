#include "storage/edit_ini.h"

#include "base/win1250.h"
#include "storage/ini_file.h"
#include "storage/win1250_input.h"

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

void TEditIni::ReadIni()
{
    setText(win1250::toUnicode(ini().ReadValue(sectionBytes(), keyBytes(), defaultBytes())));
}

void TEditIni::WriteIni()
{
    ini().WriteValue(sectionBytes(), keyBytes(), win1250::fromUnicode(text()));
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

void TEditIni::connectEdits(QObject* context, const std::function<void()>& edited)
{
    connect(this, &QLineEdit::textChanged, context, edited);
}
