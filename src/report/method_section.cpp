#include "report/method_section.h"

#include "report/word_basic.h"

#include <vector>

namespace {

// One method's explanation: the sentences up to the formula, the formula (a centred
// paragraph of its own), then the scales and the five levels.
struct MethodText {
    std::vector<const char*> opening;
    const char* formula;
    std::vector<const char*> scales;
};

const MethodText PhaText{
    {
        "Ryzyko zawodowe zostało ocenione metodą PHA jest to metoda pozwalającą na jakościowe oszacowanie ryzyka związanego z zagrożeniem.\r",
        "Oszacowanie ryzyka metodą PHA dokonywane jest przez określenie:\r",
        "- stopnia szkód (strat) S;\r",
        "- prawdopodobieństwa z jakim straty mogą wystąpić P.\r",
        "Wartość ryzyka określone jest wskaźnikiem ryzyka W z zależności:\r",
    },
    "W=S*P\r",
    {
        "Szacowanie możliwych strat S i prawdopodobieństwa strat P odbywa się według skali:\r",
        "stopień szkód S\r",
        "\t- 1 = znikome urazy, lekkie szkody\r",
        "\t- 2 = lekkie obrażenia, wymierne szkody\r",
        "\t- 3 = ciężkie obrażenia, znaczne szkody\r",
        "\t- 4 = pojedyncze wypadki śmiertelne, ciężkie szkody\r",
        "\t- 5 = zbiorowe wypadki śmiertelne szkody na bardzo dużą skalę na terenie zakładu\r",
        "\t- 6 = zbiorowe wypadki śmiertelne, szkody na bardzo dużą skalę poza terenem zakładu\r\r",
        "prawdopodobieństwo strat P\r",
        "\t- 1 = bardzo nieprawdopodobne\r",
        "\t- 2 = mało prawdopodobne, zdarza się raz na 10 lat\r",
        "\t- 3 = doraźne wydarzenie, zdarzające się raz w roku\r",
        "\t- 4 = dość częste wydarzenie, zdarzające się raz w miesiącu\r",
        "\t- 5 = częste regularne wydarzenia, zdarzające się raz w tygodniu\r",
        "\t- 6 = duże prawdopodobieństwo wydarzenia\r\r",
        "Tak obliczone ryzyko jest klasyfikowane do jednego z pięciu poziomów według skali:\r",
        " - Ryzyko znikome\t\tW  od 1 do 2 - dopuszczalne\r",
        " - Ryzyko małe\t\t\tW od 3 do 4 - dopuszczalne\r",
        " - Ryzyko średnie\t\t\tW od 5 do 9 - dopuszczalne\r",
        " - Ryzyko duże\t\t\tW od 10 do 12 - niedopuszczalne\r",
        " - Ryzyko bardzo duże\t\tW od 13 do 36 - niedopuszczalne\r\r",
    },
};
const MethodText RiskScoreText{
    {
        "Ryzyko zawodowe zostało ocenione metodą RISK SCORE jest to metoda pozwalającą na jakościowe oszacowanie ryzyka związanego z zagrożeniem.\r",
        "Oszacowanie ryzyka metodą RISK SCORE dokonywane jest przez określenie:\r",
        "- stopnia szkód S;\r",
        "- ekspozycji na zagrożenie E;\r",
        "- prawdopodobieństwa wystąpienia zdarzenia P.\r",
        "Wartość ryzyka określone jest wskaźnikiem ryzyka R z zależności:\r",
    },
    "R=S*E*P\r",
    {
        "Szacowanie możliwych strat S, prawdopodobieństwa zdarzenia P i ekspozycji na zagrożenie E odbywa się według skali:\r",
        "stopień szkód S\r",
        "\t- 100 = poważna katastrofa, wiele ofiar śmiertelnych, straty materialne powyżej 30 mln zł\r",
        "\t- 40 = katastrofa, kilka ofiar śmiertelnych, straty materialne od 10 - 30 mln zł\r",
        "\t- 15 = straty bardzo duże, jedna ofiara śmiertelna, straty materialne od 0,3 do 1 mln zł\r",
        "\t- 7 =  straty duże, ciężkie uszkodzenia ciała, straty materialne od 30 do 300 tys. zł\r",
        "\t- 3 =straty średnie, absencja chorobowa, straty materialne od 3 do 30 tys. zł\r",
        "\t- 1 = straty małe, konieczność udzielenia pierwszej pomocy, straty materialne poniżej 3 tys. zł\r\r",
        "prawdopodobieństwo wystąpienia zdarzenia P\r",
        "\t- 10 = bardzo prawdopodobne - 50 % szansy\r",
        "\t- 6 = całkiem możliwe - 10 % szansy\r",
        "\t- 3 = praktycznie możliwe - 1 % szansy\r",
        "\t- 1 = mało prawdopodobne, możliwe - 0,1 % szansy\r",
        "\t- 0,5 = tylko sporadycznie możliwe - 0,01 % szansy\r",
        "\t- 0,2 = możliwe do pomyślenia - 0,001 % szansy\r",
        "\t- 0,1 = teoretycznie możliwe - 0,0001 % szansy\r\r",
        "ekspozycji na zagrożenie E;\r",
        "\t- 10 = stała, (24 godziny na dobę)\r",
        "\t- 6 = częsta (codziennie)\r",
        "\t- 3 = sporadyczna (raz na tydzień)\r",
        "\t- 2 = okazjonalna (raz w miesiącu)\r",
        "\t- 1 = minimalna (kilka razy w roku)\r",
        "\t- 0,5 = znikoma (raz w roku)\r",
        "Tak obliczone ryzyko jest klasyfikowane do jednego z pięciu poziomów według skali:\r",
        " - Ryzyko znikome\t\tR do 20 - dopuszczalne\r",
        " - Ryzyko małe\t\t\tR od 20 do 70 - dopuszczalne\r",
        " - Ryzyko średnie\t\t\tR od 70 do 200 - dopuszczalne\r",
        " - Ryzyko duże\t\t\tR od 200 do 400 - niedopuszczalne\r",
        " - Ryzyko bardzo duże\t\tR powyżej 400 - niedopuszczalne\r\r",
    },
};
const MethodText FiveStepsText{
    {
        "Ryzyko zawodowe zostało ocenione metodą FIVE STEPS jest to metoda pozwalającą na jakościowe oszacowanie ryzyka związanego z zagrożeniem.\r",
        "Oszacowanie ryzyka metodą FIVE STEPS dokonywane jest przez określenie:\r",
        "- możliwych skutków zdarzenia S;\r",
        "- ekspozycji na zagrożenie F;\r",
        "- prawdopodobieństwa wystąpienia zdarzenia P;\r",
        "- liczby osób narażonych I\r",
        "Wartość ryzyka określone jest wskaźnikiem ryzyka R z zależności:\r",
    },
    "R=S*F*P*I\r",
    {
        "Szacowanie możliwych skutków zdarzenia S, prawdopodobieństwa zdarzenia P, ekspozycji na zagrożenie F i liczby osób narażonych I odbywa się według skali:\r",
        "możliwe skutki zdarzenia S\r",
        "\t- 0,1 = zadrapania, siniaki, otarcia, stłuczenia\r",
        "\t- 0,5 = skaleczenia, łagodne obrażenia\r",
        "\t- 1 = złamania małych kości\r",
        "\t- 2 = proste złamania, lekka choroba\r",
        "\t- 4 = skomplikowane złamania, poważne choroby\r",
        "\t- 6 = utrata jednej kończyny, utrata oka, trwała utrata słuchu\r",
        "\t- 10 = utrata dwóch kończyn, utrata oczu\r",
        "\t- 15 = śmierć\r\r",
        "prawdopodobieństwo wystąpienia zdarzenia P\r",
        "\t- 0 = niemożliwe\r",
        "\t- 0,033 = prawie niemożliwe\r",
        "\t- 1 = bardzo mało prawdopodobne, ale możliwe (jeden wypadek rzadziej niż raz na 10 lat)\r",
        "\t- 1,5 = mało prawdopodobne ale może się zdarzyć (jeden wypadek na 10 lat)\r",
        "\t- 2 = możliwe ale niecodziennie\r",
        "\t- 5 = równa szansa (jeden wypadek raz w roku)\r",
        "\t- 8 = prawdopodobne (jeden wypadek raz w miesiącu)\r",
        "\t- 10 = zdarza się, sporadyczne\r",
        "\t- 15 = pewne\r\r",
        "ekspozycji na zagrożenie F;\r",
        "\t- 0,5 = raz na rok\r",
        "\t- 1 = raz na miesiąc\r",
        "\t- 1,5 = raz na tydzień\r",
        "\t- 2,5 = raz dziennie\r",
        "\t- 4 = co godzinę\r",
        "\t- 6 = ciągle\r\r",
        "Liczba osób narażonych I.\r",
        "\t- 1 dla 1 - 2 osoby\r",
        "\t- 2 dla 3 - 7 osób\r",
        "\t- 4 dla 8 - 15 osób\r",
        "\t- 8 dla 16 - 50 osób\r",
        "\t- 12 dla > 50 osób\r\r",
        "Tak obliczone ryzyko jest klasyfikowane do jednego z pięciu poziomów według skali:\r",
        " - Ryzyko znikome\t\tR od 0 do 5 - dopuszczalne\r",
        " - Ryzyko małe\t\t\tR od 5 do 20 - dopuszczalne\r",
        " - Ryzyko średnie\t\t\tR od 20 do 50 - dopuszczalne\r",
        " - Ryzyko duże\t\t\tR od 50 do 500 - niedopuszczalne\r",
        " - Ryzyko bardzo duże\t\tR powyżej 500 - niedopuszczalne\r\r",
    },
};
const MethodText MatrixText{
    {
        "Ryzyko zawodowe zostało ocenione metodą matrycową podaną w normie PN-N-18002 metoda ta pozwalającą na jakościowe oszacowanie ryzyka związanego z zagrożeniem.\r",
        "Oszacowanie ryzyka metodą matrycową (PN-N-18002) dokonywane jest przez określenie:\r",
        "- stopnia możliwych strat S;\r",
        "- prawdopodobieństwa wystąpienia zagrożenia P.\r",
        "Wartość ryzyka określone jest wskaźnikiem ryzyka R z zależności:\r",
    },
    "R=S*P\r",
    {
        "Szacowanie stopnia możliwych strat S i prawdopodobieństwa wystąpienia zagrożenia P odbywa się według skali:\r",
        "stopień możliwych strat S\r",
        "\t- 1 = Mały - urazy i choroby które nie powodują długotrwałych dolegliwości i absencji w pracy.\r",
        "\t- 2 = Średni - urazy i choroby które powodują niewielkie ale długotrwałe lub nawracające okresowo dolegliwości i są związane z okresami absencji.\r",
        "\t- 3 = Duży - Urazy i choroby, które powodują ciężkie i stałe dolegliwości i/lub śmierć.\r\r",
        "prawdopodobieństwo wystąpienia zagrożenia P\r",
        "\t- 1 = Mało prawdopodobne-Zagrożenia które nie powinny wystąpić podczas całego okresu aktywności zawodowej.\r",
        "\t- 2 = Prawdopodobne-Zagrożenia które mogą wystąpić nie więcej niż kilkakrotnie podczas okresu aktywności zawodowej pracownika.\r",
        "\t- 3 = Wysoce prawdopodobne-Zagrożenia które mogą wystąpić wielokrotnie podczas okresu aktywności zawodowej.\r\r",
        "Tak obliczone ryzyko jest klasyfikowane do jednego z pięciu poziomów według skali:\r",
        " - Ryzyko znikome\t\tW = 1  - dopuszczalne\r",
        " - Ryzyko małe\t\t\tW = 2 - dopuszczalne\r",
        " - Ryzyko średnie\t\t\tW = 3 i 4 - dopuszczalne\r",
        " - Ryzyko duże\t\t\tW = 6 - niedopuszczalne\r",
        " - Ryzyko bardzo duże\t\tW = 9 - niedopuszczalne\r\r",
    },
};
const char* const ClosingBlock[] = {
    "Zasady wyznaczania dopuszczalności ryzyka oszacowanego w skali pięciostopniowej\r",
    "Ryzyko znikome - dopuszczalne - Nie jest konieczne prowadzenie jakichkolwiek działań.\r",
    "Ryzyko małe - dopuszczalne - Można rozważyć możliwości zmniejszenia poziomu ryzyka lub co najmniej utrzymania ryzyka na tym poziomie.\r",
    "Ryzyko średnie - dopuszczalne - Zalecane podjęcie działań zmniejszających poziom ryzyka.\r",
    "Ryzyko duże - niedopuszczalne - Należy koniecznie podjąć działania ograniczające poziom ryzyka. Jeśli ocena dotyczy nowego stanowiska pracy, nie należy go dopuszczać do pracy.\r",
    "Ryzyko bardzo duże - niedopuszczalne - Niezwłocznie ograniczyć poziom ryzyka, wstrzymać prace na stanowisku.\r\r",
};

} // namespace

void WriteMethodSection(WordBasic& word, int method)
{
    static const MethodText* const methods[] = {&PhaText, &RiskScoreText, &FiveStepsText, &MatrixText};
    if (method < 0 || method >= int(std::size(methods)))
        return;
    const MethodText& text = *methods[method];
    for (const char* sentence : text.opening)
        word.Insert(QString::fromUtf8(sentence));
    word.CenterPara();
    word.Insert(QString::fromUtf8(text.formula));
    word.LeftPara();
    for (const char* line : text.scales)
        word.Insert(QString::fromUtf8(line));
    for (const char* rule : ClosingBlock)
        word.Insert(QString::fromUtf8(rule));
}
