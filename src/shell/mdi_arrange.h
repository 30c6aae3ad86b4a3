#pragma once
// Arrangements of the document windows of an MDI area beyond QMdiArea's own cascade.

class QMdiArea;

// Every document window that is not minimised takes the full width of the area, one
// below the other in the order they were opened, sharing the height equally; the row of
// minimised windows at the bottom stays free.
void tileHorizontally(QMdiArea* area);

// The minimised document windows, in the order they were opened, line up from the
// bottom-left corner to the right, a new row above when a row is full.
void arrangeIcons(QMdiArea* area);

// Minimises every document window, from the active (topmost) one down.
void minimizeAll(QMdiArea* area);
