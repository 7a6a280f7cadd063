#pragma once
// A printer that prints A4 pages into a PDF file, and poppler's readers.
#include <QImage>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <memory>

class TRichEdit;

std::unique_ptr<QPrinter> PdfPrinter(const QString& file);
// The text of every page of a PDF file (pdftotext -layout), one item a page.
QStringList PdfPages(const QString& file);
int PdfPageCount(const QString& file);
// The first page of a PDF file as poppler draws it (pdftoppm) at dpi.
QImage PdfPageImage(const QString& file, int dpi);
// The pixels of an image that show a colour (not a shade of gray).
int ColouredPixels(const QImage& image);
// Paragraphs of numbered words, long enough for several pages.
void FillNumberedText(TRichEdit& edit, int paragraphs);
