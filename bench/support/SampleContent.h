// The sample content beside a benchmark (scripts/content.sh writes it into
// the build's bin folder), opened as the program opens it.
#pragma once

#include <QString>

// Starts an offscreen application when none runs yet; widget benchmarks
// need one before their first window.
void StartOffscreenApplication(const char* name);

// The data module's start-up tables opened on the sample content; the error
// text (also when the content is missing), empty on success.
QString OpenSampleContent();
