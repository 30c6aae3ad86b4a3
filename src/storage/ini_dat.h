#pragma once
// TIniDat: the document file of one window. It names the file, creates and drops the
// in-memory copy (Ini) for the moments of a load or a save, takes and gives up the write
// lock (the file's write permission bits, with the lock-owner record beside it: LockOwner).
// It reads regular files only.
// Owned by its window (QObject parent); destroying it gives the lock back. It shows nothing
// itself: what the user must hear about an open, its caller tells.

#include "storage/ini_file.h"
#include "storage/lock_owner.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class TIniDat : public QObject {
    Q_OBJECT
public:
    // What an open found out about someone else's lock that the user has not heard of from
    // this component since it last gave up a lock of its own.
    enum class LockNews {
        None,
        HeldByOther,  // someone else holds the file: the caller warns the user
        Stale,        // a program of this computer that no longer runs left its lock: the
                      // caller asks whether to take it over (TakeOverLock)
    };

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
    // The write bits taking the lock removed, given back when it is released.
    QFile::Permissions LockedWriteBits() const { return lockedWriteBits_; }
    bool ReadOnlyWarned() const { return readOnlyWarned_; }

    // FileName := name, then OpenIni.
    LockNews OpenIniFile(const QString& name);
    // Decides the lock and loads the file into a new Ini. REQUIRES: no Ini is held.
    // Reports someone else's lock once, so the caller's warning or question comes once.
    // Throws FileRefused, before the lock is decided, when the path is no regular file or is
    // too large; AppError when the file cannot be read. No Ini is held then.
    LockNews OpenIni();
    // Takes over the lock the last OpenIni reported as Stale: the file stays locked, now by
    // this component, which will give back the write bits the crashed program took. False,
    // with nothing changed, when this component cannot record itself as the holder: the
    // old record would still offer the file to everyone.
    bool TakeOverLock();
    // The holder of the lock the last OpenIni reported as Stale.
    const std::optional<LockOwner>& StaleOwner() const { return staleOwner_; }
    void CloseIni();
    // Gives up a held lock (the file becomes writable again), then CloseIni.
    void ReleaseIni();
    // The bytes a save would write after `writePass` (which writes the values into Ini()):
    // they go into a copy of what the file holds now (an empty one when it cannot be read),
    // and nothing is written and no lock is taken or given. None while a load or a save
    // holds its own copy.
    std::optional<QByteArray> ContentWith(const std::function<void()>& writePass);
    // The writer every later copy saves with; nullptr (the default) is a plain
    // AtomicFileWriter. Not owned. Tests give one that fails.
    void SetWriter(AtomicFileWriter* writer) { writer_ = writer; }

private:
    // True when this component must give the lock back (it is not read-only and names a file).
    bool holdsLock() const;
    // Steps 1 to 5 of OpenIni: takes, keeps or leaves the lock.
    LockNews decideLock();
    // Takes the write bits away and records this process as the holder; `alreadyTaken` are
    // bits an earlier holder took, which are given back as well at the release.
    void takeLock(QFile::Permissions alreadyTaken);
    void giveLockBack();

    bool readTylko_ = false;
    QString fileName_;
    int pozycja_ = -1;
    std::unique_ptr<TMemIniFileU> ini_;
    bool locked_ = false;
    QFile::Permissions lockedWriteBits_; // what taking the lock removed, given back when it is released
    bool readOnlyWarned_ = false;
    std::optional<LockOwner> staleOwner_;
    AtomicFileWriter* writer_ = nullptr;
};
