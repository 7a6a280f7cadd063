#pragma once
// Appends a run the way the program's windows do: caret to the end, every
// attribute set, then the text.
#include "RichEdit.h"

inline void AddRun(TRichEdit& e, const QString& text, const QColor& color, const QString& font,
                   int size, TFontStyles style) {
    e.SetSelStart(e.Length());
    e.SelAttributes().SetColor(color);
    e.SelAttributes().SetName(font);
    e.SelAttributes().SetSize(size);
    e.SelAttributes().SetStyle(style);
    e.SetSelText(text);
}
