#include "documents/clipboard_commands.h"

#include "documents/assessment_window.h"
#include "storage/edit_ini.h"
#include "storage/memo_ini.h"
#include "storage/string_grid_ini.h"
#include "storage/win1250_input.h"

#include <QApplication>
#include <QClipboard>

namespace {

QClipboard* clipboard()
{
    return QApplication::clipboard();
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
    window->setModified(true);
    QWidget* focused = window->focusWidget();
    if (auto* edit = qobject_cast<TEditIni*>(focused))
        edit->paste();
    else if (auto* memo = qobject_cast<TMemoIni*>(focused))
        memo->paste();
    else if (auto* table = qobject_cast<TStringGridIni*>(focused); table && table->currentRow() >= 0) {
        const QString text = clipboard()->text();
        if (refuseUnencodable(text))
            return;
        const int column = table->currentColumn();
        const int row = table->currentRow();
        table->setCell(column, row, text);
        if (auto* assessment = qobject_cast<TForm5*>(window); assessment && table == assessment->StringGridIni1)
            assessment->ratingChanged(column, row);
    }
}

} // namespace clipboard_commands
