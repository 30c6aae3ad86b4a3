// The pieces the exposure calculators share: values checked as they are typed, with the message
// next to the field or below the table, and the result written as a one-page PDF.

#include "exposure_table.h"
#include "number_field.h"
#include "result_sheet.h"

#include "support/temp_folder.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

using exposure::NumberRule;

struct TypedCase {
    NumberRule rule;
    QString typed;
    QString message;   // next to the field, or below the table for the same cell
};

TEST(ExposureKit, TypedValuesAreCheckedAsTheyAreTyped)
{
    const QList<TypedCase> cases{
        {NumberRule::NonNegative, "2,5", ""},
        {NumberRule::NonNegative, "2.5", ""},
        {NumberRule::NonNegative, "0", ""},
        {NumberRule::NonNegative, "-0,1", "Wartość nie może być ujemna."},
        {NumberRule::NonNegative, "2,5 kg", "„2,5 kg” nie jest liczbą; wpisz np. 2,5."},
        {NumberRule::NonNegative, "1e400", "„1e400” nie jest liczbą; wpisz np. 2,5."},
        {NumberRule::Positive, "0", "Wartość musi być większa od zera."},
        {NumberRule::Positive, " ", "Wpisz wartość."},
        {NumberRule::OptionalPositive, " ", ""},
    };
    for (const TypedCase& c : cases) {
        NumberField field(QStringLiteral("pole"), c.rule);
        field.line()->setText(QStringLiteral("x"));
        field.line()->setText(c.typed);
        EXPECT_EQ(field.message(), c.message) << c.typed.toStdString();

        ExposureTable table(QStringLiteral("Tabela"), {{QStringLiteral("Nazwa")}, {QStringLiteral("a"), ExposureTable::Kind::Number, c.rule}}, 2);
        table.table()->setItem(1, 1, new QTableWidgetItem(c.typed));
        const QString expected = c.message.isEmpty() || c.typed.trimmed().isEmpty()
                                     ? QString()
                                     : QStringLiteral("Wiersz 2, a: ") + c.message.first(1).toLower() + c.message.mid(1);
        EXPECT_EQ(table.message(), expected) << c.typed.toStdString();
    }
}

TEST(ExposureKit, TableMessageGoesWhenTheCellIsMended)
{
    ExposureTable table(QStringLiteral("Tabela"), {{QStringLiteral("Czas"), ExposureTable::Kind::Duration}}, 1);
    table.table()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("pół")));
    EXPECT_EQ(table.message(), "Wiersz 1, Czas: „pół” nie jest czasem; wpisz np. 2,5 (godziny), 2:30 lub 30 min.");
    table.table()->item(0, 0)->setText(QStringLiteral("30 min"));
    EXPECT_EQ(table.message(), "");
}

TEST(ExposureKit, ResultSheetIsOnePagePdf)
{
    TempFolder folder;
    const ResultSheet sheet{QStringLiteral("Drgania mechaniczne"), QDate(2026, 3, 4), QStringLiteral("<p>a = 6,2 m/s², 2 h</p>"),
                            QStringLiteral("A(8) = √(Σ a² t / 8 h)"), QStringLiteral("<p>NDN 2,8 m/s²</p>"),
                            QStringLiteral("<p>A(8) = 3,10 m/s²</p>"), QStringLiteral("Przekroczone NDN drgań.")};
    EXPECT_TRUE(sheet.html().contains(QStringLiteral("Data: 04.03.2026")));
    ASSERT_TRUE(sheet.writePdf(folder.path(QStringLiteral("wynik.pdf"))));
    QFile file(folder.path(QStringLiteral("wynik.pdf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
    EXPECT_FALSE(sheet.writePdf(folder.path(QStringLiteral("nie_ma/wynik.pdf"))));
}

} // namespace
