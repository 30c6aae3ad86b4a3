#pragma once
// The contract between the program and a tool library: an additional tool delivered as a
// shared library placed in the program's folder and listed in the main menu "Użyteczne".
//
// A tool library
//   - is a shared library whose file name ends in ".so" (on Windows ".dll");
//   - carries Qt plugin metadata, a JSON object with two strings:
//       "InternalName": exactly "Tools" (any other value, or none, and the file is not a tool),
//       "FileDescription": the caption of its menu item;
//     the program reads them from the file without loading it;
//   - exports the C function FExp declared below.
//
// When the user chooses its item, the program loads the library, calls FExp with the native
// handle of its main window (QWidget::find() turns it back into the window), waits for FExp
// to return and unloads the library at once; every later choice loads it afresh. FExp runs
// on the window thread, so a tool shows its window modally and destroys it before returning,
// and leaves nothing behind that points into the library (no queued calls, no timers).
// An exception thrown by FExp is shown to the user as the tool's failure.
// A tool's window names its help topic with the dynamic property "helpContext" (an int, the
// keyword id of the topic in the program's help): F1 in the window then opens that topic.
//
// Building one with CMake, next to this file (tools/CMakeLists.txt defines the helper):
//
//   my_tool.json:  {"InternalName": "Tools", "FileDescription": "Mój kalkulator"}
//   my_tool.cpp:   #include "tool_library.h"
//                  class MyToolMetadata : public QObject {
//                      Q_OBJECT
//                      TOOL_LIBRARY_METADATA("my_tool.json")
//                  };
//                  void FExp(quintptr mainWindow) { ... }
//                  #include "my_tool.moc"
//   CMakeLists.txt: add_tool_library(my_tool my_tool.cpp)
//
// add_tool_library builds a module without the "lib" prefix into the program's folder and,
// with GCC, without unique symbols (-fno-gnu-unique): otherwise the system keeps the library
// loaded after it is released, and a tool's state would survive from one choice to the next.

#include <QObject>
#include <QtPlugin>

// The interface name written into the metadata; the program recognises a tool by
// "InternalName", not by this name.
#define TOOL_LIBRARY_IID "pl.ocena-ryzyka.Tools"

// Placed in a QObject class with Q_OBJECT, in the library's source: embeds `jsonFile` (a path
// relative to that source) as the library's metadata.
#define TOOL_LIBRARY_METADATA(jsonFile) Q_PLUGIN_METADATA(IID TOOL_LIBRARY_IID FILE jsonFile)

// The tool's entry point. `mainWindow` is the native handle (WId) of the program's main window.
extern "C" Q_DECL_EXPORT void FExp(quintptr mainWindow);

using FExpFunction = decltype(&FExp);
