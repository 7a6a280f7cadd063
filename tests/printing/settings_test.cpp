// The printer's settings in the registry of the current user.
#include "PrintTestSupport.h"
#include "Registry.h"
#include "RichEdit.h"
#include "RichPreview.h"
#include "RichPrint.h"
#include "RichPrintSettings.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

class PrinterSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer = PdfPrinter(dir.filePath("out.pdf"));
    }
    TRegistry Marges() {
        TRegistry reg(HKEY_CURRENT_USER);
        EXPECT_TRUE(reg.OpenKey("\\RichPrint.Settings\\Marges", true));
        return reg;
    }
    QList<double> MarginsOf(const TRichPrinter& rp) {
        return {rp.MarginLeft(), rp.MarginTop(), rp.MarginRight(), rp.MarginBottom()};
    }
    TTestEnvironment env; // a registry of its own
    QTemporaryDir dir;
    std::unique_ptr<QPrinter> printer;
};

TEST_F(PrinterSettings, AFirstRunKeepsTheDesignMarginsAndCompresses) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetSaveMargins(true);
    LoadPrinterSettings(rp);
    EXPECT_EQ(MarginsOf(rp), QList<double>({25, 30, 15, 25}));
    EXPECT_EQ(rp.MeasureUnit(), muMillimeters);
    EXPECT_TRUE(ReadCompressSetting());
    EXPECT_TRUE(TRegistry(HKEY_CURRENT_USER).KeyExists("\\RichPrint.Settings"));
}

TEST_F(PrinterSettings, InchesStayInchesThroughSaveAndLoad) {
    {
        TRichPrinter rp(nullptr, printer.get());
        rp.SetMeasureUnit(muInches);
        rp.SetMarginLeft(1);
        rp.SetMarginTop(1.25);
        rp.SetMarginRight(0.75);
        rp.SetMarginBottom(1.5);
        rp.SetOrientation(poLandscape);
        SavePrinterSettings(rp);
    }
    TRegistry reg = Marges();
    EXPECT_EQ(reg.GetDataType("MarginTop"), rdBinary);
    EXPECT_EQ(reg.ReadBinaryData("MarginTop").size(), 8);
    EXPECT_EQ(reg.ReadString("CodeMeasurement"), "0");
    EXPECT_EQ(reg.ReadString("CodeDirection"), "0");

    printer->setPageOrientation(QPageLayout::Portrait);
    TRichPrinter rp(nullptr, printer.get());
    rp.SetSaveMargins(true);
    LoadPrinterSettings(rp);
    EXPECT_EQ(rp.MeasureUnit(), muInches);
    EXPECT_EQ(rp.Orientation(), poLandscape);
    EXPECT_EQ(MarginsOf(rp), QList<double>({1, 1.25, 0.75, 1.5}));
}

TEST_F(PrinterSettings, CodesAreReadAsTheyStand) {
    const struct {
        const char* Measurement;
        const char* Direction;
        TMeasureUnit Unit;
        TPrinterOrientation Orientation;
    } cases[] = {{"2", "0", muInches, poLandscape},
                 {"1", "1", muMillimeters, poPortrait},
                 {"0", "7", muInches, poLandscape},
                 {nullptr, nullptr, muMillimeters, poPortrait}};
    for (const auto& c : cases) {
        TRegistry reg = Marges();
        for (const char* name : {"MarginLeft", "MarginTop", "MarginRight", "MarginBottom"})
            reg.WriteFloat(name, 1.0);
        reg.DeleteValue("CodeMeasurement");
        reg.DeleteValue("CodeDirection");
        if (c.Measurement) {
            reg.WriteString("CodeMeasurement", c.Measurement);
            reg.WriteString("CodeDirection", c.Direction);
        }
        printer->setPageOrientation(QPageLayout::Portrait);
        TRichPrinter rp(nullptr, printer.get());
        LoadPrinterSettings(rp);
        EXPECT_EQ(rp.MeasureUnit(), c.Unit) << (c.Measurement ? c.Measurement : "missing");
        EXPECT_EQ(rp.Orientation(), c.Orientation);
        // Stored values are taken in the stored unit, then clamped.
        const double gutter = rp.GutterTop();
        EXPECT_DOUBLE_EQ(rp.MarginTop(), std::max(1.0, gutter));
    }
}

