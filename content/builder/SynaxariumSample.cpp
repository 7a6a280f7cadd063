#include "SynaxariumSample.h"

#include <QMap>

namespace {

struct Entry {
    int Month, Day, Number;
    const char* Name;
    const char* Keyword; // index name, at most 40 characters
    const char* Desc;
    const char* Picture = "";
    const char* PictureName = "";
    int LinkMonth = 0, LinkDay = 0, LinkNum = 0;
    int LinkMonthB = 0, LinkDayB = 0, LinkNumB = 0;
};

// Short entries written for this program. Kiahk, the month before the
// Nativity, remembers those who waited for and announced the coming of Christ.
const Entry kEntries[] = {
    {3, 12, 1, "The Archangel Michael", "Michael the Archangel",
     "The Church remembers the Archangel Michael, chief of the heavenly hosts. Scripture names him "
     "as the "
     "one who stands for the people of God and who fights against the dragon. Each month the "
     "twelfth day "
     "keeps his memory, so that the faithful ask for his prayers and protection.",
     "iArchangelMichael.jpg", "Archangel Michael"},
    {4, 1, 1, "Zechariah the Priest", "Zechariah the Priest",
     "Zechariah served as a priest in the Temple of Jerusalem. While he offered incense, an angel "
     "told him "
     "that his wife would bear a son who would prepare the way of the Lord. Because he doubted, he "
     "was silent "
     "until the child was named John, and then he praised God in a song of thanksgiving.",
     "iZechariahPriest.jpg", "Zechariah the Priest", 4, 22, 1},
    {4, 1, 2, "Elizabeth, Mother of John the Baptist", "Elizabeth",
     "Elizabeth, of the daughters of Aaron, lived blamelessly with her husband Zechariah. In her "
     "old age she "
     "conceived John, and when the Virgin Mary greeted her, the child leaped in her womb and she "
     "was filled "
     "with the Holy Spirit."},
    {4, 2, 1, "Micah the Prophet", "Micah the Prophet",
     "Micah of Moresheth called the people to do justly, to love mercy and to walk humbly with "
     "God. He "
     "foretold that a ruler of Israel would come out of Bethlehem, small among the clans of "
     "Judah."},
    {4, 3, 1, "Presentation of the Virgin Mary into the Temple", "Virgin Mary",
     "The Church keeps the memory of the Virgin Mary brought as a little child to the Temple by "
     "her parents, "
     "who had promised her to God. There she grew in prayer and purity, prepared to become the "
     "mother of "
     "the Word made flesh.",
     "iTheotokos.jpg", "St. Mary the Theotokos", 7, 29, 1},
    {4, 4, 1, "Andrew the Apostle", "Andrew the Apostle",
     "Andrew, a fisherman of Bethsaida and a disciple of John the Baptist, was the first to follow "
     "the Lord. "
     "He brought his brother Simon to Jesus, saying: We have found the Messiah."},
    {4, 5, 1, "Habakkuk the Prophet", "Habakkuk the Prophet",
     "Habakkuk asked the Lord why evil seemed to prosper, and waited on his watchtower for the "
     "answer. He "
     "learned that the righteous shall live by faith, and ended his book with a song of trust."},
    {4, 6, 1, "Zephaniah the Prophet", "Zephaniah the Prophet",
     "Zephaniah spoke in the days of King Josiah of the day of the Lord, and promised that God "
     "would gather "
     "a humble people and rejoice over them with singing."},
    {4, 7, 1, "Isaiah the Prophet", "Isaiah the Prophet",
     "Isaiah saw the Lord high and lifted up and heard the seraphim cry Holy, Holy, Holy. He "
     "foretold the "
     "virgin who would bear a son called Immanuel, and the servant who would bear the sins of "
     "many.",
     "iProphetIsaiah.jpg", "Isaiah the Prophet", 4, 29, 1},
    {4, 8, 1, "Haggai the Prophet", "Haggai the Prophet",
     "Haggai encouraged the people who returned from exile to rebuild the house of the Lord, and "
     "promised "
     "that the glory of the latter house would be greater than the former."},
    {4, 9, 1, "Jesse, Father of King David", "Jesse",
     "Jesse of Bethlehem was the father of David. The prophet spoke of a shoot that would come out "
     "of the "
     "stock of Jesse, on whom the Spirit of the Lord would rest."},
    {4, 10, 1, "Jeremiah the Prophet", "Jeremiah the Prophet",
     "Jeremiah was called while still young and spoke faithfully through the fall of Jerusalem, "
     "suffering "
     "much for his message. He announced a new covenant written on the hearts of the people."},
    {4, 11, 1, "Ezekiel the Prophet", "Ezekiel the Prophet",
     "Ezekiel, a priest among the exiles by the river Chebar, saw the glory of God and the valley "
     "of dry "
     "bones brought to life by the breath of the Lord."},
    {4, 12, 1, "Monthly Commemoration of the Archangel Michael", "Michael the Archangel",
     "On the twelfth of each month the Church remembers the Archangel Michael and asks for his "
     "intercession.",
     "iArchangelMichael.jpg", "Archangel Michael", 3, 12, 1},
    {4, 13, 1, "Daniel the Prophet", "Daniel the Prophet",
     "Daniel kept faith with God in the court of Babylon. He prayed three times a day though it "
     "was "
     "forbidden, and the Lord shut the mouths of the lions. He saw in a vision one like a son of "
     "man coming "
     "with the clouds of heaven.",
     "iProphetDaniel.jpg", "Daniel the Prophet"},
    {4, 13, 2, "The Three Young Men in the Furnace", "Three Young Men",
     "Hananiah, Mishael and Azariah would not worship the golden image. They were cast into the "
     "burning "
     "furnace, and a fourth was seen walking with them in the fire; they came out unharmed.",
     "", "", 4, 13, 1},
    {4, 14, 1, "Zechariah the Prophet", "Zechariah the Prophet",
     "Zechariah, son of Berechiah, saw visions of the rebuilding of Jerusalem and foretold the "
     "king who "
     "would come lowly and riding on a donkey."},
    {4, 15, 1, "Malachi the Prophet", "Malachi the Prophet",
     "Malachi, the last of the twelve prophets, foretold the messenger who would prepare the way "
     "before the "
     "Lord and the sun of righteousness rising with healing in its wings."},
    {4, 16, 1, "Hosea the Prophet", "Hosea the Prophet",
     "Hosea showed in his own life the faithful love of God for an unfaithful people, and called "
     "Israel to "
     "return to the Lord who heals."},
    {4, 17, 1, "Joel the Prophet", "Joel the Prophet",
     "Joel called the people to rend their hearts and not their garments, and foretold that God "
     "would pour "
     "out his Spirit on all flesh."},
    {4, 18, 1, "Amos the Prophet", "Amos the Prophet",
     "Amos, a herdsman of Tekoa, was sent to speak for the poor and to let justice roll down like "
     "waters."},
    {4, 19, 1, "Ruth the Moabite", "Ruth",
     "Ruth would not leave her mother-in-law Naomi, saying: your people shall be my people, and "
     "your God my "
     "God. She became the great-grandmother of King David."},
    {4, 20, 1, "Obadiah the Prophet", "Obadiah the Prophet",
     "Obadiah, the shortest of the prophetic books, announced that the kingdom shall be the "
     "Lord's."},
    // Kiahk 20 remembers the forefathers who waited for the Lord with the
    // prophets: a day with the twelve saints the main window can list.
    {4, 20, 2, "Haggai the Prophet", "Haggai the Prophet",
     "Haggai stirred up the people returned from exile to rebuild the house of the Lord, promising "
     "that its glory would be greater than the first."},
    {4, 20, 3, "Nahum the Prophet", "Nahum the Prophet",
     "Nahum proclaimed the fall of Nineveh and the good tidings of one who brings peace upon the "
     "mountains."},
    {4, 20, 4, "Zephaniah the Prophet", "Zephaniah the Prophet",
     "Zephaniah called the humble of the land to seek righteousness and foretold the Lord "
     "rejoicing over His people with singing."},
    {4, 20, 5, "Jonah the Prophet", "Jonah the Prophet",
     "Jonah, three days in the belly of the fish, became a sign of the Lord's three days in the "
     "heart of the earth."},
    {4, 20, 6, "Enoch the Righteous", "Enoch",
     "Enoch walked with God and was not, for God took him; the Church remembers him among those "
     "who waited in faith."},
    {4, 20, 7, "Noah the Righteous", "Noah",
     "Noah found grace in the eyes of the Lord and was saved with his household in the ark, a "
     "figure of salvation through water."},
    {4, 20, 8, "Abraham the Father of the Faithful", "Abraham",
     "Abraham believed God and it was counted to him as righteousness; in his seed all the nations "
     "of the earth are blessed."},
    {4, 20, 9, "Isaac the Patriarch", "Isaac",
     "Isaac, the son of the promise, was offered on the mountain and given back alive, a figure of "
     "the sacrifice to come."},
    {4, 20, 10, "Jacob the Patriarch", "Jacob",
     "Jacob saw a ladder set up on the earth whose top reached to heaven, and blessed Judah, from "
     "whom the sceptre would not depart."},
    {4, 20, 11, "Moses the Prophet", "Moses the Prophet",
     "Moses foretold that the Lord would raise up a prophet like him from among the brethren, to "
     "whom the people would listen."},
    {4, 20, 12, "David the King and Prophet", "David the King",
     "David sang of the Lord who said to his Lord: Sit at my right hand; of his house and lineage "
     "Christ was born in Bethlehem."},
    {4, 21, 1, "Monthly Commemoration of the Virgin Mary", "Virgin Mary",
     "On the twenty-first of each month the Church honours the Virgin Mary, the Theotokos, and "
     "asks for her "
     "prayers.",
     "iTheotokos.jpg", "St. Mary the Theotokos", 4, 3, 1},
    {4, 22, 1, "The Archangel Gabriel", "Gabriel the Archangel",
     "Gabriel, who stands in the presence of God, was sent to Daniel to give him understanding, to "
     "Zechariah "
     "to announce the birth of John, and to the Virgin Mary to announce the birth of the Son of "
     "God.",
     "iArchangelGabriel.jpg", "Archangel Gabriel", 7, 29, 1, 4, 1, 1},
    {4, 22, 2, "The Vision of Zechariah in the Temple", "Zechariah the Priest",
     "The Church also remembers the appearing of the angel to Zechariah at the altar of incense, "
     "the first "
     "announcement of the Gospel.",
     "", "", 4, 1, 1},
    {4, 23, 1, "Joseph the Carpenter", "Joseph the Carpenter",
     "Joseph, a righteous man of the house of David, took Mary as his wife when the angel spoke to "
     "him in a "
     "dream, and cared for the Child and his mother in Bethlehem, in Egypt and in Nazareth.",
     "iJosephTheCarpenter.jpg", "Joseph the Carpenter", 9, 24, 1},
    {4, 24, 1, "The Shepherds of Bethlehem", "Shepherds of Bethlehem",
     "The shepherds keeping watch over their flock heard the angels sing Glory to God in the "
     "highest. They "
     "went with haste to Bethlehem and were the first to tell what they had seen."},
    {4, 25, 1, "Anna the Prophetess", "Anna the Prophetess",
     "Anna, daughter of Phanuel, served God with fasting and prayers night and day in the Temple, "
     "and spoke "
     "of the Child to all who were looking for redemption."},
    {4, 26, 1, "Simeon the Elder", "Simeon the Elder",
     "Simeon was promised that he would not see death before he had seen the Lord's Christ. He "
     "took the Child "
     "in his arms and said: now you are releasing your servant in peace.",
     "", "", 6, 8, 1},
    {4, 27, 1, "The Magi from the East", "Magi",
     "Wise men from the east followed the star to Bethlehem and offered gold, frankincense and "
     "myrrh to the "
     "newborn King, then returned to their country by another way.",
     "iMagi.jpg", "The Magi from the East", 4, 29, 1},
    {4, 28, 1, "Paramoun of the Nativity", "Nativity",
     "The eve of the Feast of the Nativity is kept with fasting and watchfulness, as the Church "
     "waits for "
     "the birth of the Saviour."},
    {4, 29, 1, "The Nativity of Our Lord and Saviour Jesus Christ", "Nativity",
     "The Word became flesh and was born of the Virgin Mary in Bethlehem of Judea. The angels "
     "sang, the "
     "shepherds came and worshipped, and the hope of the prophets was fulfilled.",
     "iNativity.jpg", "The Nativity", 7, 29, 1, 5, 11, 1},
    {4, 29, 2, "Monthly Commemoration of the Three Feasts", "Three Feasts",
     "The twenty-ninth of each month remembers together the Annunciation, the Nativity and the "
     "Resurrection "
     "of the Lord."},
    {4, 30, 1, "David the King and Psalmist", "David the King",
     "David, the shepherd of Bethlehem anointed king over Israel, sang the psalms that the Church "
     "prays "
     "every day. The Lord promised him that his throne would be established forever.",
     "iKingDavid.jpg", "David the King", 4, 9, 1},
    {5, 11, 1, "The Baptism of Our Lord in the Jordan", "Epiphany",
     "The Lord was baptised by John in the Jordan. The heavens opened, the Spirit descended like a "
     "dove, and "
     "the Father's voice said: This is my beloved Son.",
     "iEpiphany.jpg", "The Epiphany", 4, 29, 1},
    {6, 8, 1, "Entry of the Lord into the Temple", "Entry into the Temple",
     "On the fortieth day the Child was brought to the Temple, and Simeon and Anna recognised in "
     "him the "
     "light of the nations.",
     "", "", 4, 26, 1},
    {7, 29, 1, "The Annunciation to the Virgin Mary", "Annunciation",
     "The Archangel Gabriel was sent to Nazareth to the Virgin Mary and announced that she would "
     "conceive "
     "the Son of the Most High. She answered: let it be done to me according to your word.",
     "iAnnunciation.jpg", "The Annunciation", 4, 22, 1, 4, 29, 1},
    {9, 24, 1, "Entry of the Lord into Egypt", "Entry into Egypt",
     "Warned in a dream, Joseph took the Child and his mother and fled into Egypt, so that the "
     "word of the "
     "prophet was fulfilled: Out of Egypt I called my son.",
     "iFlightToEgypt.jpg", "Flight to Egypt", 4, 23, 1},
};

} // namespace

