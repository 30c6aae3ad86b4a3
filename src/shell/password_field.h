#pragma once
// The password field of the options and password dialogs: a one-line edit that takes at
// most six characters and shows each of them as "*". A character that Windows-1250 cannot
// hold is refused as it is typed, so the stored password is the one the user typed.

class QLineEdit;
class QWidget;

inline constexpr int PasswordLength = 6;

QLineEdit* newPasswordField(const char* name, QWidget* parent);
