#include "base/error_boundary.h"

#include "base/app_error.h"
#include "base/prompts.h"

#include <new>

void showError(std::exception_ptr error)
{
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const AppError& appError) {
        text = appError.text();
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Za mało pamięci, aby dokończyć polecenie. Zamknij niepotrzebne dokumenty i spróbuj "
                              "ponownie.");
    } catch (const std::exception& other) {
        text = QString::fromLocal8Bit(other.what());
    } catch (...) {
        text = QStringLiteral("Wystąpił nieoczekiwany błąd.");
    }
    prompts().message(text, Prompts::Icon::Error);
}