TEST_F(PrinterSettings, DamagedValuesFailTheLoadAndStopTheJob) {
    const struct {
        const char* What;
        std::function<void(TRegistry&)> Damage;
    } cases[] = {
        {"short margin", [](TRegistry& r) { r.WriteBinaryData("MarginTop", "1234"); }},
        {"missing margin", [](TRegistry& r) { r.DeleteValue("MarginRight"); }},
        {"string margin", [](TRegistry& r) { r.WriteString("MarginLeft", "20"); }},
        {"no number", [](TRegistry& r) { r.WriteString("CodeMeasurement", "mm"); }},
    };
    for (const auto& c : cases) {
        TRegistry reg = Marges();
        for (const char* name : {"MarginLeft", "MarginTop", "MarginRight", "MarginBottom"})
            reg.WriteFloat(name, 20.0);
        reg.WriteString("CodeMeasurement", "1");
        c.Damage(reg);

        TRichPrinter rp(nullptr, printer.get());
        rp.SetSaveMargins(true);
        rp.SetShowProgress(false);
        EXPECT_THROW(LoadPrinterSettings(rp), ERegistryException) << c.What;
        EXPECT_EQ(MarginsOf(rp), QList<double>({25, 30, 15, 25})) << c.What;
        TRichEdit edit;
        QFile::remove(dir.filePath("out.pdf"));
        EXPECT_THROW(rp.PrintRichEdit(&edit, 1), ERegistryException) << c.What;
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.pdf"))) << c.What;
        EXPECT_FALSE(rp.Printing());
        TScriptedDialogs dialogs;
        TScriptedDialogs::Scope scope(dialogs);
        EXPECT_THROW(rp.PageSetup(), ERegistryException);
        EXPECT_EQ(dialogs.PageSetupCalls, 0);
    }
}

TEST_F(PrinterSettings, PageSetupSavesWhenAsked) {
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope scope(dialogs);
    dialogs.PageSetupAnswers = {true, true};
    TRichPrinter rp(nullptr, printer.get());
    rp.PageSetup();
    EXPECT_FALSE(TRegistry(HKEY_CURRENT_USER).KeyExists("\\RichPrint.Settings\\Marges"));
    rp.SetSaveMargins(true);
    rp.SetMarginTop(40);
    rp.PageSetup();
    EXPECT_DOUBLE_EQ(Marges().ReadFloat("MarginTop"), 40);
}

TEST_F(PrinterSettings, CompressionSwitchIsAString) {
    TRichPrinter rp(nullptr, printer.get());
    rp.SetCompressPreview(false);
    SaveCompressSetting(rp);
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey("\\RichPrint.Settings\\Compress", false));
    EXPECT_EQ(reg.ReadString("CompressPreview"), "0");
    EXPECT_FALSE(ReadCompressSetting());
    rp.SetCompressPreview(true);
    SaveCompressSetting(rp);
    EXPECT_TRUE(ReadCompressSetting());
    reg.DeleteValue("CompressPreview");
    EXPECT_TRUE(ReadCompressSetting());
    // A value that is no number is the default, and the preview opens on it.
    reg.WriteString("CompressPreview", "banana");
    EXPECT_TRUE(ReadCompressSetting());
    InstallRichPreview();
    TRichPreviewForm* form = OpenRichPreview(rp);
    EXPECT_TRUE(form->Files().Compress());
    form->close();
}

TEST_F(PrinterSettings, AStoreThatCannotBeWrittenNeverStopsThePreview) {
    const QString root = TRegistry::StorageRoot(HKEY_CURRENT_USER);
    const QString compress = root + "/RichPrint.Settings/Compress";
    // Each way the store fails for root as for any user, and a folder
    // without write permission where that binds.
    std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"a file where the store's folder goes",
         [&] {
             QDir().mkpath(QFileInfo(root).path());
             QFile f(root);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         }},
        {"a folder where the values go",
         [&] { ASSERT_TRUE(QDir().mkpath(compress + "/.values")); }},
    };
    if (geteuid() != 0)
        cases.push_back({"a read-only folder with a switch that is no number", [&] {
                             TRegistry reg(HKEY_CURRENT_USER);
                             ASSERT_TRUE(reg.OpenKey("\\RichPrint.Settings\\Compress", true));
                             reg.WriteString("CompressPreview", "banana");
                             QFile::setPermissions(root, QFile::ReadOwner | QFile::ExeOwner);
                             QFile::setPermissions(compress, QFile::ReadOwner | QFile::ExeOwner);
                         }});
    InstallRichPreview();
    for (const auto& [what, damage] : cases) {
        for (const QString& folder : {root, compress})
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(root);
        QDir(root).removeRecursively();
        damage();
        TRichEdit edit;
        FillNumberedText(edit, 40);
        TRichPrinter rp(nullptr, printer.get());
        rp.SetShowProgress(false);
        EXPECT_THROW(SaveCompressSetting(rp), ERegistryException) << what;
        env.Dialogs.Messages.clear();
        EXPECT_NO_THROW(rp.PreviewRichEdit(&edit)) << what;
        ASSERT_NE(RichPreviewForm, nullptr) << what;
        EXPECT_GT(RichPreviewForm->View().PageCount(), 1) << what;
        EXPECT_TRUE(RichPreviewForm->Files().Compress()) << what;
        EXPECT_TRUE(env.Dialogs.Messages.isEmpty()) << what;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << what;
        RichPreviewForm->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (const QString& folder : {root, compress})
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
