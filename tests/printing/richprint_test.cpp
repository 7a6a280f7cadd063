// The rich-text printer's properties, columns, macros, margins, unit and
// page set-up.
#include "Environment.h"
#include "PrintTestSupport.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "support/TextCapture.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPageSize>
#include <QPaintEngine>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

class Pages : public TPreviewPageSink {
public:
    void SavePage(const QPicture& page) override { All.push_back(page); }
    std::vector<QPicture> All;
};

} // namespace

class RichPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer = PdfPrinter(dir.filePath("out.pdf"));
    }
    QTemporaryDir dir;
    std::unique_ptr<QPrinter> printer;
};

TEST_F(RichPrinter, StartsWithItsDefaults) {
    TRichPrinter rp(nullptr, printer.get());
    EXPECT_EQ(rp.MeasureUnit(), muMillimeters);
    EXPECT_TRUE(rp.CompressPreview());
    EXPECT_FALSE(rp.SaveMargins());
    EXPECT_TRUE(rp.BitmapLogo().isNull());
    EXPECT_EQ(QList<double>({rp.MarginTop(), rp.MarginBottom(), rp.MarginLeft(), rp.MarginRight(),
                             rp.LogoTop(), rp.LogoLeft(), rp.LogoWidth(), rp.LogoHeight(),
                             rp.BorderOffset()}),
              QList<double>({30, 25, 25, 15, 0, 0, 25, 20, 2}));
    EXPECT_EQ(QStringList({rp.Header(), rp.Footer(), rp.HeaderFormat(), rp.FooterFormat()}),
              QStringList({"{$TITLE}", "Page {$PAGE}", ">100", ">100"}));
    EXPECT_EQ(rp.PageBorders(), 0);
    EXPECT_TRUE(rp.ShowProgress());
    EXPECT_EQ(rp.Font_HeaderFooter().family(), "Courier New");
    EXPECT_EQ(rp.Font_HeaderFooter().pointSize(), 10);
    EXPECT_FALSE(rp.Font_HeaderFooter().bold());
    EXPECT_EQ(rp.Orientation(), poPortrait);
    EXPECT_EQ(rp.Options_Dialog(), 0);
    // The test printer's printable area starts 5 mm left and 6 mm down.
    // (PDF pages keep their edges in whole points.)
    EXPECT_NEAR(rp.GutterLeft(), 5, 0.2);
    EXPECT_NEAR(rp.GutterTop(), 6, 0.2);
    EXPECT_NEAR(rp.GutterRight(), 7, 0.2);
    EXPECT_NEAR(rp.GutterBottom(), 8, 0.2);
    EXPECT_EQ(rp.LeftOffset(), qRound((25 - rp.GutterLeft()) * 1200 / 25.4));
}

TEST_F(RichPrinter, WhiteHeaderFontBecomesBlack) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetFont_HeaderFooter(QFont("Arial", 9), Qt::white);
    EXPECT_EQ(rp.Font_HeaderFooterColor(), QColor(Qt::black));
    rp.SetFont_HeaderFooter(QFont("Arial", 9), Qt::red);
    EXPECT_EQ(rp.Font_HeaderFooterColor(), QColor(Qt::red));
}

TEST_F(RichPrinter, ColumnFormatsAndSplits) {
    TRichPrinter rp(nullptr, printer.get());
    const struct {
        const char* Item;
        TColumnAlign Align;
        double Width;
    } cases[] = {{"", TColumnAlign::Left, 0},         {"<", TColumnAlign::Left, 0},
                 {">", TColumnAlign::Right, 0},       {"^", TColumnAlign::Center, 0},
                 {"<100", TColumnAlign::Left, 100},   {">12.5", TColumnAlign::Right, 12.5},
                 {"^30", TColumnAlign::Center, 30},   {"40", TColumnAlign::Left, 40},
                 {"<1500", TColumnAlign::Left, 1500}, {">0", TColumnAlign::Right, 0}};
    for (const auto& c : cases) {
        const TColumnFormat f = rp.ParseColumnFormat(c.Item);
        EXPECT_EQ(f.Align, c.Align) << c.Item;
        EXPECT_DOUBLE_EQ(f.Width, c.Width) << c.Item;
    }
    for (const char* bad : {"<abc", ">1,5", "x", "<-3"})
        EXPECT_THROW(rp.ParseColumnFormat(bad), ELinePrinter) << bad;

    EXPECT_EQ(TRichPrinter::SplitColumns(""), QStringList{""});
    EXPECT_EQ(TRichPrinter::SplitColumns("a|"), QStringList({"a", ""}));
    EXPECT_EQ(TRichPrinter::SplitColumns("a||c"), QStringList({"a", "", "c"}));
}

