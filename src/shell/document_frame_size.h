#pragma once
// DocumentFrameSize: where a new document window's frame opens in the document area. It
// opens at the size the user last left a document window at, kept in TARVEN.INI (section
// OKNO), or, before there is one, filling the area; never larger than the area nor smaller
// than the window allows, and inside the area when it fits. It watches the frames it has
// placed and keeps the size of each one that is closed in its normal state at a size other
// than the one it was placed at.
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
    // The kept size, or an empty one when none is kept or the settings cannot be read.
    QSize keptSize() const;
    void keep(QSize size);

    ProgramPaths paths_;
    QHash<const QObject*, QSize> placed_;   // the size each watched frame was placed at
};
