// A tool library built by the tests, once per kind of metadata (fake_tool.json comes from
// the kind's folder). Each call of FExp appends "<FAKE_TOOL_NAME> <calls so far> <handle>"
// to the file named by FAKE_TOOL_MARKER: the count stays 1 while the library is unloaded
// after every call. Variants throw from FExp or take the whole process down.

#include "tool_library.h"

#include <QFile>
#include <cstdlib>
#include <stdexcept>

class FakeToolMetadata : public QObject {
    Q_OBJECT
    TOOL_LIBRARY_METADATA("fake_tool.json")
};

#ifndef FAKE_TOOL_WITHOUT_ENTRY
void FExp(quintptr mainWindow)
{
    static int calls = 0;
    QFile marker(qEnvironmentVariable("FAKE_TOOL_MARKER"));
    if (marker.open(QIODevice::Append))
        marker.write(QStringLiteral("%1 %2 %3\n").arg(QLatin1String(FAKE_TOOL_NAME)).arg(++calls).arg(mainWindow).toUtf8());
#ifdef FAKE_TOOL_THROWS
    throw std::runtime_error("awaria narzędzia");
#endif
#ifdef FAKE_TOOL_ABORTS
    std::abort();
#endif
}
#endif

#include "fake_tool.moc"
