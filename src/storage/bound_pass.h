#pragma once
// The read pass and the write pass of a document window: each of the window's bound
// controls, in the order the window lists them, reads (or writes) its value. The order of
// the write pass is the order of the keys a new file gets.
// REQUIRES: the controls' TIniDat has its in-memory copy loaded.

#include <QList>

class BoundControl;

void ReadPass(const QList<BoundControl*>& controls);
void WritePass(const QList<BoundControl*>& controls);
