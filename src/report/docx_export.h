#pragma once
// The Office Open XML (.docx) form of a report written by DocumentWriter: its paragraphs with
// their alignment, the bold, italic and size of every run, tabs, and its tables with their
// column widths, cell margins and ruling, on an A4 page. Body text is Times New Roman (which
// LibreOffice shows as the metric-compatible Liberation Serif).

#include <QByteArray>

class QTextDocument;

// The whole .docx file; empty when the package cannot be built.
QByteArray docxBytes(const QTextDocument& document);
