#pragma once
// The real readers that report tests read written files with: python3-docx, run by Debian's
// own python3 (another python3 earlier on the PATH may lack the module), and pdftotext.

#include <QProcess>
#include <gtest/gtest.h>

// Runs `program` and returns its standard output; fails the test when it does not end well.
inline QByteArray readWith(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// What the python `script` prints for the file at `path`, its one argument.
inline QByteArray readWithPython(const char* script, const QString& path)
{
    return readWith(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(script), path});
}

inline QString pdfText(const QString& path)
{
    return QString::fromUtf8(readWith(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
}
