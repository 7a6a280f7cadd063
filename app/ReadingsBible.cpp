// Readings window: the one-chapter Bible window at a citation.

#include "Readings.h"

// The one-chapter window is not part of the program yet; this is where the
// readings window hands it the chapter of a citation.
void TfrmReadings::ShowBibleChapter(const QString&, int, int, int) {}
