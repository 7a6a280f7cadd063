#include "ReadingsFontSettings.h"

#include "Registry.h"

#include <algorithm>

namespace ReadingsFontSettings {

const char* const Key = "\\Software\\Tavrin\\EVelmorande\\Font";

TFontValues Defaults() {
    return TFontValues{QStringLiteral("Times New Roman"), 12, true, false};
}

QStringList Read(TFontValues& font) {
    TRegistry registry(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKeyReadOnly(QLatin1String(Key)))
        return {};
    QStringList problems;
    // A value the key does not hold keeps its default; one that cannot be
    // read is reported and keeps it too.
    auto read = [&](const char* name, const auto& apply) {
        const QString value = QLatin1String(name);
        if (!registry.ValueExists(value))
            return;
        try {
            apply(value);
        } catch (const ERegistryException& e) {
            problems << QString::fromUtf8(e.what());
        }
    };
    read("Name", [&](const QString& v) {
        const QString name = registry.ReadString(v);
        if (!name.isEmpty())
            font.Name = name;
    });
    read("bold", [&](const QString& v) { font.Bold = registry.ReadInteger(v) != 0; });
    read("italic", [&](const QString& v) { font.Italic = registry.ReadInteger(v) != 0; });
    read("size", [&](const QString& v) {
        const int size = registry.ReadInteger(v);
        font.Size = std::clamp(size, MinSize, MaxSize);
        if (font.Size != size)
            problems << QStringLiteral("The size %1 is outside %2 to %3; %4 is used")
                            .arg(size)
                            .arg(MinSize)
                            .arg(MaxSize)
                            .arg(font.Size);
    });
    registry.CloseKey();
    return problems;
}

QString ProblemMessage(const QStringList& problems) {
    return QStringLiteral("The readings font in the registry is used only in part:\n") +
           problems.join(QLatin1Char('\n'));
}

} // namespace ReadingsFontSettings
