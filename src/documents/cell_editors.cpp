#include "documents/cell_editors.h"

#include "controls/win1250_input.h"

#include "model/action_plan.h"

#include <QDateEdit>
#include <QLineEdit>

namespace {

// The property of a date editor that tells whether the user changed its date.
constexpr char Touched[] = "touched";

} // namespace

QDateEdit* createDateCellEditor(QWidget* parent)
{
    auto* date = new QDateEdit(parent);
    date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    date->setCalendarPopup(true);
    QObject::connect(date, &QDateEdit::dateChanged, date, [date] { date->setProperty(Touched, true); });
    QObject::connect(date->findChild<QLineEdit*>(), &QLineEdit::textEdited, date,
                     [date] { date->setProperty(Touched, true); });
    return date;
}

void setDateCellEditorData(QDateEdit* editor, const QString& cellText)
{
    const QDate shown = plan::parseDate(cellText);
    editor->setDate(shown.isValid() ? shown : QDate::currentDate());
    editor->setProperty(Touched, false);
}

std::optional<QString> dateCellEditorText(const QDateEdit* editor, const QString& cellText)
{
    if (cellText.isEmpty() && !editor->property(Touched).toBool())
        return std::nullopt;
    return editor->text();
}

QString dateRefusal(const QString& text)
{
    if (text.trimmed().isEmpty() || plan::parseDate(text).isValid())
        return {};
    return QStringLiteral("„%1” nie jest poprawną datą. Podaj datę w postaci dd.mm.rrrr, np. 31.12.2025.").arg(text);
}

QString storedDate(const QString& text)
{
    return text.trimmed().isEmpty() ? QString() : plan::dateText(plan::parseDate(text));
}

QString encodingRefusal(const QString& text)
{
    return refuseUnencodable(text)
               ? QStringLiteral("Tekst zawiera znaki, których nie można zapisać w pliku oceny (Windows-1250).")
               : QString();
}
