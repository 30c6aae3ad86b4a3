#include "storage/edit_ini.h"

#include "base/win1250.h"
#include "storage/ini_file.h"
#include "storage/win1250_input.h"

#include <limits>

TEditIni::TEditIni(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new Win1250Validator(this));
    setMaxLength(std::numeric_limits<int>::max());   // Qt's default of 32767 would cut a long value
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
