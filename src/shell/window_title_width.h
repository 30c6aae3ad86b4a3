#pragma once
// The width a small window needs for the window manager to show its whole title: the title
// in the bold face of the title bars, and room for the frame's icon and buttons beside it.

#include <QString>

int windowTitleWidth(const QString& title);
