#pragma once
// The register of assessments written to a file for reading outside the program: a `.pdf`
// (a table on landscape A4 pages, the header on every page), a `.xlsx` or a `.csv`, chosen
// by the extension. Throws AppError with a Polish text when the file cannot be written.

#include "model/assessment_register.h"

#include <QList>

void writeRegister(const QList<RegisterEntry>& entries, const QString& path, QDate today);