TEST_F(RichPrinter, FitTextCutsTooWideTextsToAPrefixThatFits) {
    TRichPrinter rp(nullptr, printer.get());
    QFont f = rp.Font_HeaderFooter();
    f.setPixelSize(qRound(f.pointSizeF() * rp.DpiY() / 72.0));
    const QFontMetrics fm(f, printer.get());
    const QString text = "The Holy Gospel according to Saint John the Evangelist";
    const int full = fm.horizontalAdvance(text);
    EXPECT_EQ(rp.FitText(text, full), text);
    EXPECT_EQ(rp.FitText(text, full + 500), text);
    for (int width : {full - 1, full / 2, full / 3, fm.horizontalAdvance("T") + 1, 0}) {
        const QString cut = rp.FitText(text, width);
        EXPECT_TRUE(text.startsWith(cut)) << width;
        EXPECT_LT(cut.size(), text.size()) << width;
        EXPECT_LE(fm.horizontalAdvance(cut), width) << width;
        // The bisection finds a prefix within a few characters of the longest.
        if (width > fm.horizontalAdvance("TTTTTT")) {
            EXPECT_GT(fm.horizontalAdvance(text.left(cut.size() + 4)), width) << width;
        }
    }
}

TEST_F(RichPrinter, MacrosExpandExceptWhereTheirValueHoldsThem) {
    TRichPrinter rp(nullptr, printer.get());
    TEnvironment env;
    env.Today = [] { return QDate(2026, 12, 31); };
    TEnvironmentScope scope(env);
    const QString today = QLocale::system().toString(QDate(2026, 12, 31), QLocale::ShortFormat);
    const struct {
        const char* Title;
        const char* Text;
        QString Expected;
    } cases[] = {
        {"Psalms", "{$TITLE} - {$PAGE}/{$LINE}", "Psalms - 1/0"},
        {"A {$TITLE} title", "[{$TITLE}]", "[{$TITLE}]"},
        {"Title {$PAGE}", "{$TITLE} {$PAGE}", "Title {$PAGE} 1"},
        {"T", "{$DATE}", today},
        {"T", "no macro {$ here", "no macro {$ here"},
    };
    for (const auto& c : cases) {
        rp.SetTitle(c.Title);
        EXPECT_EQ(rp.ExpandMacros(c.Text), c.Expected) << c.Text;
    }
}

TEST_F(RichPrinter, ColumnsStandIndentedInTheirPlaces) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    rp.SetHeader("Left|Right|Centre|Too wide a text for a column that is so narrow");
    rp.SetHeaderFormat("<50|>50|^50|<10");
    rp.SetFooter("");
    TRichEdit edit;
    Pages pages;
    rp.RenderPreviewPages(&edit, pages);
    ASSERT_EQ(pages.All.size(), 1u);
    // At 96 dots per inch a picture plays in its own coordinates.
    TTextCaptureDevice dev(QSize(rp.PaperWidthPx(), rp.PaperHeightPx()), 96);
    QPainter p(&dev);
    p.drawPicture(0, 0, pages.All[0]);
    p.end();
    const QStringList texts = dev.engine.texts;
    ASSERT_EQ(texts.size(), 4) << texts.join('|').toStdString();
    EXPECT_EQ(texts.mid(0, 3), QStringList({"Left", "Right", "Centre"}));
    EXPECT_TRUE(QString("Too wide a text for a column that is so narrow").startsWith(texts[3]));
    EXPECT_LT(texts[3].size(), 20);

    QFont f = rp.Font_HeaderFooter();
    f.setPixelSize(qRound(f.pointSizeF() * rp.DpiY() / 72.0));
    const QFontMetrics fm(f, printer.get());
    const double x0 = rp.LeftOffset() + rp.Printer()->pageRect(QPrinter::DevicePixel).left();
    const int col = rp.UnitToPixelsX(50);
    const int indent = 6 * (1200 / 600);
    const double tol = 3;
    EXPECT_NEAR(dev.engine.points[0].x(), x0 + indent, tol);
    EXPECT_NEAR(dev.engine.points[1].x() + fm.horizontalAdvance("Right"), x0 + 2 * col - indent,
                tol);
    EXPECT_NEAR(dev.engine.points[2].x(), x0 + 2 * col + (col - fm.horizontalAdvance("Centre")) / 2,
                tol);
    EXPECT_NEAR(dev.engine.points[3].x(), x0 + 3 * col, tol + indent);

    // A column beyond the text area ends at its edge, with an ellipsis
    // where the text is cut there.
    const QString title = "English Velmorande - Coptic church calendar";
    rp.SetHeader("");
    rp.SetFooter("Page {$PAGE}|{$TITLE}");
    rp.SetFooterFormat("<100|<500");
    rp.SetTitle(title);
    rp.SetMarginLeft(60);
    pages.All.clear();
    rp.RenderPreviewPages(&edit, pages);
    TTextCaptureDevice footer(QSize(rp.PaperWidthPx(), rp.PaperHeightPx()), 96);
    QPainter fp(&footer);
    fp.drawPicture(0, 0, pages.All[0]);
    fp.end();
    ASSERT_EQ(footer.engine.texts.size(), 2);
    const QString cut = footer.engine.texts[1];
    EXPECT_TRUE(cut.endsWith(QChar(0x2026)) && title.startsWith(cut.chopped(1)))
        << cut.toStdString();
    const double edge =
        rp.LeftOffset() + rp.Printer()->pageRect(QPrinter::DevicePixel).left() + rp.ContentWidth();
    EXPECT_LE(footer.engine.points[1].x() + fm.horizontalAdvance(cut), edge);
    EXPECT_GT(footer.engine.points[1].x() + fm.horizontalAdvance(cut + "Copt"), edge);
}

