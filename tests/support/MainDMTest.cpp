#include "MainDMTest.h"

void MainDMTest::SetUp() {
    PsalmsBookID = 0;
    db = std::make_unique<TFixtureDatabase>(StandardRows());
    AddRows(*db);
    db->Finish();
    CreateMainDM();
    MainDM->SetDayStateSource(&dayState);
    if (OpenTables())
        MainDM->OpenStartupTables();
}

void MainDMTest::TearDown() {
    DestroyMainDM();
    Session.Reset();
    db.reset();
    PsalmsBookID = 0;
}
