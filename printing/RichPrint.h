#pragma once
// The rich-text printer: prints the whole text of a rich edit page by page,
// with a header and a footer line of aligned columns, an optional logo and
// border lines around every page, or renders the same pages into page
// pictures for the preview. All geometry is in the printer's device pixels,
// also while a preview renders.
#include "RichPrntProgDlg.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class QPrinter;
class TPrinterJob;
class TRichEdit;

// Every failure of the printer.
class ELinePrinter : public std::runtime_error {
public:
    explicit ELinePrinter(const QString& msg) : std::runtime_error(msg.toStdString()) {}
};

enum TMeasureUnit { muMillimeters, muInches };
enum TPrinterOrientation { poPortrait, poLandscape };

enum TPageBorder { pbTop = 0x1, pbBottom = 0x2, pbLeft = 0x4, pbRight = 0x8 };
using TPageBorders = int;

enum TPageOption {
    poDisableMargins = 0x1,
    poMargins = 0x2,
    poDisableOrientation = 0x4,
    poDisablePaper = 0x8,
    poDisablePrinter = 0x10
};
using TPageOptions = int;

enum class TColumnAlign { Left, Right, Center };

struct TColumnFormat {
    TColumnAlign Align = TColumnAlign::Left;
    double Width = 0; // in the measure unit
};

// Receives the finished page pictures of a preview, one call per page in
// order. Each picture is one sheet of paper in printer pixels: (0, 0) is the
// paper's top-left corner, its bounding rectangle the whole paper.
class TPreviewPageSink {
public:
    virtual ~TPreviewPageSink() = default;
    virtual void SavePage(const QPicture& page) = 0;
    // Called once after the last page of a successful rendering.
    virtual void EndPages() {}
};

class TRichPrinter : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* Sender)>;
    // Opens the preview window for the printer (paper sizes are read from
    // it) and returns it as the receiver of the pages; the window owns
    // itself. Installed by the preview unit.
    using TPreviewWindowFactory = std::function<TPreviewPageSink*(TRichPrinter& printer)>;

    // printer: the device to print on; nullptr: the program's printer.
    explicit TRichPrinter(QObject* owner = nullptr, QPrinter* printer = nullptr);
    ~TRichPrinter() override;

    QPrinter* Printer() const { return printer_; }

    // --- Published properties ------------------------------------------
    TMeasureUnit MeasureUnit() const { return measureUnit_; }
    // Converts every stored length to the new unit, then clamps.
    void SetMeasureUnit(TMeasureUnit unit);
    // Takes the unit for lengths that are already in it (stored settings).
    void SetMeasureUnitOnly(TMeasureUnit unit);
    bool CompressPreview() const { return compressPreview_; }
    void SetCompressPreview(bool on) { compressPreview_ = on; }
    bool SaveMargins() const { return saveMargins_; }
    void SetSaveMargins(bool on) { saveMargins_ = on; }
    const QImage& BitmapLogo() const { return bitmapLogo_; }
    void SetBitmapLogo(const QImage& logo) { bitmapLogo_ = logo.copy(); }

    double MarginTop() const { return marginTop_; }
    double MarginBottom() const { return marginBottom_; }
    double MarginLeft() const { return marginLeft_; }
    double MarginRight() const { return marginRight_; }
    void SetMarginTop(double value);
    void SetMarginBottom(double value);
    void SetMarginLeft(double value);
    void SetMarginRight(double value);
    // Takes four margins at once, then clamps them as the setters do.
    void SetMargins(double left, double top, double right, double bottom);

    double LogoTop() const { return logoTop_; }
    double LogoLeft() const { return logoLeft_; }
    double LogoWidth() const { return logoWidth_; }
    double LogoHeight() const { return logoHeight_; }
    void SetLogoTop(double v) { logoTop_ = v; }
    void SetLogoLeft(double v) { logoLeft_ = v; }
    void SetLogoWidth(double v) { logoWidth_ = v; }
    void SetLogoHeight(double v) { logoHeight_ = v; }

    QString Header() const { return header_; }
    void SetHeader(const QString& s) { header_ = s; }
    QString Footer() const { return footer_; }
    void SetFooter(const QString& s) { footer_ = s; }
    QString HeaderFormat() const { return headerFormat_; }
    void SetHeaderFormat(const QString& s);
    QString FooterFormat() const { return footerFormat_; }
    void SetFooterFormat(const QString& s);

    TPageBorders PageBorders() const { return pageBorders_; }
    void SetPageBorders(TPageBorders b) { pageBorders_ = b; }
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool on) { showProgress_ = on; }

    QFont Font_HeaderFooter() const { return font_; }
    QColor Font_HeaderFooterColor() const { return fontColor_; }
    // Copies the font; a white colour becomes black.
    void SetFont_HeaderFooter(const QFont& font, const QColor& color = Qt::black);

    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation o);
    QString Title() const;
    void SetTitle(const QString& title);

    double BorderOffset() const { return borderOffset_; }
    void SetBorderOffset(double v) { borderOffset_ = v; }

    double GutterTop() const;
    double GutterBottom() const;
    double GutterLeft() const;
    double GutterRight() const;

    TNotifyEvent OnBeginDoc, OnEndDoc, OnNewPage;

    TPageOptions Options_Dialog() const { return optionsDialog_; }
    void SetOptions_Dialog(TPageOptions options);
    // The page set-up flags that the options stand for, with the unit's.
    int PageSetupFlags() const { return pageSetupFlags_; }

    // --- Printing ---------------------------------------------------------
    // Prints every page of the control; page numbers start at FirstPage.
    // The caller has already run the print dialog.
    void PrintRichEdit(TRichEdit* RichEdit, int FirstPage);
    // Writes the compression switch, opens the preview window through the
    // installed factory and renders every page into it.
    void PreviewRichEdit(TRichEdit* RichEdit);
    // Renders the pages that PrintRichEdit would print, one picture each,
    // into sink; no printer job is started.
    void RenderPreviewPages(TRichEdit* RichEdit, TPreviewPageSink& sink);
    // Runs the page set-up dialog; true when the user pressed OK. Margins
    // that leave too small a text area are refused with a message, and
    // everything stays as it was.
    bool PageSetup();
    // Why the text area between the margins is too small to print, or "".
    QString TextAreaProblem() const;

    static void SetPreviewWindowFactory(TPreviewWindowFactory factory);
    // The paper's height-to-width ratio of the last preview; 0 before any.
    static double PreviewRatio() { return previewRatio_; }

    // The line printer layer of the two print operations.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void NewLine();
    // Prints one line of columns in the line format at the current y.
    void PrintColumns(const QString& text);
    QString LineFormat() const { return lineFormat_; }
    void SetLineFormat(const QString& format) { lineFormat_ = format; }

    // Splits at every "|": "" gives one empty item, "a|" gives "a" and "".
    static QStringList SplitColumns(const QString& s);
    // Throws ELinePrinter for a width that is not a decimal number.
    TColumnFormat ParseColumnFormat(const QString& item) const;
    // The longest prefix found by bisection whose width fits columnWidth
    // pixels (the whole text when it fits).
    QString FitText(const QString& text, int columnWidth) const;
    QString ExpandMacros(const QString& text) const;

    // --- Derived lengths, in printer pixels -------------------------------
    int PaperWidthPx() const;
    int PaperHeightPx() const;
    double PaperWidth() const; // in the unit
    double PaperHeight() const;
    int LeftOffset() const;
    int TopOffset() const;
    int RightOffset() const;
    int BottomOffset() const;
    int ContentWidth() const;
    int ContentHeight() const;
    int LineHeight() const;
    int UnitToPixelsX(double v) const;
    int UnitToPixelsY(double v) const;
    double PixelsToUnitX(int px) const;
    double PixelsToUnitY(int px) const;
    int DpiX() const;
    int DpiY() const;

    // --- Working state ----------------------------------------------------
    int PageNumber() const { return pageNumber_; }
    int LineCount() const { return lineCount_; }
    bool Previewing() const { return preview_; }
    bool Printing() const;
    TRichPrntProgDlg* ProgressWindow() const { return progress_; }

