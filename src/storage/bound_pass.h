#pragma once
// The read pass and the write pass of a document window: for each page of its tab control
// in order, each bound control placed directly on that page, in the order in which it was
// placed, reads (or writes) its value. Controls nested in another container are skipped.
// REQUIRES: the controls' TIniDat has its in-memory copy loaded.

class QTabWidget;

void ReadPass(QTabWidget* PageControl1);
void WritePass(QTabWidget* PageControl1);
