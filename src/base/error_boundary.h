#pragma once
// The error boundary. Every command of the program runs through runCommand, which shows the
// error that ends it through the prompts interface, so no exception reaches Qt's event loop;
// the application's last-resort net shows what escapes any other code the same way and
// keeps the program running.

#include <exception>
#include <utility>

// Shows the error held by `error`: an AppError with its own text, any other exception with
// its description, anything else with a general message.
void showError(std::exception_ptr error);

// Runs `command`; an exception ends it and is shown. True when the command ran to its end.
template <class Command>
bool runCommand(Command&& command)
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (...) {
        showError(std::current_exception());
        return false;
    }
}
