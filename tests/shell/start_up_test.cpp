// The start-up's process-wide set-up. Registered twice, under an English and under a Polish
// system locale: after the set-up the program behaves the same under both.

#include "shell/start_up.h"

#include "base/regional_format.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// The locale CTest asked for, e.g. "pl_PL" from LC_ALL=pl_PL.UTF-8.
QString requestedLocale()
{
    return QString::fromLocal8Bit(qgetenv("LC_ALL")).section(QLatin1Char('.'), 0, 0);
}

class StartUp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        forceRegionalFormats();
        translated = installPolishTranslations(*QApplication::instance());
    }
    static bool translated;
};

bool StartUp::translated = false;

TEST_F(StartUp, RunsUnderTheRequestedSystemLocale)
{
    ASSERT_FALSE(requestedLocale().isEmpty()) << "run through CTest, which sets LC_ALL";
    EXPECT_EQ(QLocale::system().name(), requestedLocale());
}

TEST_F(StartUp, WidgetsShowTheDecimalComma)
{
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    EXPECT_EQ(QLocale().toString(0.5, 'f', 1), "0,5");
    QDoubleSpinBox box;
    box.setDecimals(1);
    box.setValue(2.5);
    EXPECT_EQ(box.text(), "2,5");
}

TEST_F(StartUp, ProgramConversionsUseTheDecimalCommaAndFixedDateTimeFormats)
{
    EXPECT_EQ(regional::formatFixed(1.25, 1), "1,3");
    EXPECT_DOUBLE_EQ(regional::parseFloat("0,5"), 0.5);
    EXPECT_EQ(regional::formatDate(QDate(2024, 3, 7)), "07.03.2024");
    EXPECT_EQ(regional::formatTime(QTime(9, 5)), "09:05");
}

TEST_F(StartUp, LibraryNumberConversionsDoNotFollowTheSystemLocale)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    EXPECT_STREQ(text, "0.5");
}

TEST_F(StartUp, StandardButtonsAndHelpSearchArePolish)
{
    ASSERT_TRUE(translated) << "qtbase_pl and qt_help_pl are installed with qt6-translations-l10n";
    QMessageBox box(QMessageBox::Warning, "Pytanie", "Tekst", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Tak");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Nie");
    EXPECT_EQ(QCoreApplication::translate("QHelpSearchQueryWidget", "Search"), "Wyszukaj") << "qt_help_pl";
}

} // namespace
