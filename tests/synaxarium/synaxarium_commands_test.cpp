// The commands of the Synaxarium window and the linked entry through the
// platform hooks (printing, preview, page set-up, Save As, the list's links
// and icons, the pop-up menu), and the icons list's picture commands: Save
// As, copy and the desktop wallpaper in its three styles.

#include "DMMain.h"
#include "DayState.h"
#include "FixtureDb.h"
#include "LinkSynx.h"
#include "Picture.h"
#include "PrintRich.h"
#include "Registry.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "ShowIcons.h"
#include "Synx.h"
#include "SynxFixture.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"
#include "TableEngine.h"
#include "TestEnvironment.h"
#include "TestWindows.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace SynxFixture;

namespace {

class SynxCommands : public SynxTest {
protected:
    void SetUp() override {
        SynxTest::SetUp();
        pict = env.ProgramFolder() + "pict/";
        QDir().mkpath(pict);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        for (const char* name : {"bartholomew.jpg", "one.jpg"})
            ASSERT_TRUE(image.save(pict + name, "JPG"));
        state.DayEngine = std::make_unique<TApaqty>();
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12);
        DayState = &state;
        host = windows.Make(frmPrintRich);
        host->RichPrinter1->Printer()->setOutputFormat(QPrinter::PdfFormat);
        host->RichPrinter1->Printer()->setOutputFileName(env.DataFolder() + "print.pdf");
        picture = windows.Make(frmPicture);
        synx = windows.Make(frmSynx);
        link = windows.Make(frmLinkSynx);
        search = windows.Make(frmSynxSearchResults);
        saints = windows.Make(frmSynxShowSaints);
        icons = windows.Make(frmShowIcons);
        QDir().mkpath(env.DataFolder());
    }
    void TearDown() override {
        windows.FreeAll();
        DayState = nullptr;
        SynxTest::TearDown();
    }

    // Shows the Synaxarium window on day synxID of date's year as the main
    // window does; whileOpen runs while it is shown, other modal windows
    // are only recorded.
    void OpenSynx(int synxID, const QDate& date, const std::function<void()>& whileOpen) {
        state.DayEngine->SetDate(date);
        const TTable& byID = MainDM->tblSynxHeadID;
        ASSERT_TRUE(MainDM->tblSynxHeadID.FindKey({synxID}));
        ASSERT_TRUE(MainDM->tblSynxHead.FindKey(
            {byID.FieldByName("Month")->AsInteger(), byID.FieldByName("Day")->AsInteger()}));
        synx->EntryToShow = 1;
        synx->SynxID = synxID;
        env.Dialogs.WhileModal = [&](QWidget* w) {
            if (w == synx)
                whileOpen();
            else
                shown << w;
        };
        ShowModal(synx);
        env.Dialogs.WhileModal = nullptr;
    }

    TTestEnvironment env;
    QString pict;
    TDayState state;
    TTestWindows windows;
    TfrmPrintRich* host = nullptr;
    TfrmPicture* picture = nullptr;
    TfrmSynx* synx = nullptr;
    TfrmLinkSynx* link = nullptr;
    TfrmSynxSearchResults* search = nullptr;
    TfrmSynxShowSaints* saints = nullptr;
    TfrmShowIcons* icons = nullptr;
    QList<QWidget*> shown;
};

struct TPageCount : TPreviewPageSink {
    int Pages = 0;
    void SavePage(const QPicture&) override { ++Pages; }
};

} // namespace

