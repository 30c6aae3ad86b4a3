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
    const QRect free = area->viewport()->rect();
    const QSize kept = keptSize();
    frame->resize((kept.isEmpty() ? free.size() : kept.boundedTo(free.size())).expandedTo(frame->minimumSizeHint()));
    // Where the area placed it, moved back left and up as far as it takes to be inside; a
    // frame larger than the area starts at its top-left corner.
    frame->move(qBound(0, frame->x(), qMax(0, free.width() - frame->width())),
                qBound(0, frame->y(), qMax(0, free.height() - frame->height())));
    placed_.insert(frame, frame->size());
    connect(frame, &QObject::destroyed, this, [this, frame] { placed_.remove(frame); });
    frame->installEventFilter(this);
}

// Only a size the frame was given after it was placed is the user's.
bool DocumentFrameSize::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        const auto* frame = static_cast<QMdiSubWindow*>(watched);
        if (!frame->isMinimized() && !frame->isMaximized() && frame->size() != placed_.value(frame))
            keep(frame->size());
    }
    return QObject::eventFilter(watched, event);
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
