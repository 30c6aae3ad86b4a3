#pragma once
// Reading a file that must be a regular file of a bounded size.
//
// A document, the hazard catalogue or a lock-owner record is read whole. Only a regular
// file is read: a FIFO would block the program until someone writes into it, a device such
// as /dev/zero never ends, a folder holds no text. Its size is bounded, so a huge file is
// refused with its size instead of filling the memory; an allocation that fails while
// reading is reported like any other failed read and never ends the program.

#include "base/app_error.h"

#include <QByteArray>
#include <QString>

// The refusal of a path that is no regular file or is too large. Its text names the path
// and the reason, and is all the user needs to hear.
class FileRefused : public AppError {
public:
    using AppError::AppError;
};

namespace regular_file {

// The largest document read, far above the largest document a user makes (a few MB).
constexpr qint64 MaxDocumentBytes = qint64(256) * 1024 * 1024;

// Throws FileRefused when `path` exists but is no regular file (links are followed) or
// holds more than MaxDocumentBytes. A path that does not exist passes.
void requireDocument(const QString& path);

// The bytes of the regular file `path`, which must hold at most `maxBytes`. Never waits for
// a writer. Throws FileRefused as requireDocument does, and AppError when the file cannot
// be opened or read or the memory for it cannot be had.
QByteArray read(const QString& path, qint64 maxBytes = MaxDocumentBytes);

// The error of a read of `path` for which the memory could not be had.
AppError outOfMemory(const QString& path);

} // namespace regular_file
