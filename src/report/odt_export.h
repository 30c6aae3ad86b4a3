#pragma once
// The OpenDocument (.odt) form of a report written by DocumentWriter. Qt writes the text,
// the formats and the tables; this adds what the reader needs for a long report: an A4 page
// with the footer "Strona N z M", headings that make the document's outline, and tables
// whose title rows repeat at the top of every page they run onto.

#include <QByteArray>

class QTextDocument;

// The whole .odt file; empty when the package cannot be built.
QByteArray odtBytes(const QTextDocument& document);
