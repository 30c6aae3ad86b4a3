#pragma once
// TempFolder: a fresh folder for one test, removed with everything in it afterwards.
// Files a test locked (made read-only) are removed as well.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TempFolder {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString root() const { return dir_.path(); }

    // Writes `bytes` to `name` and returns the full path.
    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return f.fileName();
    }

    QByteArray read(const QString& name) const
    {
        QFile f(name.startsWith('/') ? name : path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};
