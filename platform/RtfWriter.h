#pragma once
// Writes a range of a text document as an RTF document: fonts, colours,
// sizes, bold/italic/underline/strike-out, paragraphs and their alignment.
#include <QByteArray>

class QTextDocument;

// from and to are document positions; the range [from, to) is written.
QByteArray WriteRtf(const QTextDocument* doc, int from, int to);