TEST_F(RichPrinter, MarginsStayBetweenTheGuttersAndLeaveALine) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetMarginTop(1);
    EXPECT_NEAR(rp.MarginTop(), rp.GutterTop(), 1e-9);
    rp.SetMarginLeft(-40);
    EXPECT_NEAR(rp.MarginLeft(), rp.GutterLeft(), 1e-9);
    rp.SetMarginRight(0);
    EXPECT_NEAR(rp.MarginRight(), rp.GutterRight(), 1e-9);
    rp.SetMarginBottom(0);
    EXPECT_NEAR(rp.MarginBottom(), rp.GutterBottom(), 1e-9);

    // Beyond the paper: the pair keeps room for one line of text.
    for (auto set : {&TRichPrinter::SetMarginTop, &TRichPrinter::SetMarginBottom}) {
        TRichPrinter r(nullptr, printer.get());
        (r.*set)(5000);
        EXPECT_GE(r.ContentHeight(), r.LineHeight());
        EXPECT_LT(r.ContentHeight(), 3 * r.LineHeight());
        EXPECT_LT(r.MarginTop() + r.MarginBottom(), r.PaperHeight());
    }
    for (auto set : {&TRichPrinter::SetMarginLeft, &TRichPrinter::SetMarginRight}) {
        TRichPrinter r(nullptr, printer.get());
        (r.*set)(5000);
        EXPECT_GE(r.ContentWidth(), r.LineHeight());
        EXPECT_LT(r.MarginLeft() + r.MarginRight(), r.PaperWidth());
    }
    // A large top then a large bottom: the bottom gives way to the top it meets.
    TRichPrinter r(nullptr, printer.get());
    r.SetMarginTop(200);
    r.SetMarginBottom(200);
    EXPECT_DOUBLE_EQ(r.MarginTop(), 200);
    EXPECT_GE(r.ContentHeight(), r.LineHeight());
    // Such a printer still prints, one line a page.
    TRichEdit edit;
    FillNumberedText(edit, 2);
    r.SetShowProgress(false);
    EXPECT_NO_THROW(r.PrintRichEdit(&edit, 1));
    EXPECT_GT(PdfPageCount(dir.filePath("out.pdf")), 3);
}

TEST_F(RichPrinter, ChangesAreRefusedWhilePrinting) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    QStringList errors;
    rp.OnNewPage = [&](QObject*) {
        const std::function<void()> changes[] = {
            [&] { rp.SetMarginTop(20); },  [&] { rp.SetMarginBottom(20); },
            [&] { rp.SetMarginLeft(20); }, [&] { rp.SetMarginRight(20); },
            [&] { rp.SetTitle("x"); },     [&] { rp.SetOrientation(poLandscape); }};
        for (const auto& change : changes) {
            try {
                change();
            } catch (const ELinePrinter& e) {
                errors << e.what();
            }
        }
    };
    TRichEdit edit;
    rp.PrintRichEdit(&edit, 1);
    EXPECT_EQ(errors, QStringList({"Unable to change top margin while printing",
                                   "Unable to change bottom margin while printing",
                                   "Unable to change left margin while printing",
                                   "Unable to change right margin while printing",
                                   "Unable to change title while printing",
                                   "Unable to change orientation while printing"}));
    rp.OnNewPage = nullptr;
    rp.SetMarginTop(20);
    EXPECT_DOUBLE_EQ(rp.MarginTop(), 20);
}

