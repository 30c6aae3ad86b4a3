#pragma once
// ResultSheet: the result of a calculator as a one-page document: its title, the date, the
// inputs, the formula, the limits with their legal sources, the result and the verdict;
// written as PDF for printing or filing with the assessment.

#include <QDate>
#include <QString>

struct ResultSheet {
    QString title;
    QDate date;
    QString inputs;    // HTML
    QString formula;   // HTML
    QString limits;    // HTML
    QString result;    // HTML
    QString verdict;   // plain text

    QString html() const;
    // Writes the sheet as an A4 PDF; false when the file cannot be written.
    bool writePdf(const QString& path) const;
};