TEST_F(SynxCommands, BothTextWindowsPrintPreviewSetUpAndSaveThroughTheHost) {
    synx->setWindowTitle("The Coptic Synaxarium Readings for:\r\nTut 5");
    synx->SynxID = Fixture::SynxTut1;
    synx->FillSynxEntries();
    link->SynxID = Fixture::SynxTut1;
    link->EntryNumber = 2;
    link->FormShow();
    struct Case {
        const char* name;
        TRichEdit* text;
        QToolButton *print, *preview, *pageSetup, *saveAs;
        QString header, saved;
    };
    const Case cases[] = {
        {"synx", synx->rchedtSynx, synx->spdbtnPrint, synx->spdbtnPreview, synx->spdbtnPageSetup,
         synx->spdbtnSaveAs, "The Coptic Synaxarium Readings for: Tut 5",
         "The Martyrdom of Saint Bartholomew the Apostle"},
        {"link", link->rchedtSynx, link->spdbtnPrint, link->spdbtnPreview, link->spdbtnPageSetup,
         link->spdbtnSaveAs, "From the Coptic Synaxarium Readings for: Tut 1",
         "The Departure of the Righteous Job"},
    };
    TPageCount sink;
    TRichPrinter::SetPreviewWindowFactory([&](TRichPrinter&) { return &sink; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRichPrinter& printer = *host->RichPrinter1;
        const int prints = env.Dialogs.PrintCalls, setUps = env.Dialogs.PageSetupCalls;

        printer.SetHeader(QString());
        env.Dialogs.PrintAnswers.push_back(false);
        c.print->click();
        EXPECT_EQ(env.Dialogs.PrintCalls, prints + 1);
        EXPECT_EQ(printer.Header(), c.header);

        printer.SetHeader(QString());
        sink.Pages = 0;
        c.preview->click();
        EXPECT_EQ(printer.Header(), c.header);
        EXPECT_GE(sink.Pages, 1);

        env.Dialogs.PageSetupAnswers.push_back(false);
        c.pageSetup->click();
        EXPECT_EQ(env.Dialogs.PageSetupCalls, setUps + 1);

        const QString file = env.DataFolder() + c.name;
        env.Dialogs.SaveAnswers.push_back(file);
        c.saveAs->click();
        EXPECT_EQ(env.Dialogs.SaveRequests.last().Filter, "Rich Text (*.rtf)|*.RTF");
        QFile rtf(file + ".rtf");
        ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
        const QByteArray data = rtf.readAll();
        EXPECT_TRUE(data.startsWith("{\\rtf"));
        EXPECT_TRUE(data.contains(c.saved.toLatin1()));
    }
    TRichPrinter::SetPreviewWindowFactory(nullptr);
    EXPECT_TRUE(env.Dialogs.Messages.isEmpty());
}

TEST_F(SynxCommands, ListLinksIconsAndButtonsOpenTheirWindows) {
    struct Opened {
        QWidget* window;
        int synxID = 0, entry = 0;
        QString keyword, fromText;
    };
    QList<Opened> opened;
    QStringList messages;
    OpenSynx(Three, QDate(2007, 4, 9), [&] {
        // Every entry label, icon button and link label shows the hand.
        for (int k = 1; k <= MaxSynxEntries; ++k)
            for (QWidget* w :
                 {static_cast<QWidget*>(synx->lblSynx[k]), static_cast<QWidget*>(synx->btnSynx[k]),
                  static_cast<QWidget*>(synx->lblLink[k]),
                  static_cast<QWidget*>(synx->lblLinkB[k])})
                EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor) << k;

        struct Case {
            QWidget* control;
            QWidget* window; // shown modally, or nullptr
            int synxID, entry;
            QString keyword;
        };
        const Case cases[] = {
            // Related date A of slot 1: Tut 1 entry 2, slot 1's keyword.
            {synx->lblLink[1], link, Fixture::SynxTut1, 2, KeywordThree1},
            // Related date B of slot 2: Barmoudah 2 entry 4, slot 2's keyword.
            {synx->lblLinkB[2], link, Fourteen, 4, KeywordThree2},
            // Slot 3 has no keyword: none is highlighted.
            {synx->lblLinkB[3], link, Fixture::SynxTut2, 1, ""},
            {synx->btnSynx[1], picture, 0, 0, ""},
            {synx->btnSynxSaintsShow, saints, 0, 0, ""},
            {synx->BitBtn1, icons, 0, 0, ""},
        };
        for (const Case& c : cases) {
            shown.clear();
            if (auto* button = qobject_cast<QAbstractButton*>(c.control))
                button->click();
            else
                QTest::mouseClick(c.control, Qt::LeftButton);
            ASSERT_EQ(shown.size(), 1) << c.control->objectName().toStdString();
            EXPECT_EQ(shown[0], c.window) << c.control->objectName().toStdString();
            if (c.window == link) {
                EXPECT_EQ(link->SynxID, c.synxID);
                EXPECT_EQ(link->EntryNumber, c.entry);
                EXPECT_EQ(link->Keyword, c.keyword);
                EXPECT_EQ(link->FromText, "Barmoudah 1");
            }
        }
        EXPECT_EQ(picture->windowTitle(), "Saint One Icon");

        // The entry label of slot 3 goes to the heading "[3] ".
        QTest::mouseClick(synx->lblSynx[3], Qt::LeftButton);
        EXPECT_EQ(synx->rchedtSynx->SelStart(), synx->rchedtSynx->Text().indexOf("[3] "));
        // A jump to an entry the text does not hold.
        synx->lblSynxClick(9);
        for (const auto& m : env.Dialogs.Messages)
            messages << m.Text;

        // Esc closes the window also from the search box.
        synx->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(synx));
        synx->edtSynxSearchAll->setFocus();
        QTest::keyClick(synx->edtSynxSearchAll, Qt::Key_Escape);
        EXPECT_FALSE(synx->isVisible());
    });
    EXPECT_EQ(messages, QStringList{"Not Found"});
}

