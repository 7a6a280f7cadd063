#pragma once
// Test base for code on the data module: builds the fixture database (with
// rows a test adds in AddRows), creates MainDM on it, opens the start-up
// tables and feeds the day state from plain fields.

#include "DMMain.h"
#include "FixtureDb.h"

#include <gtest/gtest.h>

#include <memory>

class TFixedDayState : public IDayStateSource {
public:
    int weekDay = 1;
    int gregorianYear = 2006;
    int WeekDay() const override { return weekDay; }
    int SelectedGregorianYear() const override { return gregorianYear; }
};

class MainDMTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Rows of the test's own, written before the database is committed.
    virtual void AddRows(TFixtureDatabase& /*db*/) {}
    // Whether the fixture's own rows are written.
    virtual bool StandardRows() const { return true; }
    // Whether SetUp opens the 28 start-up tables.
    virtual bool OpenTables() const { return true; }

    TMainDM& dm() { return *MainDM; }

    std::unique_ptr<TFixtureDatabase> db;
    TFixedDayState dayState;
};
