// The grid model paints rows without moving the cursor, moves it on the
// user's selection only, and follows the dataset's own changes.
#include "GridModel.h"
#include "TinyDb.h"

#include <QItemSelectionModel>

#include <gtest/gtest.h>

namespace {

class TableEngineGridModel : public ::testing::Test {
protected:
    TinyDb db;
    std::unique_ptr<TTable> books = openTable("BibleBooks.db", "ndxBookID");
    std::unique_ptr<TTable> bible = openTable("Bible.DB", "ndxBible1", false);
    TDataSource source;
    TGridModel model;
    int notices = 0, calcs = 0;

    void SetUp() override {
        bible->AddLookupField("BookName", TFieldType::ftString, 30, "BookID", books.get(), "ID",
                              "BookName");
        bible->AddCalcField("Citation", TFieldType::ftString, 40);
        bible->OnCalcFields = [this](TDataSet& ds) {
            ++calcs;
            ds.FieldByName("Citation")
                ->SetAsString(ds.FieldByName("BookName")->AsString() + ' ' +
                              ds.FieldByName("Chapter")->AsString() + ':' +
                              ds.FieldByName("Verse")->AsString());
        };
        bible->Open();
        source.SetDataSet(bible.get());
        QObject::connect(&source, &TDataSource::dataChange, [this] { ++notices; });
        model.SetColumns({{"Citation"}, {"Text", "Verse", Qt::AlignRight}});
        model.SetDataSource(&source);
    }
    QString cell(int row, int column) { return model.data(model.index(row, column)).toString(); }
};

TEST_F(TableEngineGridModel, PaintingReadsEveryRowWithoutMovingTheCursor) {
    bible->FindKey({2, 2, 2});
    const int before = notices;
    ASSERT_EQ(model.rowCount(), 30);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Verse");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight));
    // Rows in index order with their lookup and calculated fields.
    EXPECT_EQ(cell(0, 0), "Matthew 1:1");
    EXPECT_EQ(cell(4, 0), "Matthew 2:2");
    EXPECT_EQ(cell(10, 0), "Genesis 1:1");
    EXPECT_EQ(cell(29, 1), "Text 3 3:3");
    for (int r = 0; r < model.rowCount(); ++r)
        EXPECT_FALSE(cell(r, 0).isEmpty()) << r;
    EXPECT_EQ(model.FieldValue(12, "bookid").toInt(), 2); // any field, any case
    EXPECT_EQ(notices, before);
    EXPECT_EQ(bible->FieldByName("Citation")->AsString(), "Genesis 2:2");
    EXPECT_EQ(bible->RecNo(), 15);
    EXPECT_EQ(model.CurrentRow(), 14);
    EXPECT_EQ(model.headerData(14, Qt::Vertical).toString(), QString(u'\u25B6'));
    EXPECT_EQ(model.headerData(13, Qt::Vertical).toString().trimmed(), QString());
}

TEST_F(TableEngineGridModel, AColumnGivesItsOwnRolesToEveryRowWithoutReadingIt) {
    TGridColumn citation("Citation");
    citation.Roles.insert(Qt::BackgroundRole, 0xC0DCC0);
    citation.Roles.insert(Qt::FontRole, QStringLiteral("Courier New"));
    model.SetColumns({citation, {"Text"}});
    const int before = calcs;
    for (int row : {0, 29}) {
        EXPECT_EQ(model.data(model.index(row, 0), Qt::BackgroundRole), QVariant(0xC0DCC0)) << row;
        EXPECT_EQ(model.data(model.index(row, 0), Qt::FontRole), QVariant("Courier New")) << row;
        EXPECT_FALSE(model.data(model.index(row, 0), Qt::ForegroundRole).isValid()) << row;
        EXPECT_FALSE(model.data(model.index(row, 1), Qt::BackgroundRole).isValid()) << row;
    }
    EXPECT_EQ(calcs, before);
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::BackgroundRole).isValid());
    EXPECT_EQ(cell(29, 0), "Psalms 3:3");
}

