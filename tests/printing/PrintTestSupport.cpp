#include "PrintTestSupport.h"

#include "RichEdit.h"

#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(5, 6, 7, 8), QPageLayout::Millimeter));
    return printer;
}

namespace {
QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

QStringList PdfPages(const QString& file) {
    QStringList pages = Run(EVELM_PDFTOTEXT, {"-layout", file, "-"}).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

int PdfPageCount(const QString& file) {
    const QRegularExpression re("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption);
    const auto m = re.match(Run(EVELM_PDFINFO, {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QImage PdfPageImage(const QString& file, int dpi) {
    const QString prefix = file + ".page";
    Run(EVELM_PDFTOPPM,
        {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", "-png", file, prefix});
    return QImage(prefix + ".png");
}

int ColouredPixels(const QImage& image) {
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            coloured += image.pixelColor(x, y).hsvSaturation() > 25;
    return coloured;
}

void FillNumberedText(TRichEdit& edit, int paragraphs) {
    int word = 0;
    for (int i = 0; i < paragraphs; ++i) {
        edit.SetSelStart(edit.Length());
        edit.SelAttributes().SetName("Liberation Serif");
        edit.SelAttributes().SetSize(i % 7 == 0 ? 16 : 12);
        edit.SelAttributes().SetStyle(i % 7 == 0 ? fsBold : 0);
        QString para;
        for (int w = 0; w < 25 + (i * 13) % 40; ++w)
            para += QString("w%1 ").arg(++word);
        edit.SetSelText(para.trimmed() + (i + 1 < paragraphs ? "\r\n" : ""));
    }
}
