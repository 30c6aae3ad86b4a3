#include "report/document_export.h"

#include "base/app_error.h"
#include "report/document_writer.h"
#include "report/docx_export.h"
#include "report/odt_export.h"
#include "report/printed_pages.h"
#include "storage/atomic_file_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace {
// Dots per inch of the PDF's coordinates, fine enough that text and rules land where the
// layout put them.
constexpr int PdfResolution = 1200;
} // namespace

QByteArray pdfBytes(const QTextDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(PdfResolution);
        const PrintedPages pages(document);
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        painter.scale(PdfResolution / 96.0, PdfResolution / 96.0);
        for (int page = 0; page < pages.count(); ++page) {
            if (page > 0)
                writer.newPage();
            pages.paint(painter, page);
        }
    }
    return buffer.data();
}

void saveDocument(const QTextDocument& document, const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("docx"))
        bytes = docxBytes(document);
    else if (suffix == QLatin1String("odt"))
        bytes = odtBytes(document);
    else if (suffix == QLatin1String("pdf"))
        bytes = pdfBytes(document);
    else
        throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\": nieznany rodzaj dokumentu. "
                                      "Nazwa pliku musi się kończyć na .docx, .odt albo .pdf.")
                           .arg(QDir::toNativeSeparators(fileName)));
    if (bytes.isEmpty())
        throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\": nie udało się utworzyć dokumentu.")
                           .arg(QDir::toNativeSeparators(fileName)));
    AtomicFileWriter().write(fileName, bytes);
}
