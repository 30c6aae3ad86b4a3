#pragma once
// DocumentFrameSize: where a new document window's frame opens in the document area. It
// opens at the size the user last left a document window at, kept in TARVEN.INI (section
// OKNO), or, before there is one, filling the area; never larger than the area nor smaller
// than the window allows, and inside the area when it fits; while nobody has resized it, it
// follows the area's size. It keeps the size of each frame that is closed in its normal
// state at a size other than the one it was placed at.
// Owned by the file commands (QObject parent).

#include "base/program_paths.h"

#include <QHash>
#include <QObject>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

class DocumentFrameSize : public QObject {
    Q_OBJECT
public:
    DocumentFrameSize(const ProgramPaths& paths, QObject* parent);

    // Sizes and places `frame`, shown in its normal state in `area`, and starts watching it.
    void place(QMdiSubWindow* frame, const QMdiArea* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sizes `frame` for an area of `free` size and the `kept` size, and places it inside.
    void fit(QMdiSubWindow* frame, QSize free, QSize kept);
    static bool isNormal(const QMdiSubWindow* frame);
    // The kept size, or an empty one when none is kept or the settings cannot be read.
    QSize keptSize() const;
    void keep(QSize size);

    ProgramPaths paths_;
    QHash<QMdiSubWindow*, QSize> placed_;   // the size each watched frame was placed at
};
