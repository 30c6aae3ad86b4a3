#include "documents/clipboard_commands.h"

#include "base/prompts.h"
#include "documents/assessment_window.h"
#include "risk/risk_method.h"
#include "controls/edit_ini.h"
#include "controls/memo_ini.h"
#include "controls/string_grid_ini.h"
#include "controls/win1250_input.h"

#include <QApplication>
#include <QClipboard>

namespace {

QClipboard* clipboard()
{
    return QApplication::clipboard();
}

QString refusedRating(RiskMethod method, risk::Factor factor, const QString& text)
{
    const QString shown = text.trimmed().isEmpty() ? QStringLiteral("Schowek nie zawiera tekstu.")
                                                   : QStringLiteral("Tekstu „%1” nie można wkleić.").arg(text.trimmed().left(60));
    const QStringList& entries = risk::scale(method, factor);
    if (entries.isEmpty())
        return shown + QStringLiteral("\rNie wybrano metody oceny ryzyka, więc ta kolumna nie przyjmuje wartości.");
    const QString example = entries.first().left(entries.first().indexOf(QLatin1Char('=')));
    return shown + QStringLiteral("\rDo tej kolumny można wkleić tylko wartość ze skali metody %1: całą pozycję "
                                  "skali albo samą jej liczbę (np. „%2”).\rKomórka zachowała poprzednią wartość.")
                       .arg(risk::methodNames().value(static_cast<int>(method)), example);
}

} // namespace

namespace clipboard_commands {

void Copy(DocumentWindow* window)
{
    QWidget* focused = window ? window->focusWidget() : nullptr;
    if (auto* edit = qobject_cast<TEditIni*>(focused))
        edit->copy();
    else if (auto* memo = qobject_cast<TMemoIni*>(focused))
        memo->copy();
    else if (auto* table = qobject_cast<TStringGridIni*>(focused); table && table->currentRow() >= 0)
        clipboard()->setText(table->cell(table->currentColumn(), table->currentRow()));
}

void Paste(DocumentWindow* window)
{
    if (!window)
        return;
    QWidget* focused = window->focusWidget();
    auto* table = qobject_cast<TStringGridIni*>(focused);
    QString text = clipboard()->text();
    const int column = table ? table->currentColumn() : -1;
    const int row = table ? table->currentRow() : -1;
    // A factor cell takes only an entry of the method's scale, whole or by its number.
    if (const auto factor = risk::factorOfColumn(window->method(), column);
        factor && table == window->StringGridIni1 && row >= 1) {
        const std::optional<QString> entry = risk::enteredEntry(window->method(), *factor, text);
        if (!entry) {
            prompts().message(refusedRating(window->method(), *factor, text), Prompts::Icon::Warning);
            return;
        }
        text = *entry;
    }
    if (auto* edit = qobject_cast<TEditIni*>(focused))
        edit->paste();
    else if (auto* memo = qobject_cast<TMemoIni*>(focused))
        memo->paste();
    else if (table && row >= 0) {
        if (refuseUnencodable(text))
            return;
        table->setCell(column, row, text);
        if (auto* assessment = qobject_cast<TForm5*>(window); assessment && table == assessment->StringGridIni1)
            assessment->ratingChanged(column, row);
    }
}

} // namespace clipboard_commands
