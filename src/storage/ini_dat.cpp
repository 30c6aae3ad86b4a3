#include "storage/ini_dat.h"

#include "storage/file_lock.h"

#include "base/app_error.h"

#include <QFile>
#include <QScopeGuard>

TIniDat::TIniDat(QObject* parent) : QObject(parent) {}

TIniDat::~TIniDat()
{
    ini_.reset();
    if (holdsLock()) {
        file_lock::setArchive(fileName_, lockedWriteBits_);
        locked_ = false;
    }
}

bool TIniDat::holdsLock() const
{
    return !readTylko_ && !fileName_.isEmpty() && locked_;
}

bool TIniDat::OpenIniFile(const QString& name)
{
    fileName_ = name;
    return OpenIni();
}

bool TIniDat::OpenIni()
{
    ini_.reset();
    const bool foreignLockNews = decideLock();

    auto ini = std::make_unique<TMemIniFileU>(fileName_);
    ini->LoadFromFile();
    ini->WriteAllowed = locked_;
    ini->SetWriter(writer_);
    ini_ = std::move(ini);
    pozycja_ = 0;
    return foreignLockNews;
}

bool TIniDat::decideLock()
{
    if (!QFile::exists(fileName_)) {
        // Entitled to the file: the first WriteToDisk creates it and locks it.
        locked_ = !readTylko_;
        lockedWriteBits_ = file_lock::newFileWriteBits();
    } else if (readTylko_) {
        locked_ = false;
    } else if (locked_) {
        file_lock::setReadOnly(fileName_);
    } else if (file_lock::isReadOnly(fileName_)) {
        const bool news = !readOnlyWarned_;
        readOnlyWarned_ = true;
        return news;
    } else {
        lockedWriteBits_ = file_lock::setReadOnly(fileName_);
        locked_ = true;
    }
    return false;
}

void TIniDat::CloseIni()
{
    ini_.reset();
    pozycja_ = -1;
}

void TIniDat::ReleaseIni()
{
    if (holdsLock()) {
        file_lock::setArchive(fileName_, lockedWriteBits_);
        locked_ = false;
        readOnlyWarned_ = false;
    }
    CloseIni();
}

void TIniDat::SetModified()
{
    setModified(true);
}

void TIniDat::ClearModified()
{
    setModified(false);
}

void TIniDat::setModified(bool on)
{
    if (modified_ == on)
        return;
    modified_ = on;
    emit modifiedChanged(on);
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
