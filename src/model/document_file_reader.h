#pragma once
// Reading a document file without a window: the document's value right after loading it
// into its model, as a window that opened the file holds it. The file is read as it is,
// without taking its lock (another copy of the program may hold it open) and without ever
// writing it.
//
// Both throw AppError with the cause in Polish: a missing or unreadable file, or a file that
// is not a document of the kind asked for (a project holds section OPIS, an assessment
// OPISOC as well).

#include "model/document_snapshot.h"

ProjectSnapshot readProjectFile(const QString& fileName);
AssessmentSnapshot readAssessmentFile(const QString& fileName);
