#pragma once
// The page preview: the printer hands it every finished page, it keeps them
// as page files and shows one page, two pages side by side (with a second
// window) or four pages per window; it zooms, moves through the pages,
// prints chosen pages and removes its page files when it closes.
#include "PageFiles.h"
#include "PreviewView.h"
#include "RichPrint.h"

#include <QPicture>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPrinter;
class QScrollArea;
class QToolButton;
class QPushButton;
class TArrowButton;
class TPreview2;

// The paper of the pages: in printer pixels and in the printer's unit.
struct TPreviewPaper {
    int WidthPx = 0;
    int HeightPx = 0;
    double Width = 0;
    double Height = 0;
    TMeasureUnit Unit = muMillimeters;
    // Height to width; 0 when unknown.
    double Ratio() const { return Width > 0 ? Height / Width : 0; }
};

// Sizes of a preview window fixed at its creation, from the screen and the
// paper's ratio.
struct TPreviewGeometry {
    int FrameWidth = 0; // the window with its border
    int FrameHeight = 0;
    QSize Client;
    QRect Image; // the page image and its scroll box
    QRect Panel; // the buttons below
    bool ZoomControls = true;
    static TPreviewGeometry Compute(const QSize& screen, double ratio);
};

// One page image: up to four page pictures, each stretched over its place.
class TPageImage : public QWidget {
    Q_OBJECT
public:
    explicit TPageImage(QWidget* parent = nullptr);
    // places: 1 (the whole image) or 4 (quarters, left to right, top to
    // bottom); a missing picture leaves its place white.
    void SetPages(std::vector<std::optional<QPicture>> pages, int places, const QSize& paperPx);
    void Clear() { SetPages({}, 1, paperPx_); }
    int ShownPages() const;
    // Draws place-sized pages into target: the page images' and the
    // printer's one rendering path.
    static void DrawPage(QPainter& painter, const QPicture& page, const QRectF& target,
                         const QSize& paperPx);

    std::function<void()> OnRightClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<std::optional<QPicture>> pages_;
    int places_ = 1;
    QSize paperPx_;
};

class TRichPreviewForm : public QWidget, public TPreviewPageSink {
    Q_OBJECT
public:
    // Fits the primary screen as the environment reports it.
    TRichPreviewForm(const TPreviewPaper& paper, bool compress, QWidget* parent = nullptr);
    ~TRichPreviewForm() override;

    // The printer that prints from the preview (nullptr: the program's).
    void SetPrinter(QPrinter* printer) { printer_ = printer; }

    // Stores one finished page and shows it.
    void SavePage(const QPicture& page) override;
    // The printer has rendered every page.
    void EndPages() override { EndBuild(); }
    // The end of building, once: back to the first page, the second window
    // when there are two pages or more and the screen has room.
    void EndBuild();

    const TPreviewView& View() const { return view_; }
    const TPageFiles& Files() const { return files_; }
    const TPreviewGeometry& Geometry() const { return geometry_; }
    TPreview2* SecondWindow() const { return second_; }

    // Controls.
    TArrowButton* ArrowButton1; // previous pages
    TArrowButton* ArrowButton2; // next pages
    QLabel* lblNext;
    QLabel* lblNextPage;
    QLabel* lblPrevious;
    QLabel* lblPreviousPage;
    QToolButton* SpeedButton1; // printing
    QToolButton* SpeedButton2; // larger
    QToolButton* SpeedButton3; // smaller
    QLabel* lblZoomCaption;
    QLabel* lblZoom;
    QLabel* lblZoomStepCaption;
    QLineEdit* medtZoomStep;
    QLabel* lblPageCaption;
    QLineEdit* edtPage;
    QLabel* lblPageCount;
    QLabel* lblUnit;
    QCheckBox* chkCompact;
    QPushButton* btnClose;
    QScrollArea* ScrollBox1;
    TPageImage* Image1;
    QWidget* pnlButtons;

    // Handlers.
    void ArrowButton2Click(); // next
    void ArrowButton1Click(); // previous
    void SpeedButton1Click(); // printing
    void SpeedButton2Click(); // larger
    void SpeedButton3Click(); // smaller
    void ResetZoom();         // right click on the page, double click on the zoom
    void chkCompactClick();
    void edtPageKeyUp();
    void edtPageExit(); // Return, or the focus left the page edit
    void medtZoomStepChange();
    void btnCloseClick() { close(); }
    // The form sees every key first; true when the key was a command.
    bool FormKeyDown(int key);

    // Draws one printed sheet (a page, or four when compact) over paper.
    void PaintSheet(QPainter& painter, int sheet, const QRectF& paper) const;
    // Throws ELinePrinter; a job that fails leaves no file.
    void PrintSheets(QPrinter& printer, int from, int to);

    // Reads the shown pages back from their files and shows them.
    void ShowPages();
    void SizeImageForZoom();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TPreview2;
    void BuildControls();
    void UpdateControls();
    void Changed(); // after every command: controls, image sizes, pages
    std::optional<QPicture> LoadPage(int index) const;
    void ShowWindowPages(int window, TPageImage* image);
    void ScrollBy(int dx, int dy);

    TPreviewPaper paper_;
    TPreviewGeometry geometry_;
    QSize screen_;
    TPageFiles files_;
    TPreviewView view_;
    bool setupDone_ = false;
    bool closing_ = false;
    bool saveFailed_ = false;
    QPrinter* printer_ = nullptr;
    QPointer<TPreview2> second_;
};

// The second window: the pages that follow the first window's.
class TPreview2 : public QWidget {
    Q_OBJECT
public:
    explicit TPreview2(TRichPreviewForm* first);
    ~TPreview2() override;

    QScrollArea* ScrollBox1;
    TPageImage* Image1;
    QWidget* pnlButtons;
    QLabel* lblPageCaption;
    QLabel* lblPage;
    QLabel* lblUnit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TRichPreviewForm* first_;
};

// Lets the printer open preview windows, and removes the page folders that
// runs which died with a preview open have left behind. Called at start-up.
void InstallRichPreview();
// What the printer calls to preview: a window for its paper, shown; the
// end-of-build set-up follows the last page (or, should the rendering fail,
// the next turn of the event loop).
TRichPreviewForm* OpenRichPreview(TRichPrinter& printer);

// The preview window shown last, and its second window; null when closed.
extern TRichPreviewForm* RichPreviewForm;
extern TPreview2* Preview2;

// Where a ruler label stands for a tick at the given position (x in the top
// strip, y in the left one): after the tick, or before it at the strip's end.
QRect RulerLabelRect(const QRect& strip, int tick, const QSize& text, bool vertical);
// Draws the two rulers of a preview window beside its scroll box.
void DrawRulers(QPainter& painter, const QScrollArea* box, const QWidget* image,
                const TPreviewPaper& paper);
