#pragma once
// TIniDat: the document file of one window. It names the file, creates and drops the
// in-memory copy (Ini) for the moments of a load or a save, takes and gives up the write
// lock (the owner's write permission of the file) and carries the modified flag.
// Owned by its window (QObject parent); destroying it gives the lock back. It shows nothing
// itself: what the user must hear about an open, its caller tells.

#include "storage/ini_file.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class TIniDat : public QObject {
    Q_OBJECT
public:
    explicit TIniDat(QObject* parent = nullptr);
    ~TIniDat() override;

    bool ReadTylko() const { return readTylko_; }
    void SetReadTylko(bool on) { readTylko_ = on; }
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }
    int Pozycja() const { return pozycja_; }
    // The in-memory copy, or nullptr outside a load or a save.
    TMemIniFileU* Ini() const { return ini_.get(); }
    bool Locked() const { return locked_; }
    bool ReadOnlyWarned() const { return readOnlyWarned_; }
    bool Modified() const { return modified_; }

    // FileName := name, then OpenIni.
    bool OpenIniFile(const QString& name);
    // Decides the lock and loads the file into a new Ini. REQUIRES: no Ini is held.
    // True when the file turned out to carry someone else's lock and this component has not
    // said so since it last gave up a lock of its own: the caller warns the user, so the
    // warning comes once. Throws AppError when the file cannot be read; no Ini is held then.
    bool OpenIni();
    void CloseIni();
    // Gives up a held lock (the file becomes writable again), then CloseIni.
    void ReleaseIni();
    void SetModified();
    void ClearModified();
    // The bytes a save would write after `writePass` (which writes the values into Ini()):
    // they go into a copy of what the file holds now (an empty one when it cannot be read),
    // and nothing is written and no lock is taken or given. None while a load or a save
    // holds its own copy.
    std::optional<QByteArray> ContentWith(const std::function<void()>& writePass);
    // The writer every later copy saves with; nullptr (the default) is a plain
    // AtomicFileWriter. Not owned. Tests give one that fails.
    void SetWriter(AtomicFileWriter* writer) { writer_ = writer; }

signals:
    void modifiedChanged(bool modified);

private:
    // True when this component must give the lock back (it is not read-only and names a file).
    bool holdsLock() const;
    // Steps 1 to 5 of OpenIni: takes, keeps or leaves the lock; true when a foreign lock
    // is news to this component.
    bool decideLock();
    void setModified(bool on);

    bool readTylko_ = false;
    QString fileName_;
    int pozycja_ = -1;
    std::unique_ptr<TMemIniFileU> ini_;
    bool locked_ = false;
    QFile::Permissions lockedWriteBits_; // what taking the lock removed, given back when it is released
    bool readOnlyWarned_ = false;
    bool modified_ = false;
    AtomicFileWriter* writer_ = nullptr;
};