QList<TableRows> BuildSynaxariumTables() {
    TableRows head{QStringLiteral("SynxHead.db"), {"ID", "Month", "Day"}, {}};
    for (int m = 1; m <= 13; ++m)
        for (int d = 1; d <= (m == 13 ? 6 : 30); ++d)
            head.add({SynxHeadID(m, d), m, d});

    TableRows detail{QStringLiteral("SynxDetail.DB"),
                     {"SynxID", "Number", "Name", "Desc", "LinkMonth", "LinkDay", "LinkNum",
                      "PictureFile", "PictSaintName", "LinkMonthB", "LinkDayB", "LinkNumB"},
                     {}};
    QMap<QString, QList<QPair<int, int>>> keywords; // keyword -> entries
    for (const Entry& e : kEntries) {
        const int id = SynxHeadID(e.Month, e.Day);
        detail.add({id, e.Number, QString::fromUtf8(e.Name), QString::fromUtf8(e.Desc), e.LinkMonth,
                    e.LinkDay, e.LinkNum, QString::fromLatin1(e.Picture),
                    QString::fromUtf8(e.PictureName), e.LinkMonthB, e.LinkDayB, e.LinkNumB});
        // The index seeks names in capitals, case-sensitively.
        keywords[QString::fromUtf8(e.Keyword).toUpper()].append({id, e.Number});
    }

    // The index lists every keyword once per entry, with a one-letter row
    // before the names of each initial.
    TableRows saints{QStringLiteral("SynxSaints.DB"), {"Name", "SynxID", "SynxNumber"}, {}};
    QChar letter;
    for (auto it = keywords.cbegin(); it != keywords.cend(); ++it) {
        const QChar first = it.key().at(0);
        if (first != letter) {
            letter = first;
            saints.add({QString(letter), 0, 0});
        }
        for (const auto& [id, number] : it.value())
            saints.add({it.key(), id, number});
    }
    return {head, detail, saints};
}
