#include "storage/ini_dat.h"

#include "base/app_error.h"
#include "base/prompts.h"
#include "storage/file_lock.h"

#include <QFile>
#include <QStringList>

namespace {

// Shown once per TIniDat when its file carries the lock of someone else.
QString readOnlyWarning()
{
    return QStringList{
        QStringLiteral("Plik przeznaczony tylko do odczytu."),
        QStringLiteral("Prawdopodobnie plik został otwarty przez innego użytkownika w sieci lub ma ustawiony "
                       "atrybut Tylko do odczytu."),
        QStringLiteral("Jeśli użytkownik w sieci nie korzysta z pliku skorzystaj z \"Eksploratora Windows\" "
                       "aby zmienić atrybuty pliku:"),
        QStringLiteral("a) zamknij plik;"),
        QStringLiteral("b) otwórz Eksploratora Windows;"),
        QStringLiteral("c) zaznacz piki prawym przyciskiem myszki i wybierz Właściwości;"),
        QStringLiteral("d) w sekcji Atrybuty odznacz \"tylko do odczytu\"."),
    }.join(QLatin1Char('\r'));
}

} // namespace

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

void TIniDat::OpenIniFile(const QString& name)
{
    fileName_ = name;
    OpenIni();
}

void TIniDat::OpenIni()
{
    ini_.reset();
    decideLock();

    auto ini = std::make_unique<TMemIniFileU>(fileName_);
    try {
        ini->LoadFromFile();
    } catch (const AppError&) {
        prompts().message(QStringLiteral("Problem z otwarciem pliku. Sprawdź nazwę zbioru."), Prompts::Icon::Error);
        throw;
    }
    ini->WriteAllowed = locked_;
    ini->SetWriter(writer_);
    ini_ = std::move(ini);
    pozycja_ = 0;
}

void TIniDat::decideLock()
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
        if (!readOnlyWarned_) {
            prompts().message(readOnlyWarning(), Prompts::Icon::Warning);
            readOnlyWarned_ = true;
        }
    } else {
        lockedWriteBits_ = file_lock::setReadOnly(fileName_);
        locked_ = true;
    }
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