private:
    enum class MarginSide { Top, Bottom, Left, Right };
    void SetMargin(MarginSide side, double value);
    void ClampMargins();
    void ApplyFont();
    void StartPage();
    void ShowStatus(const QString& status);
    void DrawLogo();
    void DrawBorders();
    void StartPreviewPage();
    void FlushPreviewPage(bool last);
    void PrintPages(TRichEdit* RichEdit, int FirstPage);
    void EndJobAfterError();
    QFont DeviceFont() const;
    QString ConvertedFormat(const QString& format, double factor) const;

    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
    bool constructing_ = true;

    TMeasureUnit measureUnit_ = muMillimeters;
    bool compressPreview_ = true;
    bool saveMargins_ = false;
    QImage bitmapLogo_;
    double marginTop_ = 30, marginBottom_ = 25, marginLeft_ = 25, marginRight_ = 15;
    double logoTop_ = 0, logoLeft_ = 0, logoWidth_ = 25, logoHeight_ = 20;
    QString header_ = QStringLiteral("{$TITLE}");
    QString footer_ = QStringLiteral("Page {$PAGE}");
    QString headerFormat_ = QStringLiteral(">100");
    QString footerFormat_ = QStringLiteral(">100");
    TPageBorders pageBorders_ = 0;
    bool showProgress_ = true;
    QFont font_;
    QColor fontColor_ = Qt::black;
    double borderOffset_ = 2;
    TPageOptions optionsDialog_ = 0;
    int pageSetupFlags_ = 0;
    double defaultColumnWidth_ = 0;

    // The drawing canvas: the printer's painter, or the page picture's.
    QPainter* canvas_ = nullptr;
    std::unique_ptr<TPrinterJob> job_;
    std::unique_ptr<QPainter> picturePainter_;
    std::unique_ptr<QPicture> picture_;
    TPreviewPageSink* sink_ = nullptr;
    bool preview_ = false;
    bool jobActive_ = false;
    int firstPage_ = 1;
    int pageNumber_ = 1;
    int lineCount_ = 0;
    int x_ = 0;
    int y_ = 0;
    int ascent_ = 0;
    QString lineFormat_;
    QPointer<TRichPrntProgDlg> progress_;

    static double previewRatio_;
};

// The program's printer (high resolution), shared by every printing window.
QPrinter& ProgramPrinter();