TEST_F(RichPrinter, ChangingTheUnitConvertsEveryLength) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetHeaderFormat("<100|^50.8");
    rp.SetFooterFormat(">25.4");
    rp.SetMeasureUnit(muInches);
    EXPECT_NEAR(rp.MarginTop(), 30 / 25.4, 1e-9);
    EXPECT_NEAR(rp.MarginRight(), 15 / 25.4, 1e-9);
    EXPECT_NEAR(rp.BorderOffset(), 2 / 25.4, 1e-9);
    EXPECT_NEAR(rp.LogoWidth(), 25 / 25.4, 1e-9);
    EXPECT_EQ(rp.HeaderFormat(), "<3.93701|^2");
    EXPECT_EQ(rp.FooterFormat(), ">1");
    EXPECT_EQ(rp.PageSetupFlags() & 0xC, 0x4);
    const int left = rp.LeftOffset();
    rp.SetMeasureUnit(muMillimeters);
    EXPECT_NEAR(rp.MarginTop(), 30, 1e-9);
    EXPECT_NEAR(rp.LogoHeight(), 20, 1e-9);
    EXPECT_EQ(rp.HeaderFormat(), "<100|^50.8");
    EXPECT_EQ(rp.LeftOffset(), left);
}

TEST_F(RichPrinter, DialogFlagsFollowTheOptions) {
    TRichPrinter rp(nullptr, printer.get());
    const struct {
        TPageOptions Options;
        int Flags;
    } cases[] = {
        {0, 0x8},
        {poMargins, 0x2 | 0x8},
        {poDisableMargins | poMargins, 0x10 | 0x8},
        {poDisableOrientation | poDisablePaper | poDisablePrinter, 0x100 | 0x200 | 0x20 | 0x8}};
    for (const auto& c : cases) {
        rp.SetOptions_Dialog(c.Options);
        EXPECT_EQ(rp.PageSetupFlags(), c.Flags) << c.Options;
    }
    rp.SetOptions_Dialog(poDisableMargins | poMargins);
    EXPECT_EQ(rp.Options_Dialog(), poDisableMargins);
}

namespace {

// A page set-up dialog whose user picks A5, landscape and new margins.
struct PageSetupUser {
    PageSetupUser() {
        env.PageSetupDialog = [this](QWidget*, QPrinter* printer) {
            Seen = printer->pageLayout().margins(Unit);
            SeenUnits = printer->pageLayout().units();
            if (!Answer)
                return false;
            QPageLayout l = printer->pageLayout();
            if (Picks)
                l.setUnits(*Picks);
            l.setPageSize(QPageSize(QPageSize::A5));
            l.setOrientation(QPageLayout::Landscape);
            l.setMargins(Margins);
            printer->setPageLayout(l);
            return true;
        };
    }
    bool Answer = true;
    QPageLayout::Unit Unit = QPageLayout::Millimeter;
    QMarginsF Margins{10, 11, 12, 13};
    std::optional<QPageLayout::Unit> Picks; // the unit chosen in the dialog
    QMarginsF Seen;
    QPageLayout::Unit SeenUnits = QPageLayout::Point;
    TEnvironment env;
};

} // namespace

