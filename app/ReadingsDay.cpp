// Readings window: the readings of one day, service by service, from the
// rows of the readings table in the order of its index.

#include "Readings.h"

#include "Building.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "MainNew.h"
#include "RichEdit.h"
#include "Tokens.h"

#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

#include <stdexcept>

namespace {

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

QString Caption(QLabel* label) {
    return label != nullptr ? label->text() : QString();
}

} // namespace

void TfrmReadings::BuildDayReadings(bool Standalone, const QString& DayNodeText) {
    // A second build asked for while one runs (a rebuild inside a build)
    // would clear what the first is writing.
    if (Standalone && building_)
        return;
    TTable& rows = MainDM->tblReadings;
    QProgressBar* bar = frmBuilding != nullptr ? frmBuilding->prgrsbarChapter : nullptr;

    TScopeGuard finish([this, Standalone] {
        if (Standalone)
            EndBuilding(true);
    });
    QTreeWidgetItem* dayNode = nullptr;
    if (Standalone) {
        BeginBuilding();
    } else {
        const TfrmMainNew* main = frmMainNew;
        dayNode =
            AddNode(nullptr, Caption(main ? main->lblCopticDate : nullptr) + QStringLiteral(" - ") +
                                 Caption(main ? main->lblGregDate : nullptr));
        if (!DayNodeText.isEmpty())
            AddNode(dayNode, DayNodeText);
    }
    AddServiceHeading(lblReadingTitle->text(), false, false, true, false, Qt::blue);

    rows.SetRange({VelmTypeID, DayID}, {VelmTypeID, DayID});
    if (Standalone)
        SetBuildingProgressMax(1);
    if (!rows.FindKey({VelmTypeID, DayID}))
        return;

    auto sameDay = [&] {
        return !rows.Eof() && Int(rows, "VelmType") == VelmTypeID && Int(rows, "DayID") == DayID;
    };
    auto sameService = [&] { return sameDay() && Int(rows, "ReadingTime") == ReadingTimeID; };

    while (sameDay()) {
        if (!Standalone)
            AllServices = RangeAllServices;
        if (AllServices) {
            ReadingTimeID = Int(rows, "ReadingTime");
            ReadingType = Int(rows, "ReadingType");
        } else if (!Standalone) {
            while (sameDay() && !IsServiceShown(Int(rows, "ReadingTime")))
                rows.Next();
            if (!sameDay())
                return;
            ReadingTimeID = Int(rows, "ReadingTime");
            ReadingType = Int(rows, "ReadingType");
        }
        ServiceName =
            MainDM->GetReadingTimeName(ReadingTimeID, IsPalmSunday, IsJoyousSaturday, IsHolyWeek);
        if (!Standalone && !IsPalmSunday && !IsJoyousSaturday && !IsHolyWeek)
            ServiceName += QLatin1Char(' ') +
                           DelimitersToSpaces(lblReadingTitle->text(), QStringLiteral("\r\n"));
        if (!rows.FindKey({VelmTypeID, DayID, ReadingTimeID}))
            throw std::runtime_error(ReadingsRules::NoDataMessage);

        QTreeWidgetItem* serviceNode = AddNode(dayNode, ServiceName);
        AddServiceHeading(ServiceName, false, true, true, true, Qt::red);

        ReadingType = Int(rows, "ReadingType");
        int prevBook = Int(rows, "BookID");
        QString tag;
        GetTranslationTag(prevBook, tag);
        bool grouped = false;
        QString citation;
        int prevOrder = Int(rows, "Order");

        while (sameService()) {
            ReadingType = Int(rows, "ReadingType");
            const int order = Int(rows, "Order");
            // Orders that jump by more than 100 start a part of the service
            // with a heading of its own.
            if (order - prevOrder > 100) {
                if (IsCovenantThursday && order >= 100 && order <= 199)
                    ServiceName = QStringLiteral("The Service of the Washing of the Feet");
                if (IsCovenantThursday && order >= 200 && order <= 300)
                    ServiceName = QStringLiteral("Holy Thursday Liturgy");
                if (IsJoyousSaturday && order >= 200 && order <= 300)
                    ServiceName = QStringLiteral("Holy Saturday Liturgy");
                serviceNode = AddNode(dayNode, ServiceName);
                AddServiceHeading(ServiceName, true, true, true, true, Qt::red);
            }
            const int rowBook = Int(rows, "BookID");
            if (rowBook != prevBook || order != prevOrder)
                grouped = false;
            prevBook = rowBook;
            GetTranslationTag(prevBook, tag);

            if (rowBook == PsalmsBookID || rowBook == PairedBookID) {
                if (!grouped) {
                    BuildCitation(citation);
                    grouped = true;
                } else {
                    citation.clear();
                }
            } else {
                grouped = false;
                BuildCitation(citation);
            }
            if (!citation.isEmpty()) {
                AddReadingHeading(citation);
                AddNode(serviceNode, citation);
            }

            const int book = rowBook;
            const int startChapter = Int(rows, "StartChapter");
            const int endChapter = Int(rows, "EndChapter");
            const int startVerse = Int(rows, "StartVerse");
            const int endVerse = Int(rows, "EndVerse");
            const int startSkip = Int(rows, "StartSkipWords");
            const int endSkip = Int(rows, "EndSkipWords");
            const int thisOrder = order;
            const int thisTime = Int(rows, "ReadingTime");

            QString passage = ReadingsRules::WithFullStop(MainDM->GetPassageText(
                book, startChapter, endChapter, startVerse, endVerse,
                [bar] {
                    if (bar != nullptr)
                        bar->setValue(bar->value() + 1);
                },
                startSkip, endSkip, ShowVerseNumbers, false, false, false, false));
            QString closing;
            GetClosingSentence(book, ReadingType, VelmTypeID, closing);

            prevOrder = thisOrder;
            rows.Next();
            if (bar != nullptr)
                bar->setValue(bar->value() + 1);
            // The reading goes on in the next row of the same service: its
            // tag and closing sentence come after the last passage only.
            if (!rows.Eof() && Int(rows, "BookID") == book && Int(rows, "Order") == thisOrder &&
                Int(rows, "ReadingTime") == thisTime) {
                tag.clear();
                closing.clear();
            }
            if (Standalone || IsServiceFull(ReadingTimeID))
                AppendPassage(*rchedtReadings, passage, closing, bar, tag, true);
        }
        if (Standalone && !AllServices)
            break;
    }
}
