#include "RichPrintSettings.h"

#include "Registry.h"
#include "RichPrint.h"

namespace {

const QString SettingsKey = QStringLiteral("\\RichPrint.Settings");
const QString MarginsKey = QStringLiteral("\\RichPrint.Settings\\Marges");
const QString CompressKey = QStringLiteral("\\RichPrint.Settings\\Compress");

// Numbers are kept as decimal strings; one that holds no number is damage.
int ReadNumber(const TRegistry& reg, const QString& name, int def) {
    if (!reg.ValueExists(name))
        return def;
    if (reg.GetDataType(name) == rdInteger)
        return reg.ReadInteger(name);
    const QString s = reg.ReadString(name);
    bool ok = false;
    const int v = s.trimmed().toInt(&ok);
    if (!ok)
        throw ERegistryException(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return v;
}

void OpenOrFail(TRegistry& reg, const QString& key) {
    if (!reg.OpenKey(key, true))
        throw ERegistryException(QStringLiteral("Failed to create key %1").arg(key));
}

} // namespace

void LoadPrinterSettings(TRichPrinter& printer) {
    TRegistry reg(HKEY_CURRENT_USER);
    OpenOrFail(reg, SettingsKey);
    if (!reg.KeyExists(MarginsKey)) {
        printer.SetMeasureUnit(printer.MeasureUnit());
        printer.SetOrientation(printer.Orientation());
        printer.SetMarginTop(printer.MarginTop());
        printer.SetMarginBottom(printer.MarginBottom());
        printer.SetMarginLeft(printer.MarginLeft());
        printer.SetMarginRight(printer.MarginRight());
        return;
    }
    OpenOrFail(reg, MarginsKey);
    const int unit = ReadNumber(reg, QStringLiteral("CodeMeasurement"), 1);
    const int direction = ReadNumber(reg, QStringLiteral("CodeDirection"), 1);
    const double left = reg.ReadFloat(QStringLiteral("MarginLeft"));
    const double top = reg.ReadFloat(QStringLiteral("MarginTop"));
    const double bottom = reg.ReadFloat(QStringLiteral("MarginBottom"));
    const double right = reg.ReadFloat(QStringLiteral("MarginRight"));
    reg.CloseKey();
    // The stored margins are in the stored unit: no conversion.
    printer.SetMeasureUnitOnly(unit == 1 ? muMillimeters : muInches);
    printer.SetOrientation(direction == 1 ? poPortrait : poLandscape);
    printer.SetMargins(left, top, right, bottom);
}

void SavePrinterSettings(const TRichPrinter& printer) {
    TRegistry reg(HKEY_CURRENT_USER);
    OpenOrFail(reg, MarginsKey);
    reg.WriteFloat(QStringLiteral("MarginLeft"), printer.MarginLeft());
    reg.WriteFloat(QStringLiteral("MarginTop"), printer.MarginTop());
    reg.WriteFloat(QStringLiteral("MarginBottom"), printer.MarginBottom());
    reg.WriteFloat(QStringLiteral("MarginRight"), printer.MarginRight());
    reg.WriteString(QStringLiteral("CodeMeasurement"),
                    printer.MeasureUnit() == muMillimeters ? "1" : "0");
    reg.WriteString(QStringLiteral("CodeDirection"),
                    printer.Orientation() == poPortrait ? "1" : "0");
}

void SaveCompressSetting(const TRichPrinter& printer) {
    TRegistry reg(HKEY_CURRENT_USER);
    OpenOrFail(reg, CompressKey);
    reg.WriteString(QStringLiteral("CompressPreview"), printer.CompressPreview() ? "1" : "0");
}

bool ReadCompressSetting() {
    // Read without creating: a store that cannot be written reads as unset.
    TRegistry reg(HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(CompressKey))
        return true;
    // A damaged switch never stops a preview; a store that cannot be
    // written keeps it damaged, so it is only logged.
    try {
        return ReadNumber(reg, QStringLiteral("CompressPreview"), 1) != 0;
    } catch (const ERegistryException& e) {
        qWarning("The preview's compression setting is taken as on: %s", e.what());
        return true;
    }
}