TEST_F(SynxCommands, EnterOpensTheFoundSaintAndClosesTheEntryEscClosesEachWindow) {
    auto press = [](QWidget* window, QWidget* target, Qt::Key key) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
        target->setFocus();
        QTest::keyClick(target, key);
    };
    int entries = 0;
    bool entryClosedByEnter = false;
    env.Dialogs.WhileModal = [&](QWidget* w) {
        if (w == link) {
            ++entries;
            press(link, link->rchedtSynx, Qt::Key_Return);
            entryClosedByEnter = !link->isVisible();
        } else if (w == saints) {
            // "Show Text" is the default button while it is enabled.
            for (const char* typed : {"jp", "john"}) {
                saints->edtSearch->setText(typed);
                saints->SeekKeyword();
                press(saints, saints->edtSearch, Qt::Key_Return);
            }
        }
    };
    ShowModal(saints);
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(link->EntryNumber, 1);
    EXPECT_EQ(link->SynxID, Fixture::SynxTut2);
    EXPECT_TRUE(entryClosedByEnter);

    // Enter on the selected row of a list opens its entry; in the icons'
    // keyword box it finds.
    search->SearchText = "righteous"; // one result: Tut 1, entry 2
    auto selectRow = [](QAbstractItemView* list, int row) {
        list->setCurrentIndex(list->model()->index(row, 0));
    };
    const struct {
        const char* name;
        QWidget* window;
        QWidget* target;
        std::function<void()> prepare;
        Qt::Key key;
        int synxID; // of the entry opened, 0 for none
        int entry;
    } rows[] = {
        {"result", search, search->lstbxSearchResults,
         [&] { selectRow(search->lstbxSearchResults, 0); }, Qt::Key_Return, Fixture::SynxTut1, 2},
        {"result, keypad", search, search->lstbxSearchResults,
         [&] { selectRow(search->lstbxSearchResults, 0); }, Qt::Key_Enter, Fixture::SynxTut1, 2},
        {"no result selected", search, search->lstbxSearchResults,
         [&] { search->lstbxSearchResults->clearSelection(); }, Qt::Key_Return, 0, 0},
        {"saint", saints, saints->dbgrdSynxSaints,
         [&] {
             saints->edtSearch->setText("john");
             saints->SeekKeyword();
             selectRow(saints->dbgrdSynxSaints, MainDM->tblSynxSaints.RecNo() - 1);
         },
         Qt::Key_Return, Fixture::SynxTut2, 1},
        {"icons keyword", icons, icons->edtSearch, [&] { icons->edtSearch->setText("st."); },
         Qt::Key_Return, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QList<std::pair<int, int>> opened; // day and entry of each entry opened
        icons->pnlFound->setText("Not Found");
        env.Dialogs.WhileModal = [&](QWidget* w) {
            if (w == link) {
                opened.append({link->SynxID, link->EntryNumber});
            } else if (w == r.window) {
                r.prepare();
                press(w, r.target, r.key);
            }
        };
        ShowModal(r.window);
        using TOpened = QList<std::pair<int, int>>;
        EXPECT_EQ(opened, (r.synxID != 0 ? TOpened{{r.synxID, r.entry}} : TOpened()));
        EXPECT_EQ(icons->pnlFound->text(), r.window == icons ? " Found " : "Not Found");
    }

    for (QWidget* window : {static_cast<QWidget*>(saints), static_cast<QWidget*>(search),
                            static_cast<QWidget*>(icons), static_cast<QWidget*>(link)}) {
        bool closed = false;
        env.Dialogs.WhileModal = [&](QWidget* w) {
            press(w, w, Qt::Key_Escape);
            closed = !w->isVisible();
        };
        ShowModal(window);
        EXPECT_TRUE(closed) << window->objectName().toStdString();
    }
}

