// The error boundary's last-resort net: this binary runs under the program's own
// application class, so an exception that escapes a slot meets the net as it would in the
// program.

#include "base/app_error.h"
#include "shell/program_application.h"
#include "support/scripted_prompts.h"

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

struct EscapingError {
    const char* name;
    std::function<void()> raise;
    QString shown;
};

class ErrorFromASlot : public ::testing::TestWithParam<EscapingError> {};

} // namespace

TEST_P(ErrorFromASlot, IsShownAndTheEventLoopRunsOn)
{
    PromptsScope scope;
    bool later = false;
    QEventLoop loop;
    QTimer::singleShot(0, GetParam().raise);
    QTimer::singleShot(0, [&later] { later = true; });
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();

    ASSERT_EQ(scope.prompts.messages.size(), 1);
    EXPECT_EQ(scope.prompts.messages[0].text, GetParam().shown);
    EXPECT_EQ(scope.prompts.messages[0].icon, Prompts::Icon::Error);
    EXPECT_TRUE(later) << "the events after the failing one are still handled";
}

INSTANTIATE_TEST_SUITE_P(
    ErrorBoundary, ErrorFromASlot,
    ::testing::Values(
        EscapingError{"AppError", [] { throw AppError(QStringLiteral("Nie można zapisać pliku „a.ron”.")); },
                      QStringLiteral("Nie można zapisać pliku „a.ron”.")},
        EscapingError{"StdException", [] { throw std::runtime_error("vector::_M_range_check"); },
                      QStringLiteral("vector::_M_range_check")},
        EscapingError{"OutOfMemory", [] { throw std::bad_alloc(); },
                      QStringLiteral("Za mało pamięci, aby dokończyć polecenie. Zamknij niepotrzebne dokumenty i "
                                     "spróbuj ponownie.")},
        EscapingError{"AnythingElse", [] { throw 42; }, QStringLiteral("Wystąpił nieoczekiwany błąd.")}),
    [](const ::testing::TestParamInfo<EscapingError>& param) { return std::string(param.param.name); });

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ProgramApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
