#pragma once
// Which process of this computer runs: a process is known by its id and the moment it
// started, since an id is given again once its process has ended. Read from Linux's /proc;
// where the system does not tell, a process id that answers counts as running.

#include <QDateTime>

namespace process_start {

// When process `pid` started, to the second; invalid when no such process runs, when it has
// ended but its parent has not yet collected it (a zombie), or when the system does not tell.
QDateTime of(qint64 pid);

// When this process started, asked once: asked again, the answer may differ by a second.
const QDateTime& own();

// Whether process `pid`, started at `started` (invalid: at any time), still runs.
bool runs(qint64 pid, const QDateTime& started);

} // namespace process_start