TEST_F(RichPrinter, PageSetupTakesMarginsOrientationAndPaper) {
    PageSetupUser user;
    TEnvironmentScope scope(user.env);
    TRichPrinter rp(nullptr, printer.get());
    EXPECT_TRUE(rp.PageSetup());
    EXPECT_EQ(user.Seen, QMarginsF(25, 30, 15, 25)); // left, top, right, bottom
    EXPECT_EQ(QList<double>({rp.MarginLeft(), rp.MarginTop(), rp.MarginRight(), rp.MarginBottom()}),
              QList<double>({10, 11, 12, 13}));
    EXPECT_EQ(rp.Orientation(), poLandscape);
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A5);
    // The printer's own edges stay what they were.
    EXPECT_NEAR(rp.GutterLeft(), 5, 0.2);
    EXPECT_NEAR(rp.GutterTop(), 6, 0.2);

    // Inches in, inches out; disabled parts keep their values; cancel is reported.
    rp.SetMeasureUnit(muInches);
    rp.SetOptions_Dialog(poDisableOrientation | poDisablePaper);
    rp.SetOrientation(poPortrait);
    user.Unit = QPageLayout::Inch;
    user.Margins = QMarginsF(1, 1, 1, 1);
    EXPECT_TRUE(rp.PageSetup());
    EXPECT_NEAR(user.Seen.left(), 10 / 25.4, 1e-3);
    EXPECT_DOUBLE_EQ(rp.MarginTop(), 1);
    EXPECT_EQ(rp.Orientation(), poPortrait);
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A5);
    user.Answer = false;
    EXPECT_FALSE(rp.PageSetup());
    EXPECT_DOUBLE_EQ(rp.MarginTop(), 1);

    // The unit chosen in the dialog stays: a printer in millimetres set to
    // 1.00 in opens the next time on 1.00 in; points keep millimetres.
    const struct {
        QPageLayout::Unit Picks;
        double Margin; // in Picks
        TMeasureUnit Unit;
        double Top; // in Unit
    } picks[] = {{QPageLayout::Inch, 1, muInches, 1},
                 {QPageLayout::Point, 72, muMillimeters, 25.4}};
    for (const auto& p : picks) {
        TRichPrinter fresh(nullptr, printer.get());
        user.Answer = true;
        user.Picks = p.Picks;
        user.Margins = QMarginsF(p.Margin, p.Margin, p.Margin, p.Margin);
        EXPECT_TRUE(fresh.PageSetup()) << p.Picks;
        EXPECT_EQ(fresh.MeasureUnit(), p.Unit) << p.Picks;
        EXPECT_NEAR(fresh.MarginTop(), p.Top, 1e-9) << p.Picks;
        user.Answer = false;
        EXPECT_FALSE(fresh.PageSetup());
        EXPECT_EQ(user.SeenUnits, p.Unit == muInches ? QPageLayout::Inch : QPageLayout::Millimeter);
    }
}

TEST_F(RichPrinter, PageSetupRefusesMarginsThatLeaveTooSmallATextArea) {
    PageSetupUser user; // A5 landscape: 209.9 by 148 mm, the printer's edges 5, 6, 7, 8
    QStringList messages;
    user.env.MessageDlg = [&](const QString& text, TMsgDlgType type, TMsgDlgButtons) {
        EXPECT_EQ(type, mtWarning);
        messages << text;
        return int(mrOk);
    };
    TEnvironmentScope scope(user.env);
    const struct {
        QMarginsF Margins;
        const char* Left; // what the message says is left, or nullptr: accepted
        TMeasureUnit Unit = muMillimeters;
    } cases[] = {
        {QMarginsF(185, 15, 20, 15), "5 by 118 mm"},
        {QMarginsF(141, 15, 20, 15), "49 by 118 mm"},
        {QMarginsF(20, 60, 20, 50), "170 by 38 mm"},
        {QMarginsF(500, 500, 300, 300), "4 by 4 mm"},
        {QMarginsF(139, 15, 20, 15), nullptr},
        {QMarginsF(79.9, 15, 80, 15), nullptr}, // 49.99 mm: what the message calls 50
        {QMarginsF(5.304, 0.6, 1, 0.6), "1.96 by 4.63 inches", muInches},
        {QMarginsF(5.298, 0.6, 1, 0.6), nullptr, muInches}, // 1.966 inches
    };
    for (const auto& c : cases) {
        printer = PdfPrinter(dir.filePath("out.pdf"));
        TRichPrinter rp(nullptr, printer.get());
        rp.SetMeasureUnit(c.Unit);
        auto margins = [&] {
            return QList<double>{rp.MarginLeft(), rp.MarginTop(), rp.MarginRight(),
                                 rp.MarginBottom()};
        };
        const QList<double> before = margins();
        messages.clear();
        user.Margins = c.Margins;
        const bool ok = rp.PageSetup();
        if (!c.Left) {
            EXPECT_TRUE(ok) << c.Margins.left();
            EXPECT_TRUE(messages.isEmpty()) << messages.join('/').toStdString();
            EXPECT_EQ(margins(), QList<double>({c.Margins.left(), c.Margins.top(),
                                                c.Margins.right(), c.Margins.bottom()}));
            continue;
        }
        EXPECT_FALSE(ok) << c.Margins.left();
        ASSERT_EQ(messages.size(), 1) << c.Margins.left();
        EXPECT_TRUE(messages[0].contains(QString("text area of %1").arg(c.Left)))
            << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(c.Unit == muMillimeters
                                             ? "at least 50 by 50 mm is needed"
                                             : "at least 1.97 by 1.97 inches is needed"))
            << messages[0].toStdString();
        EXPECT_EQ(margins(), before);
        EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(rp.Orientation(), poPortrait);
    }
}
