#include "shell/password_field.h"

#include "controls/win1250_input.h"

#include <QLineEdit>

QLineEdit* newPasswordField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(PasswordLength);
    // The style's own mask character (often a bullet) gives way to "*".
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    field->setValidator(new Win1250Validator(field));
    return field;
}
