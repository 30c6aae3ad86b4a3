#pragma once
// AppError: an error that ends a command and is shown to the user with its own text.
// Raised by conversions, file operations and the document commands; the caller that
// started the command catches it and shows text() through the prompts interface.

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};
