// The workers informed of the risk, through the assessment model: which edits move the date of
// the last change of risk at a save, and which workers it leaves to be informed again.

#include "base/win1250.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "model/workers.h"
#include "storage/ini_file.h"
#include "support/crlf_bytes.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

QStringList outdatedNames(const AssessmentSnapshot& assessment)
{
    QStringList names;
    for (const QStringList& row : assessment.workers) {
        if (workers::isOutdated(row, assessment.riskChangeDate))
            names.append(row.value(workers::Name));
    }
    return names;
}

TEST(Workers, ASaveThatChangedTheRiskDatesItAndLeavesEarlierWorkersToBeInformedAgain)
{
    struct Case {
        const char* name;
        QString storedDate;   // DataZmianyRyzyka of the file; empty: no key
        std::function<void(DocumentModel&)> edit;
        QString date;         // afterwards
        QStringList outdated;
    };
    const QDate today(2025, 3, 20);
    const QString changedToday = QStringLiteral("20.03.2025");
    const auto nothing = [](DocumentModel&) {};
    const Case cases[] = {
        {"a save without a change keeps the date", "01.03.2025", nothing, "01.03.2025", {"Anna", "Ewa"}},
        {"the card's text is no change of risk", "01.03.2025",
         [](DocumentModel& m) { m.setText(Field::Unit, "Magazyn"); }, "01.03.2025", {"Anna", "Ewa"}},
        {"a worker's new date is no change of risk", "01.03.2025",
         [](DocumentModel& m) { m.workers().setCell(workers::Acknowledged, 1, "05.03.2025"); }, "01.03.2025", {"Ewa"}},
        {"a rating", "01.03.2025", [](DocumentModel& m) { m.hazards().setCell(4, 1, "3"); }, changedToday,
         {"Anna", "Jan", "Ewa"}},
        {"a hazard inserted", "01.03.2025", [](DocumentModel& m) { m.hazards().insertRows(1, 1); }, changedToday,
         {"Anna", "Jan", "Ewa"}},
        {"a measure of the plan", "01.03.2025", [](DocumentModel& m) { m.plan().setCell(2, 1, "Osłona"); },
         changedToday, {"Anna", "Jan", "Ewa"}},
        {"a residual rating", "01.03.2025",
         [](DocumentModel& m) { m.setResidualRating(1, risk::Factor::S, "1"); }, changedToday, {"Anna", "Jan", "Ewa"}},
        {"a file that never changed its risk", "", nothing, "", {"Ewa"}},
        {"its first change of risk", "", [](DocumentModel& m) { m.plan().setRowCount(3); }, changedToday,
         {"Anna", "Jan", "Ewa"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList card{"[OPISOC]", "Jednostka=Wydział"};
        if (!c.storedDate.isEmpty())
            card.append("DataZmianyRyzyka=" + c.storedDate);
        TMemIniFile file;
        file.LoadFromBytes(crlf(card + QStringList{
            "[OPIS]", "Metoda=PHA", "[ZAGROZENIA]", "TABELA0/1=Hałas", "TABELA4/1=2",
            "[PLAN]", "TABELA0/1=1", "TABELA1/1=Hałas", "TABELA2/1=Ochronniki",
            "[PRACOWNICY]", "TABELA0/1=Anna", "TABELA2/1=15.02.2025", "TABELA0/2=Jan", "TABELA2/2=10.03.2025",
            "TABELA0/3=Ewa", "TABELA0/4=", "TABELA3/4=wiersz bez nazwiska"}));
        DocumentModel model(DocumentKind::Assessment);
        model.load(file);
        c.edit(model);

        model.stampRiskChange(today);
        model.save(file);
        model.setModified(false);
        // A second save with no change in between leaves the date of the first.
        model.stampRiskChange(today.addDays(1));
        model.save(file);

        TMemIniFile written;
        written.LoadFromBytes(file.ToBytes());
        DocumentModel reread(DocumentKind::Assessment);
        reread.load(written);
        const AssessmentSnapshot assessment = reread.assessmentValue();
        EXPECT_EQ(assessment.riskChangeDate, c.date);
        EXPECT_EQ(file.ToBytes().contains("DataZmianyRyzyka="), !c.date.isEmpty()) << "the key only once the risk changed";
        EXPECT_EQ(outdatedNames(assessment), c.outdated);
        EXPECT_EQ(workers::outdatedCount(assessment.workers, assessment.riskChangeDate), c.outdated.size());
    }
}

} // namespace
