#pragma once
// Reading a document file without a window: the snapshot a project or assessment window
// gives right after it has opened the file. The file is read as it is, without taking its
// lock (another copy of the program may hold it open) and without ever writing it.
//
// Both throw AppError with the cause in Polish: a missing or unreadable file, or a file that
// is not a document of the kind asked for (a project holds section OPIS, an assessment
// OPISOC as well).

#include "documents/document_snapshot.h"

ProjectSnapshot readProjectFile(const QString& fileName);
AssessmentSnapshot readAssessmentFile(const QString& fileName);
