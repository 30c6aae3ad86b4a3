#pragma once
// RecoveryStore: the folder of recovery copies, where the unsaved content of modified
// documents waits so that a run that ends without closing them (a crash, a kill, a tool
// library that takes the process down) does not take it along. The folder is the user's
// own (0700) in the cache folder; nothing here ever touches a document's file.
//
// A copy is two files named after the process that wrote it and the number that process
// gives the document: "<pid>-<n>.kopia" holds the document's bytes as a save would write
// them (a whole document the user could rename and open), "<pid>-<n>.json" describes it:
// the document's path, its kind, the time of the copy and the writing process. Both are
// written atomically, the content first, and removed in the other order, so every
// description names a whole copy.
//
// A copy belongs to its process while that process runs: only copies whose process has
// ended are listed for the user. A process number used again later, after a restart or by
// another program, is told apart by the moment the process started.

#include <QDateTime>
#include <QList>
#include <QString>

struct RecoveryCopy {
    QString name;        // "<pid>-<n>": the files' name without its extension
    QString document;    // the document's full path (a new document's provisional name)
    QString extension;   // the kind of document: ".rpr" a project, ".ron" a risk assessment
    QDateTime time;      // when the copy was written
};

class RecoveryStore {
public:
    explicit RecoveryStore(const QString& folder = defaultFolder());

    // "odzyskiwanie" in the program's cache folder (QStandardPaths::CacheLocation).
    static QString defaultFolder();
    const QString& folder() const { return folder_; }

    // The name of this process's copy number `number`.
    static QString nameOf(int number);

    // Writes `content` as the copy `copy.name`, replacing an earlier one, and its description
    // with the current time and this process. Makes the folder (0700) when missing. Throws
    // AppError when the folder cannot be made private or a file cannot be written; an
    // earlier copy then stays whole.
    void write(const RecoveryCopy& copy, const QByteArray& content) const;
    // Removes the copy `name`; a copy that is not there is no error.
    void remove(const QString& name) const;
    // The copies whose process has ended, oldest first. A description that cannot be read or
    // lacks its content is skipped.
    QList<RecoveryCopy> leftCopies() const;
    // The content of the copy `name`. Throws AppError when it cannot be read.
    QByteArray content(const QString& name) const;

private:
    QString filePath(const QString& name, const char* extension) const;
    void makePrivateFolder() const;

    QString folder_;
};
