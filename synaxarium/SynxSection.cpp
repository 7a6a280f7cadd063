// The Synaxarium section that a range of readings writes for each day: the
// day's heading with the church note, then the day's entries, in full or by
// name only.

#include "Synx.h"

#include "DMMain.h"
#include "DayState.h"
#include "RichEdit.h"
#include "SynxText.h"
#include "TableEngine.h"

namespace {

const QString ReadNote =
    QStringLiteral(" [To be read during the liturgy, after The Acts of the Apostles and before the "
                   "Psalm]");
const QString NotReadNote =
    QStringLiteral(" [Not to be read in the church during this time of the year]");

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

} // namespace

void TfrmSynx::AppendSynxToRichEdit(int SynxID, bool WriteText, bool WithDescriptions,
                                    bool ReadInChurch, TRichEdit* RichEdit, QString& Title) {
    Title.clear();
    RichEdit->hide();
    LocateShownDay(SynxID);
    DateCaption = SynxDateCaption(ShownMonth, ShownDay);
    const QString gregorian = CopticToGregorianText(ShownMonth, ShownDay);
    Title = QStringLiteral("Synaxarium: ") + DateCaption + QStringLiteral(", ") +
            QString::number(DayState->DayEngine->CopticYear) + QStringLiteral(" - ") + gregorian +
            QStringLiteral(", ") + QString::number(DayState->DayEngine->Year);
    if (!WriteText)
        return;

    Title += QStringLiteral("\r\n") + (ReadInChurch ? ReadNote : NotReadNote);
    AddRichHeading(RichEdit, QStringLiteral("\t\t") + Title, false, true, false, SynxDayColor);
    TTable& detail = MainDM->tblSynxDetail;
    if (!detail.FindKey({SynxID, 1}))
        return;
    for (int k = 1; !detail.Eof() && Int(detail, "SynxID") == SynxID; ++k) {
        AddRichHeading(RichEdit,
                       SynxEntryHeading(k, detail.FieldByName(QStringLiteral("Name"))->AsString()),
                       true, true, true, SynxEntryColor);
        if (WithDescriptions)
            AddRichBody(RichEdit, detail.FieldByName(QStringLiteral("Desc"))->AsString());
        if (k == MaxSynxEntries)
            break;
        detail.Next();
    }
}
