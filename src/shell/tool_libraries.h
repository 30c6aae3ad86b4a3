#pragma once
// Tool libraries: additional tools delivered as shared libraries in the program's folder
// (the contract is tools/tool_library.h). Finding them reads each file's metadata without
// loading it; running one loads it, calls its entry point and unloads it again.

#include <QList>
#include <QString>
#include <QtGlobal>

// A tool library found in a folder: its file name without folder and its menu caption.
struct ToolLibrary {
    QString fileName;
    QString caption;
};

// The tool libraries of `folder` in the order of their file names: the "*.so" files whose
// metadata has "InternalName" exactly "Tools"; the caption is their "FileDescription", empty
// when they have none. A file whose metadata cannot be read is skipped.
// Throws AppError when the folder itself cannot be listed.
QList<ToolLibrary> findToolLibraries(const QString& folder);

// Loads the library at `path`, calls its FExp with `mainWindow` and waits for it to return,
// then unloads the library, also when FExp throws. A library that cannot be loaded or has no
// FExp is left alone without a word. Throws AppError, after unloading, when FExp throws.
void runToolLibrary(const QString& path, quintptr mainWindow);
