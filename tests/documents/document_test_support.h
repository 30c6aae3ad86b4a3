#pragma once
// What the document window tests share: a main window stand-in that records the commands'
// states and the saves, documents written as Windows-1250 INI text and opened the way the
// file commands open them, and a way to answer the modal scale picker.

#include "documents/document_host.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>
#include <optional>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class DocumentWindow;
class TForm2;
class TForm3;
class TForm5;

class FakeHost : public DocumentHost {
public:
    // Writes nothing, so the document stays modified.
    bool Save(QWidget* documentWindow) override
    {
        saved.append(documentWindow);
        return false;
    }
    void setRowCommandsEnabled(bool enabled) override { rowCommands = enabled; }
    void setReportEnabled(bool enabled) override { report = enabled; }

    QList<QWidget*> saved;
    std::optional<bool> rowCommands;   // unset until a window sets it
    std::optional<bool> report;
};

// INI text of a table: one "TABELAc/r=text" line per cell, rows numbered from 1.
QString tableLines(const QList<QStringList>& rows);

// Runs `open`, which should show the scale picker modally; once the picker is up, `drive`
// gets it and must close it. Returns whether a picker was shown.
bool withPicker(const std::function<void()>& open, const std::function<void(TForm3&)>& drive);

// A fixture with scripted prompts, a main window stand-in, a folder for the documents and a
// shown frame that holds the document windows as the MDI area would.
class DocumentWindowTest : public ::testing::Test {
protected:
    DocumentWindowTest();

    // Writes `iniText` (Windows-1250) as `name` and opens it in a new window, as the open
    // command does.
    TForm5* openAssessment(const QString& iniText, const QString& name = QStringLiteral("ocena.ron"));
    TForm2* openProject(const QString& iniText, const QString& name = QStringLiteral("projekt.rpr"));
    // A new project: nothing read, named like the file commands name one.
    TForm2* newProject();

    // Selects a cell as the user does (the table gets the focus first).
    static void selectCell(QWidget* table, int column, int row);
    // Paints the window and lets the rows grow and the pickers move.
    static void paint(QWidget* window);

    PromptsScope scope;
    ScriptedPrompts& prompts = scope.prompts;
    FakeHost host;
    TempFolder folder;
    QWidget frame;

private:
    void open(DocumentWindow* window, const QString& iniText, const QString& name);
};
