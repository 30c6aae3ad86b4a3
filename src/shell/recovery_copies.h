#pragma once
// RecoveryCopies: keeps a recovery copy (RecoveryStore) of every modified document of the
// file commands' windows, so that a run that ends without closing them (a crash, a kill,
// a tool library that takes the process down) loses at most the last moments of work.
//
// Every interval (20 s unless set) the content of each modified window is compared with
// its last copy and written when it differs; writeNow() does the same at once, before
// something that may take the process down. A copy goes when its document is saved (stops
// being modified) or its window closes, and all of this run's copies go with this object,
// which ends with the main window after every document has been closed. A copy never
// touches the document's file.
//
// At the start, offerLeftCopies() lists the copies that ended runs left and restores or
// discards them as the user chooses (RecoveryDialog).
//
// Owned by the main window (QObject parent). REQUIRES: `files` outlives it.

#include "storage/recovery_store.h"

#include <QHash>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>

class DocumentWindow;
class FileCommands;
class QWidget;

class RecoveryCopies : public QObject {
    Q_OBJECT
public:
    RecoveryCopies(FileCommands* files, const QString& folder, QWidget* parent);
    ~RecoveryCopies() override;

    void setInterval(std::chrono::milliseconds interval);
    // Writes the copy of every modified document whose content changed since its last copy.
    // A copy that cannot be written is told to the user once per run.
    void writeNow();
    // When copies of ended runs are there: asks the user about them and restores (a
    // modified document window each, not saved) or discards them. The copies the user
    // leaves undecided stay for the next start.
    void offerLeftCopies();

private:
    struct Copy {
        QString name;            // in the store
        std::optional<size_t> contentHash;   // of the content and path last written; none while no copy is
    };

    Copy& copyOf(DocumentWindow* window);
    void write(DocumentWindow* window);
    void remove(const DocumentWindow* window);
    void restore(const RecoveryCopy& copy);

    FileCommands* files_;
    RecoveryStore store_;
    QTimer timer_;
    QHash<const DocumentWindow*, Copy> copies_;
    int lastNumber_ = 0;
    bool failureShown_ = false;
};
