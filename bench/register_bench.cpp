// Speed of the register of assessments: a folder of 1,000 assessments of 50 rated hazards
// each read in parallel, as the register window reads it.

#include "base/win1250.h"
#include "model/assessment_register.h"
#include "risk/risk_method.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>
#include <benchmark/benchmark.h>

namespace {

QByteArray assessment(int number)
{
    const QStringList& s = risk::scale(RiskMethod::RiskScore, risk::Factor::S);
    const QStringList& p = risk::scale(RiskMethod::RiskScore, risk::Factor::P);
    const QStringList& e = risk::scale(RiskMethod::RiskScore, risk::Factor::E);
    QStringList lines{QStringLiteral("[OPISOC]"), QStringLiteral("Stanowisko=Stanowisko %1").arg(number),
                      QStringLiteral("Jednostka=Wydział %1").arg(number % 7), QStringLiteral("DataPrzegladu=01.06.2027"),
                      QStringLiteral("[OPIS]"), QStringLiteral("Metoda=RISK SCORE"), QStringLiteral("[ZAGROZENIA]")};
    for (int row = 1; row <= 50; ++row) {
        lines.append(QStringLiteral("TABELA0/%1=Zagrożenie %1 przy pracy na stanowisku").arg(row));
        lines.append(QStringLiteral("TABELA1/%1=Źródło zagrożenia %1").arg(row));
        lines.append(QStringLiteral("TABELA2/%1=Możliwe skutki zagrożenia").arg(row));
        lines.append(QStringLiteral("TABELA3/%1=Działania zapobiegawcze").arg(row));
        lines.append(QStringLiteral("TABELA4/%1=").arg(row) + s.value(row % s.size()));
        lines.append(QStringLiteral("TABELA5/%1=").arg(row) + p.value(row % p.size()));
        lines.append(QStringLiteral("TABELA6/%1=").arg(row) + e.value(row % e.size()));
    }
    lines.append(QStringLiteral("[PLAN]"));
    for (int row = 1; row <= 5; ++row) {
        lines.append(QStringLiteral("TABELA0/%1=%1").arg(row));
        lines.append(QStringLiteral("TABELA1/%1=Zagrożenie %1 przy pracy na stanowisku").arg(row));
        lines.append(QStringLiteral("TABELA5/%1=01.0%1.2026").arg(row));
        lines.append(QStringLiteral("TABELA7/%1=planowane").arg(row));
    }
    return win1250::fromUnicode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void BM_ReadRegister(benchmark::State& state)
{
    QTemporaryDir dir;
    for (int number = 0; number < state.range(0); ++number) {
        QFile file(dir.filePath(QStringLiteral("dzial%1/ocena%2.ron").arg(number % 10).arg(number)));
        QDir().mkpath(QFileInfo(file).path());
        if (!file.open(QIODevice::WriteOnly) || file.write(assessment(number)) < 0)
            state.SkipWithError("cannot write the folder");
    }
    const QDate today(2026, 12, 7);
    qsizetype read = 0;
    for (auto _ : state) {
        const QList<RegisterEntry> entries = QtConcurrent::blockingMapped(
            assessmentFiles(dir.path()), [today](const QString& path) { return registerEntry(path, today); });
        read = std::count_if(entries.begin(), entries.end(), [](const RegisterEntry& e) { return e.failure.isEmpty(); });
    }
    if (read != state.range(0))
        state.SkipWithError("not every assessment was read");
    state.counters["assessments"] = double(read);
}

} // namespace

BENCHMARK(BM_ReadRegister)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