TEST_F(SynxCommands, LinkedEntryPopupMenuFollowsTheSelection) {
    link->SynxID = Fixture::SynxTut1;
    link->EntryNumber = 1;
    link->FormShow();
    TRichEdit* text = link->rchedtSynx;
    struct Case {
        int length;
        bool copy, selectAll;
    };
    for (const Case& c : {Case{4, true, false}, Case{3, true, true}, Case{0, false, true}}) {
        text->SetSelStart(2);
        text->SetSelLength(c.length);
        link->PopupMenu1Popup();
        EXPECT_EQ(link->mnuitmCopy->isEnabled(), c.copy) << c.length;
        EXPECT_EQ(link->mnuitmSelectAll->isEnabled(), c.selectAll) << c.length;
    }
    link->mnuitmSelectAll->trigger();
    EXPECT_FALSE(link->mnuitmSelectAll->isEnabled());
    EXPECT_TRUE(link->mnuitmCopy->isEnabled());
    QApplication::clipboard()->clear();
    link->mnuitmCopy->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains("the holy Bartholomew was martyred"));
}

TEST_F(SynxCommands, IconPictureSavedCopiedAndMadeTheWallpaperInEachStyle) {
    EXPECT_EQ(icons->WallpaperBitmapPath, env.DataFolder() + "EVelmorande.bmp");
    ShowModal(icons);
    TQuery& q = MainDM->qrySynx;
    q.First();
    q.Next(); // St. Bartholomew: bartholomew.jpg
    ASSERT_FALSE(icons->imgPicture->Empty());
    ASSERT_TRUE(icons->btnSaveAs->isEnabled());

    // Save As: the JPEG bytes as they were loaded, ".jpg" added.
    env.Dialogs.SaveAnswers.push_back(env.DataFolder() + "icon");
    icons->btnSaveAs->click();
    EXPECT_EQ(env.Dialogs.SaveRequests.last().Filter, "JPEG Image (*.JPG)|*.JPG");
    QFile saved(env.DataFolder() + "icon.jpg"), original(pict + "bartholomew.jpg");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), original.readAll());

    QApplication::clipboard()->clear();
    icons->btnCopyToClipboard->click();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(40, 30));

    // The list's items in order: centred, stretched, tiled.
    struct Case {
        int item, style;
        QString tile, wallpaperStyle;
    };
    const Case cases[] = {{0, 1, "0", "0"}, {1, 2, "0", "2"}, {2, 0, "1", "0"}};
    const QString bmp = env.DataFolder() + "EVelmorande.bmp";
    for (const Case& c : cases) {
        QFile::remove(bmp);
        icons->cmbxWallpaper->setCurrentIndex(c.item);
        icons->btnWallpaper->click();
        ASSERT_FALSE(env.Wallpapers.isEmpty());
        EXPECT_EQ(env.Wallpapers.last(), std::make_pair(bmp, c.style));
        EXPECT_EQ(QImage(bmp, "BMP").size(), QSize(40, 30));
        TRegistry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("\\Control Panel\\Desktop", false));
        EXPECT_EQ(reg.ReadString("Wallpaper"), bmp);
        EXPECT_EQ(reg.ReadString("TileWallpaper"), c.tile) << c.item;
        EXPECT_EQ(reg.ReadString("WallpaperStyle"), c.wallpaperStyle) << c.item;
        EXPECT_EQ(reg.ReadString("WallpaperOriginX"), "0");
        EXPECT_EQ(reg.ReadString("WallpaperOriginY"), "0");
    }
    EXPECT_FALSE(QFile::exists(pict + "EVelmorande.bmp"));
    EXPECT_TRUE(env.Dialogs.Messages.isEmpty());

    // A desktop that refuses the wallpaper is reported, not passed over.
    env.WallpaperResult = false;
    icons->btnWallpaper->click();
    ASSERT_EQ(env.Dialogs.Messages.size(), 1);
    EXPECT_EQ(env.Dialogs.Messages[0].Type, mtError);

    // An icon whose file is missing offers none of the picture commands.
    q.Next(); // john.jpg is missing
    EXPECT_TRUE(icons->imgPicture->Empty());
    for (QPushButton* b : {icons->btnSaveAs, icons->btnCopyToClipboard, icons->btnWallpaper})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}
