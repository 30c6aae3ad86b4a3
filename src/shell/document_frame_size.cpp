#include "shell/document_frame_size.h"

#include "base/app_error.h"
#include "shell/settings_file.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

constexpr SettingsKey WidthKey{"OKNO", "Szerokosc"};
constexpr SettingsKey HeightKey{"OKNO", "Wysokosc"};

} // namespace

DocumentFrameSize::DocumentFrameSize(const ProgramPaths& paths, QObject* parent) : QObject(parent), paths_(paths) {}

void DocumentFrameSize::place(QMdiSubWindow* frame, const QMdiArea* area)
{
    fit(frame, area->viewport()->size(), keptSize());
    connect(frame, &QObject::destroyed, this, [this, frame] { placed_.remove(frame); });
    frame->installEventFilter(this);
    area->viewport()->installEventFilter(this);
}

void DocumentFrameSize::fit(QMdiSubWindow* frame, QSize free, QSize kept)
{
    frame->resize((kept.isEmpty() ? free : kept.boundedTo(free)).expandedTo(frame->minimumSizeHint()));
    // Where the area placed it, moved back left and up as far as it takes to be inside; a
    // frame larger than the area starts at its top-left corner.
    frame->move(qBound(0, frame->x(), qMax(0, free.width() - frame->width())),
                qBound(0, frame->y(), qMax(0, free.height() - frame->height())));
    placed_.insert(frame, frame->size());
}

// A frame still at the size it was placed at is sized again when the area changes (a
// document opened while the main window was still coming up). Only a size the frame was
// given after it was placed is the user's, kept when the frame closes.
bool DocumentFrameSize::eventFilter(QObject* watched, QEvent* event)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(watched);
    if (!frame && event->type() == QEvent::Resize) {
        const QSize free = static_cast<QWidget*>(watched)->size();
        const QSize kept = keptSize();
        for (QMdiSubWindow* placed : placed_.keys()) {
            if (placed->parentWidget() == watched && isNormal(placed) && placed->size() == placed_.value(placed))
                fit(placed, free, kept);
        }
    } else if (frame && event->type() == QEvent::Close) {
        if (isNormal(frame) && frame->size() != placed_.value(frame))
            keep(frame->size());
    }
    return QObject::eventFilter(watched, event);
}

bool DocumentFrameSize::isNormal(const QMdiSubWindow* frame)
{
    return !frame->isMinimized() && !frame->isMaximized();
}

QSize DocumentFrameSize::keptSize() const
{
    try {
        const SettingsFile settings(paths_);
        return {settings.readString(WidthKey).toInt(), settings.readString(HeightKey).toInt()};
    } catch (const AppError&) {
        return {};
    }
}

void DocumentFrameSize::keep(QSize size)
{
    if (size == keptSize())
        return;
    try {
        SettingsFile settings(paths_);
        settings.writeString(WidthKey, QString::number(size.width()));
        settings.writeString(HeightKey, QString::number(size.height()));
    } catch (const AppError&) {
        // The size of the next window is a convenience: not keeping it is no reason to
        // interrupt the user.
    }
}
