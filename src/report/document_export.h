#pragma once
// Saving a written report: the file's extension chooses the format, ".docx" (Office Open
// XML), ".odt" (OpenDocument) or ".pdf" (A4 pages), letter case aside. The file is written in
// one step (see AtomicFileWriter): a failure leaves no partial file and an existing file as
// it was.

#include <QByteArray>
#include <QString>

class QTextDocument;

// Throws AppError naming the file and the cause: an extension of none of the three formats,
// a document that cannot be exported, a file that cannot be written.
void saveDocument(const QTextDocument& document, const QString& fileName);

// The whole .pdf file of `document`; empty when the export fails.
QByteArray pdfBytes(const QTextDocument& document);
