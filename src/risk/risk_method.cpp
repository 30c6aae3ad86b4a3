#include "risk/risk_method.h"

#include "base/app_error.h"
#include "base/regional_format.h"

#include <QRegularExpression>

#include <QtGlobal>
#include <array>
#include <cmath>

namespace risk {

namespace {

// The scales of one factor for every method, indexed by the method's index.
using ScalesByMethod = std::array<QStringList, 4>;

const ScalesByMethod& scalesS()
{
    static const ScalesByMethod scales = {{
        { // PHA
            QStringLiteral("1=znikome urazy, lekkie szkody"),
            QStringLiteral("2=lekkie obrażenia, wymierne szkody"),
            QStringLiteral("3=ciężkie obrażenia, znaczne szkody"),
            QStringLiteral("4=pojedyncze wypadki śmiertelne, ciężkie szkody"),
            QStringLiteral("5=zbiorowe wypadki śmiertelne szkody na bardzo dużą skalę na terenie zakładu"),
            QStringLiteral("6=zbiorowe wypadki śmiertelne, szkody na bardzo dużą skalę poza terenem zakładu"),
        },
        { // RISK SCORE
            QStringLiteral("100=poważna katastrofa, wiele ofiar śmiertelnych, straty materialne powyżej 30 mln zł"),
            QStringLiteral("40=katastrofa, kilka ofiar śmiertelnych, straty materialne od 10 - 30 mln zł"),
            QStringLiteral("15=straty bardzo duże, jedna ofiara śmiertelna, straty materialne od 0,3 do 1 mln zł"),
            QStringLiteral("7=straty duże, ciężkie uszkodzenia ciała, straty materialne od 30 do 300tyś zł"),
            QStringLiteral("3=straty średnie, absencja chorobowa, straty materialne od 3 do 30 tyś zł"),
            QStringLiteral("1=straty małe, konieczność udzielenia pierwszej pomocy, straty materialne poniżej 3 tyś zł"),
        },
        { // FIVE STEPS
            QStringLiteral("0,1=zadrapania, siniaki, otarcia, stłuczenia"),
            QStringLiteral("0,5=skaleczenia, łagodne obrażenia"),
            QStringLiteral("1=złamania małych kości"),
            QStringLiteral("2=proste złamania, lekka choroba"),
            QStringLiteral("4=skomplikowane złamania, poważne choroby"),
            QStringLiteral("6=utrata jednej kończyny, utrata oka, trwała utrata słuchu"),
            QStringLiteral("10=utrata dwóch kończyn, utrata oczu"),
            QStringLiteral("15=śmierć"),
        },
        { // Matrycowa
            QStringLiteral("1=małe, urazy i choroby które nie powodują długotrwałych dolegliwości i absencji w pracy."),
            QStringLiteral("2=średnie, urazy i choroby które powodują niewielkie ale długotrwałe lub nawracające okresowo dolegliwości."),
            QStringLiteral("3=duże, urazy i choroby, które powodują ciężkie i stałe dolegliwości i/lub śmierć."),
        },
    }};
    return scales;
}

const ScalesByMethod& scalesP()
{
    static const ScalesByMethod scales = {{
        { // PHA
            QStringLiteral("1=bardzo nieprawdopodobne"),
            QStringLiteral("2=mało prawdopodobne, zdarza się raz na 10 lat"),
            QStringLiteral("3=doraźne wydarzenie, zdarzające się raz w roku"),
            QStringLiteral("4=dość częste wydarzenie, zdarzające się raz w miesiącu"),
            QStringLiteral("5=częste regularne wydarzenia, zdarzające się raz w tygodniu"),
            QStringLiteral("6=duże prawdopodobieństwo wydarzenia"),
        },
        { // RISK SCORE
            QStringLiteral("10=bardzo prawdopodobne, szansa 50%"),
            QStringLiteral("6=całkiem możliwe, szansa 10%"),
            QStringLiteral("3=praktycznie możliwe=1%"),
            QStringLiteral("1=mało prawdopodobne, możliwe, szansa 0,1%"),
            QStringLiteral("0,5=tylko sporadycznie możliwe, szansa 0,01%"),
            QStringLiteral("0,2=możliwe do pomyślenia, szansa 0,001%"),
            QStringLiteral("0,1=teoretycznie możliwe, szansa 0,0001%"),
        },
        { // FIVE STEPS
            QStringLiteral("0=niemożliwe"),
            QStringLiteral("0,033=prawie niemożliwe"),
            QStringLiteral("1=bardzo mało prawdopodobne, ale możliwe (jeden wypadek rzadziej niż raz na 10 lat)"),
            QStringLiteral("1,5=mało prawdopodobne ale może się zdarzyć (jeden wypadek na 10 lat)"),
            QStringLiteral("2=możliwe ale niecodziennie"),
            QStringLiteral("5=równa szansa (jeden wypadek raz w roku)"),
            QStringLiteral("8=prawdopodobne (jeden wypadek raz w miesiącu)"),
            QStringLiteral("10=zdarza się, sporadyczne"),
            QStringLiteral("15=pewne"),
        },
        { // Matrycowa
            QStringLiteral("1=mało prawdopodobne, nie powinny wystąpić podczas całego okresu aktywności zawodowej."),
            QStringLiteral("2=prawdopodobne, mogą wystąpić nie więcej niż kilkakrotnie podczas okresu aktywności zawodowe."),
            QStringLiteral("3=wysoce prawdopodobne, mogą wystąpić wielokrotnie podczas okresu aktywności zawodowej."),
        },
    }};
    return scales;
}

const ScalesByMethod& scalesE()
{
    static const ScalesByMethod scales = {{
        {}, // PHA
        { // RISK SCORE
            QStringLiteral("10=stała, (24 godziny na dobę)"),
            QStringLiteral("6=częsta (codziennie)"),
            QStringLiteral("3=sporadyczna (raz na tydzień)"),
            QStringLiteral("2=okazyjna (raz w miesiącu)"),
            QStringLiteral("1=minimalna (kilka razy w roku)"),
            QStringLiteral("0,5=znikoma (raz w roku)"),
        },
        { // FIVE STEPS
            QStringLiteral("0,5=raz na rok"),
            QStringLiteral("1=raz na miesiąc"),
            QStringLiteral("1,5=raz na tydzień"),
            QStringLiteral("2,5=raz dziennie"),
            QStringLiteral("4=co godzinę"),
            QStringLiteral("6=ciągle"),
        },
        {}, // Matrycowa
    }};
    return scales;
}

// Upper limits of levels 1 to 4 on N = round(10 x R); each limit belongs to its lower level.
using Limits = std::array<double, 4>;

const Limits& limitsOnN(RiskMethod method)
{
    static const std::array<Limits, 4> limits = {{
        {20, 40, 90, 120},       // PHA
        {200, 700, 2000, 4000},  // RISK SCORE
        {50, 200, 500, 5000},    // FIVE STEPS
        {10, 20, 40, 60},        // Matrycowa
    }};
    return limits[static_cast<std::size_t>(method)];
}

} // namespace

const QStringList& methodNames()
{
    static const QStringList names = {
        QStringLiteral("PHA"),
        QStringLiteral("RISK SCORE"),
        QStringLiteral("FIVE STEPS"),
        QStringLiteral("Matrycowa (PN-N-18002)"),
    };
    return names;
}

RiskMethod methodFromIndex(int index)
{
    return index >= 0 && index <= 3 ? static_cast<RiskMethod>(index) : RiskMethod::None;
}

const QStringList& scale(RiskMethod method, Factor factor)
{
    static const QStringList none;
    if (method == RiskMethod::None)
        return none;
    const auto index = static_cast<std::size_t>(method);
    switch (factor) {
    case Factor::S: return scalesS()[index];
    case Factor::P: return scalesP()[index];
    case Factor::E: return scalesE()[index];
    }
    return none;
}

const QStringList& shortMatrycowaS()
{
    static const QStringList entries = {
        QStringLiteral("1=małe"),
        QStringLiteral("2=średnie"),
        QStringLiteral("3=duże"),
    };
    return entries;
}

double entryValue(const QString& cellText)
{
    const qsizetype equals = cellText.indexOf(QLatin1Char('='));
    return regional::parseFloat(equals < 0 ? QString() : cellText.left(equals));
}

namespace {

// The values of the entries of every scale, read once: a table's pass asks with every cell.
// The scale's own texts always read as numbers, and the same text gives the same double.
const QList<double>& scaleValues(RiskMethod method, Factor factor)
{
    static const auto values = [] {
        std::array<std::array<QList<double>, 3>, 4> all;
        for (std::size_t m = 0; m < all.size(); ++m)
            for (const Factor f : {Factor::S, Factor::P, Factor::E})
                for (const QString& entry : scale(static_cast<RiskMethod>(m), f))
                    all[m][static_cast<std::size_t>(f)].append(entryValue(entry));
        return all;
    }();
    static const QList<double> none;
    return method == RiskMethod::None ? none
                                      : values[static_cast<std::size_t>(method)][static_cast<std::size_t>(factor)];
}

} // namespace

std::optional<double> scaleValue(RiskMethod method, Factor factor, const QString& cellText)
{
    if (!cellText.contains(QLatin1Char('=')))
        return std::nullopt;
    double value = 0;
    try {
        value = entryValue(cellText);
    } catch (const AppError&) {
        return std::nullopt;
    }
    if (scaleValues(method, factor).contains(value))
        return value;
    return std::nullopt;
}

std::optional<QString> enteredEntry(RiskMethod method, Factor factor, const QString& text)
{
    const QString typed = text.trimmed();
    const QStringList& entries = scale(method, factor);
    const bool shortEntry = method == RiskMethod::Matrycowa && factor == Factor::S && shortMatrycowaS().contains(typed);
    if (entries.contains(typed) || shortEntry)
        return typed;
    static const QRegularExpression number(QStringLiteral("^\\d+([,.]\\d+)?$"));
    if (!number.match(typed).hasMatch())
        return std::nullopt;
    const double value = regional::parseFloat(QString(typed).replace(QLatin1Char('.'), QLatin1Char(',')));
    for (const QString& entry : entries)
        if (entryValue(entry) == value)
            return entry;
    return std::nullopt;
}

int factorI(qint32 employees)
{
    // Taken as unsigned, so a negative count lands in the top band.
    const auto n = static_cast<quint32>(employees);
    if (n <= 2)
        return 1;
    if (n <= 7)
        return 2;
    if (n <= 15)
        return 4;
    if (n <= 50)
        return 8;
    return 12;
}

int level(RiskMethod method, double r)
{
    Q_ASSERT(method != RiskMethod::None);
    // nearbyint under the default rounding mode rounds halves to even.
    const double n = std::nearbyint(10 * r);
    int result = 1;
    for (const double limit : limitsOnN(method))
        if (n > limit)
            ++result;
    return result;
}

std::array<double, 4> levelLimits(RiskMethod method)
{
    Q_ASSERT(method != RiskMethod::None);
    std::array<double, 4> limits = limitsOnN(method);
    for (double& limit : limits)
        limit /= 10;
    return limits;
}

QString levelText(int level)
{
    static const QStringList texts = {
        QStringLiteral("Ryzyko bardzo małe - dopuszczalne"),
        QStringLiteral("Ryzyko małe - dopuszczalne"),
        QStringLiteral("Ryzyko śrdenie - dopuszczalne"),
        QStringLiteral("Ryzyko duże - niedopuszczalne"),
        QStringLiteral("Ryzyko bardzo duże - niedopuszczalne"),
    };
    Q_ASSERT(level >= 1 && level <= 5);
    return texts.at(level - 1);
}

QString riskText(RiskMethod method, double r)
{
    return QStringLiteral("R = ") + regional::formatFixed(r, 1) + QLatin1Char(' ') + levelText(level(method, r));
}

bool isUnacceptable(const QString& cellText)
{
    return cellText.contains(QStringLiteral("duże - niedopuszczalne"));
}

HazardColumns hazardColumns(RiskMethod method)
{
    if (method == RiskMethod::RiskScore || method == RiskMethod::FiveSteps)
        return {4, 5, 6, 7, 8};
    return {4, 5, -1, 6, 7};
}

std::optional<Factor> factorOfColumn(RiskMethod method, int column)
{
    if (method == RiskMethod::None)
        return std::nullopt;
    const HazardColumns columns = hazardColumns(method);
    if (column == columns.s)
        return Factor::S;
    if (column == columns.p)
        return Factor::P;
    if (column == columns.e)
        return Factor::E;
    return std::nullopt;
}

namespace {

// The factor columns of the method's hazard table with their factors, S first.
QList<std::pair<int, Factor>> factorColumns(RiskMethod method)
{
    const HazardColumns columns = hazardColumns(method);
    QList<std::pair<int, Factor>> result = {{columns.s, Factor::S}, {columns.p, Factor::P}};
    if (columns.e >= 0)
        result.append({columns.e, Factor::E});
    return result;
}

} // namespace

bool hasOffScaleFactor(RiskMethod method, const QStringList& cells)
{
    if (method == RiskMethod::None)
        return false;
    for (const auto& [column, factor] : factorColumns(method)) {
        const QString text = cells.value(column);
        if (!text.isEmpty() && !scaleValue(method, factor, text))
            return true;
    }
    return false;
}

std::optional<double> riskValue(RiskMethod method, const QStringList& cells, const QString& employees)
{
    if (method == RiskMethod::None)
        return std::nullopt;
    // Every factor is read before the count, and all before anything is multiplied.
    QList<double> factors;
    for (const auto& [column, factor] : factorColumns(method)) {
        const std::optional<double> value = scaleValue(method, factor, cells.value(column));
        if (!value)
            return std::nullopt;
        factors.append(*value);
    }
    if (method == RiskMethod::FiveSteps)
        factors.append(factorI(regional::parseInteger(employees)));

    double r = factors.first();
    for (qsizetype i = 1; i < factors.size(); ++i)
        r *= factors.at(i);
    return r;
}

std::optional<QString> ObliczWiersz(RiskMethod method, const QStringList& cells, const QString& employees)
{
    if (const auto r = riskValue(method, cells, employees))
        return riskText(method, *r);
    return std::nullopt;
}

} // namespace risk
