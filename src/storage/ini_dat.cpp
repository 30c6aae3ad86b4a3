#include "storage/ini_dat.h"

#include "storage/file_lock.h"
#include "storage/regular_file.h"
#include "storage/write_access.h"

#include "base/app_error.h"

#include <QFile>
#include <QScopeGuard>

TIniDat::TIniDat(QObject* parent) : QObject(parent) {}

TIniDat::~TIniDat()
{
    ini_.reset();
    if (holdsLock())
        giveLockBack();
}

bool TIniDat::holdsLock() const
{
    return !readTylko_ && !fileName_.isEmpty() && locked_;
}

TIniDat::LockNews TIniDat::OpenIniFile(const QString& name)
{
    fileName_ = name;
    return OpenIni();
}

TIniDat::LockNews TIniDat::OpenIni()
{
    ini_.reset();
    // Before the lock: a FIFO or a device must not have its mode changed, nor be read.
    regular_file::requireDocument(fileName_);
    const LockNews news = decideLock();

    auto ini = std::make_unique<TMemIniFileU>(fileName_);
    ini->LoadFromFile();
    ini->WriteAllowed = locked_;
    ini->LockedWriteBits = lockedWriteBits_;
    ini->SetWriter(writer_);
    ini_ = std::move(ini);
    pozycja_ = 0;
    return news;
}

TIniDat::LockNews TIniDat::decideLock()
{
    staleOwner_.reset();
    if (!QFile::exists(fileName_)) {
        // Entitled to the file: the first WriteToDisk creates it and locks it.
        locked_ = !readTylko_;
        lockedWriteBits_ = file_lock::newFileWriteBits();
        if (locked_)
            LockOwner::thisProcess(lockedWriteBits_).write(fileName_);
        return LockNews::None;
    }
    if (readTylko_) {
        locked_ = false;
        return LockNews::None;
    }
    if (locked_) {
        file_lock::setReadOnly(fileName_);
        return LockNews::None;
    }
    const std::optional<LockOwner> owner = LockOwner::read(fileName_);
    const LockOwner::State state = LockOwner::stateOf(owner, file_lock::isReadOnly(fileName_));
    // A file this user may not write at all (another user's, or read-only by its mode) is
    // shown read-only at once instead of refusing the save after the work is done.
    const bool writable = write_access::decide(write_access::Writer::current(), write_access::inspect(fileName_)).way
                          != write_access::Way::NotWritable;
    if (state == LockOwner::State::Free && writable) {
        takeLock({});
        return LockNews::None;
    }
    if (readOnlyWarned_)
        return LockNews::None;
    readOnlyWarned_ = true;
    if (state == LockOwner::State::Stale) {
        staleOwner_ = owner;
        return LockNews::Stale;
    }
    return LockNews::HeldByOther;
}

void TIniDat::takeLock(QFile::Permissions alreadyTaken)
{
    lockedWriteBits_ = alreadyTaken | file_lock::setReadOnly(fileName_);
    locked_ = true;
    LockOwner::thisProcess(lockedWriteBits_).write(fileName_);
}

bool TIniDat::TakeOverLock()
{
    // Recorded first: a take-over its record does not show would leave the dead holder's
    // record offering the file to every other copy.
    if (!staleOwner_ || !LockOwner::thisProcess(staleOwner_->takenWriteBits).write(fileName_))
        return false;
    takeLock(staleOwner_->takenWriteBits);
    staleOwner_.reset();
    if (ini_)
        ini_->WriteAllowed = true;
    return true;
}

void TIniDat::giveLockBack()
{
    file_lock::setArchive(fileName_, lockedWriteBits_);
    LockOwner::removeOwn(fileName_);
    locked_ = false;
}

void TIniDat::CloseIni()
{
    ini_.reset();
    pozycja_ = -1;
}

void TIniDat::ReleaseIni()
{
    if (holdsLock()) {
        giveLockBack();
        readOnlyWarned_ = false;
    }
    CloseIni();
}

std::optional<QByteArray> TIniDat::ContentWith(const std::function<void()>& writePass)
{
    if (ini_)
        return std::nullopt;
    ini_ = std::make_unique<TMemIniFileU>(fileName_);
    const auto dropCopy = qScopeGuard([this] { ini_.reset(); });
    try {
        ini_->LoadFromFile();
    } catch (const AppError&) {
        ini_->LoadFromBytes({});
    }
    writePass();
    return ini_->ToBytes();
}
