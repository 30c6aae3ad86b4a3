// The register of assessments over a folder of generated assessments: what each summary
// counts, where the review stands, and that no file is skipped in silence.

#include "base/win1250.h"
#include "model/assessment_register.h"
#include "risk/risk_method.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 7);

// An assessment rated with PHA, one hazard row per (S, P) of `ratings`, with measures of
// hazard 1 (due date, status) and a review date.
QByteArray assessment(const QString& workstation, const QList<std::pair<int, int>>& ratings,
                      const QList<std::pair<QString, QString>>& measures, const QString& review)
{
    QStringList lines{QStringLiteral("[OPISOC]"), QStringLiteral("Stanowisko=") + workstation,
                      QStringLiteral("Jednostka=Wydział"), QStringLiteral("DataPrzegladu=") + review,
                      QStringLiteral("[OPIS]"), QStringLiteral("Metoda=PHA"), QStringLiteral("[ZAGROZENIA]")};
    for (int row = 1; row <= ratings.size(); ++row) {
        lines.append(QStringLiteral("TABELA0/%1=Zagrożenie %1").arg(row));
        lines.append(QStringLiteral("TABELA4/%1=").arg(row) + risk::scale(RiskMethod::PHA, risk::Factor::S).value(ratings[row - 1].first - 1));
        lines.append(QStringLiteral("TABELA5/%1=").arg(row) + risk::scale(RiskMethod::PHA, risk::Factor::P).value(ratings[row - 1].second - 1));
    }
    lines.append(QStringLiteral("[PLAN]"));
    for (int row = 1; row <= measures.size(); ++row) {
        lines.append(QStringLiteral("TABELA0/%1=1").arg(row));
        lines.append(QStringLiteral("TABELA1/%1=Zagrożenie 1").arg(row));
        lines.append(QStringLiteral("TABELA5/%1=%2").arg(row).arg(measures[row - 1].first));
        lines.append(QStringLiteral("TABELA7/%1=%2").arg(row).arg(measures[row - 1].second));
    }
    return win1250::fromUnicode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

} // namespace

TEST(AssessmentRegister, SummarisesEveryAssessmentOfTheFolderAndItsSubfolders)
{
    TempFolder folder;
    QDir(folder.root()).mkpath(QStringLiteral("hala/b"));
    struct Case {
        const char* file;
        QByteArray bytes;
        QString workstation;      // empty: the file cannot be read
        int hazards;
        std::array<int, 5> levels;
        int unacceptable;
        int measures;
        int overdue;
        ReviewState review;
    };
    const Case cases[] = {
        {"biuro.ron", assessment("Biuro", {{1, 1}, {2, 2}}, {}, ""), "Biuro", 2, {1, 1, 0, 0, 0}, 0, 0, 0,
         ReviewState::None},
        {"hala/spawacz.ron",
         assessment("Spawacz", {{4, 4}, {4, 3}}, {{"01.12.2026", "planowane"}, {"01.12.2026", "wykonane"}},
                    "01.12.2026"),
         "Spawacz", 2, {0, 0, 0, 1, 1}, 2, 2, 1, ReviewState::Passed},
        {"hala/b/magazyn.ron", assessment("Magazyn", {{1, 1}}, {{"01.01.2027", "w realizacji"}}, "20.12.2026"),
         "Magazyn", 1, {1, 0, 0, 0, 0}, 0, 1, 0, ReviewState::Soon},
        {"uszkodzony.ron", QByteArrayLiteral("to nie jest ocena\r\n"), {}, 0, {}, 0, 0, 0, ReviewState::None},
    };
    for (const Case& c : cases)
        folder.write(QLatin1String(c.file), c.bytes);
    folder.write(QStringLiteral("projekt.rpr"), assessment("Projekt", {}, {}, ""));
    // A file another window holds has its write bits taken away: it is read all the same.
    QFile::setPermissions(folder.path(QStringLiteral("biuro.ron")), QFile::ReadOwner);

    const QStringList files = assessmentFiles(folder.root());
    ASSERT_EQ(files.size(), std::size(cases)) << "every .ron, in subfolders too, and nothing else";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const RegisterEntry entry = registerEntry(folder.path(QLatin1String(c.file)), kToday);
        EXPECT_EQ(entry.failure.isEmpty(), !c.workstation.isEmpty()) << entry.failure.toStdString();
        EXPECT_EQ(entry.workstation, c.workstation);
        EXPECT_EQ(entry.hazards, c.hazards);
        EXPECT_EQ(entry.levels, c.levels);
        EXPECT_EQ(entry.unacceptable, c.unacceptable);
        EXPECT_EQ(entry.measures, c.measures);
        EXPECT_EQ(entry.overdue, c.overdue);
        EXPECT_EQ(reviewState(entry.review, kToday), c.review);
        if (!c.workstation.isEmpty())
            EXPECT_TRUE(registerText(entry, RegisterWorkstation) == c.workstation);
        else
            EXPECT_TRUE(registerText(entry, RegisterWorkstation).startsWith(QStringLiteral("Nie można odczytać pliku")));
    }
}
