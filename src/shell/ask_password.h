#pragma once
// AskPassword: asks for the access password at start and returns the text the user
// confirmed; a dialog closed without confirming gives an empty text.

#include <QString>

QString AskPassword();
