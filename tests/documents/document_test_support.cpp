#include "document_test_support.h"

#include "base/win1250.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "documents/scale_picker.h"
#include "controls/string_grid_ini.h"
#include "support/while_modal.h"

#include <QApplication>
#include <QTabWidget>

QString tableLines(const QList<QStringList>& rows)
{
    QString text;
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            text += QStringLiteral("TABELA%1/%2=%3\r\n").arg(c).arg(r + 1).arg(rows[r][c]);
    }
    return text;
}

bool withPicker(const std::function<void()>& open, const std::function<void(TForm3&)>& drive)
{
    return whileModal(&Form3, open, drive);
}

DocumentWindowTest::DocumentWindowTest()
{
    frame.resize(800, 520);
    frame.show();
}

void DocumentWindowTest::open(DocumentWindow* window, const QString& iniText, const QString& name)
{
    window->openFile(folder.write(name, win1250::fromUnicode(iniText)));
    window->show();
    QApplication::processEvents();
}

TForm5* DocumentWindowTest::openAssessment(const QString& iniText, const QString& name)
{
    auto* window = new TForm5(&host, &frame);
    open(window, iniText, name);
    return window;
}

TForm2* DocumentWindowTest::openProject(const QString& iniText, const QString& name)
{
    auto* window = new TForm2(&host, &frame);
    open(window, iniText, name);
    return window;
}

TForm2* DocumentWindowTest::newProject()
{
    auto* window = new TForm2(&host, &frame);
    window->bindToFile(folder.path(QStringLiteral("PROJEKT1.rpr")));
    window->show();
    QApplication::processEvents();
    return window;
}

void DocumentWindowTest::selectCell(QWidget* table, int column, int row)
{
    auto* grid = static_cast<TStringGridIni*>(table);
    grid->setFocus();
    grid->setCurrentCell(row, column);
}

void DocumentWindowTest::paint(QWidget* window)
{
    window->grab();
    QApplication::processEvents();
}
