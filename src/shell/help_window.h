#pragma once
// HelpWindow: the program's help, a window of its own that never blocks the main window.
// On the left the contents, the index and the full-text search, on the right the topic.
// A help context number opens its topic. The topics are the compiled help TARVEN.qch among
// the program's data; the collection that registers it and the search index are made where
// ProgramPaths puts them, on first use. The window's size and place are kept in TARVEN.INI,
// section POMOC.
//
// Owned by the main window (Qt parent), which asks it for topics through requestHelp().

#include "base/program_paths.h"

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const ProgramPaths& paths, QWidget* owner);
    ~HelpWindow() override;

    // Shows the window in front with the topic of `context`; an unknown context shows the
    // contents topic.
    void showContext(int context);
    // The topic of `context`, or an empty URL when the help has none.
    QUrl topicOf(int context) const;
    QUrl currentTopic() const;
    QHelpEngine* engine() const { return engine_; }

    QTabWidget* Navigation;
    QTextBrowser* Topic;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* createIndexPage();
    QWidget* createSearchPage();
    void open(const QUrl& topic);
    void restoreGeometry();
    void storeGeometry();

    ProgramPaths paths_;
    QHelpEngine* engine_;
};
