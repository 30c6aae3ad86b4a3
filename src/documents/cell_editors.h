#pragma once
// What the editors of the assessment's own tables (the plan, the workers) share: the editor
// of a cell that holds a date (dd.MM.yyyy, or empty), a date editor with its calendar opening
// on the cell's date (an empty cell opens on today and stays empty unless the user changes
// the date), and the reasons a typed text is refused.

#include <QString>

#include <optional>

class QDateEdit;
class QWidget;

QDateEdit* createDateCellEditor(QWidget* parent);
void setDateCellEditorData(QDateEdit* editor, const QString& cellText);
// The text the editor gives the cell, or nullopt when an empty cell was left as it was.
std::optional<QString> dateCellEditorText(const QDateEdit* editor, const QString& cellText);
// Why `text` is no date a cell may hold ("„…” nie jest poprawną datą…"); empty for a date or
// an empty text.
QString dateRefusal(const QString& text);
// `text` as a date cell stores it: dd.MM.yyyy, or empty.
QString storedDate(const QString& text);
// Why `text` cannot be stored in an assessment file (a character Windows-1250 cannot hold);
// empty when it can.
QString encodingRefusal(const QString& text);
