#include "shell/password_hash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {

const QString Scheme = QStringLiteral("pbkdf2-sha256");
// About a tenth of a second here: nothing at the one check a start makes, slow for a guesser.
constexpr int Iterations = 200000;
constexpr int SaltBytes = 16;
constexpr int KeyBytes = 32;

QByteArray derivedKey(const QString& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, KeyBytes);
}

QByteArray randomSalt()
{
    QByteArray salt(SaltBytes, '\0');
    for (char& byte : salt)
        byte = char(QRandomGenerator::system()->bounded(256));
    return salt;
}

// Compares every byte, so the time taken does not tell how much of a guess was right.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString hashPassword(const QString& password)
{
    const QByteArray salt = randomSalt();
    return QStringList{Scheme, QString::number(Iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derivedKey(password, salt, Iterations).toBase64())}
        .join(QLatin1Char(':'));
}

bool passwordMatches(const QString& stored, const QString& candidate)
{
    if (stored.isEmpty())
        return candidate.isEmpty();
    const QStringList parts = stored.split(QLatin1Char(':'));
    bool isNumber = false;
    const int iterations = parts.size() == 4 ? parts[1].toInt(&isNumber) : 0;
    if (parts.size() != 4 || parts[0] != Scheme || !isNumber || iterations <= 0)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts[3].toLatin1());
    return !key.isEmpty() && sameBytes(derivedKey(candidate, salt, iterations), key);
}
