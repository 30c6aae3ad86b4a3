#pragma once
// Workstation templates: ordinary project files (.rpr) that a new project starts from. The
// program ships some in a read-only folder (ProgramPaths::templatesFolder()); the user saves
// the own ones into a writable folder (ProgramPaths::userTemplatesFolder()).

#include "model/document_snapshot.h"

#include <QList>
#include <QString>

class DocumentModel;

struct WorkstationTemplate {
    QString name;    // the file's name without ".rpr"
    QString title;   // what the lists show: a shipped one's workstation, the user's own name
    QString path;    // full path of the .rpr
    bool own;        // saved by the user, so it may be deleted
    ProjectSnapshot content;
};

// The shipped templates, then the user's, each group sorted by title. A file that cannot be
// read as a project is left out.
QList<WorkstationTemplate> listTemplates(const QString& shippedFolder, const QString& userFolder);

// Whether `name` can be a template's file name on every system the documents travel to:
// not empty, no path separator or character Windows refuses, not "." or "..", and only
// characters Windows-1250 holds.
bool isValidTemplateName(const QString& name);
// The file that a template named `name` has in `userFolder`.
QString templatePath(const QString& userFolder, const QString& name);
// Writes `model` into `path` as a fresh project file (Windows-1250, CR LF), made in one
// step; the folder is made when missing. Throws AppError on failure.
void saveTemplate(const DocumentModel& model, const QString& path);