TEST_F(TableEngineGridModel, ASecondPaintUsesTheReadBlock) {
    for (int r = 0; r < 30; ++r)
        cell(r, 0);
    const int first = calcs;
    for (int r = 0; r < 30; ++r)
        cell(r, 1);
    EXPECT_EQ(calcs, first);
}

TEST_F(TableEngineGridModel, SelectionMovesTheCursorAndTheCursorMovesTheSelection) {
    QItemSelectionModel selection(&model);
    model.FollowSelection(&selection);
    EXPECT_EQ(selection.currentIndex().row(), 0);
    QList<int> moves;
    QObject::connect(&model, &TGridModel::CurrentRowChanged, [&](int r) { moves << r; });

    const int before = notices;
    selection.setCurrentIndex(model.index(7, 1), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(notices, before + 1);
    EXPECT_EQ(bible->RecNo(), 8);
    EXPECT_EQ(bible->FieldByName("Citation")->AsString(), "Matthew 3:1");

    bible->Last(); // the dataset moves by itself: the view follows
    EXPECT_EQ(selection.currentIndex().row(), 29);
    EXPECT_EQ(notices, before + 2);
    EXPECT_EQ(moves, (QList<int>{7, 29}));
}

TEST_F(TableEngineGridModel, AFailedMoveGoesToTheErrorHandler) {
    QItemSelectionModel selection(&model);
    model.FollowSelection(&selection);
    QObject::connect(&source, &TDataSource::dataChange, [this] {
        if (bible->RecNo() == 5)
            throw EDatabaseError("Verse Not Found");
    });
    QStringList errors;
    model.OnError = [&](const std::exception& e) { errors << e.what(); };
    selection.setCurrentIndex(model.index(4, 0), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(errors, QStringList{"Verse Not Found"});
    EXPECT_EQ(selection.currentIndex().row(), bible->RecNo() - 1);
}

TEST_F(TableEngineGridModel, FollowsFilterRangeRefreshAndClose) {
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    bible->SetRange({3}, {3});
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(cell(0, 0), "Psalms 1:1");
    bible->SetFilter("Chapter = 2");
    bible->SetFiltered(true);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(cell(3, 0), "Psalms 2:4");
    bible->Next(); // a move alone keeps the rows
    EXPECT_EQ(resets, 2);
    bible->Refresh();
    EXPECT_EQ(resets, 3);
    bible->Close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.CurrentRow(), -1);
    bible->Open();
    EXPECT_EQ(model.rowCount(), 4);

    TDataSource other;
    model.SetDataSource(&other);
    EXPECT_EQ(model.rowCount(), 0);
    other.SetDataSet(books.get());
    EXPECT_EQ(model.rowCount(), 3);
}

TEST_F(TableEngineGridModel, WithoutColumnsEveryFieldIsShown) {
    model.SetColumns({});
    EXPECT_EQ(model.columnCount(), 7);
    EXPECT_EQ(model.headerData(6, Qt::Horizontal).toString(), "Citation");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::EditRole).toInt(),
              11); // Matthew's verses came second
}

TEST_F(TableEngineGridModel, ShowsTheAppendedRowsOfAWritableTable) {
    TTable results;
    results.SetDatabaseName(kAlias);
    results.SetTableName("SRN.DB");
    results.SetExclusive(true);
    results.Open();
    TDataSource rs;
    rs.SetDataSet(&results);
    model.SetColumns({{"VerseID"}});
    model.SetDataSource(&rs);
    results.EmptyTable();
    EXPECT_EQ(model.rowCount(), 0);
    for (int v : {4, 8, 15}) {
        results.Append();
        results.FieldByName("VerseID")->SetAsInteger(v);
        results.Post();
    }
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(cell(2, 0), "15");
    EXPECT_EQ(model.CurrentRow(), 2);
}

} // namespace
