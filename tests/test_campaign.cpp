// Campaigns: the working copy, New, Save, Save As, Open and the recent list.
#include "platform/Ribbon.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>

class Campaigns : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUp();
    }
    QString vtc(const QString& name) { return path(name + QStringLiteral(".vtc")); }
    void dirty() {
        addLink(QStringLiteral("a.example"));
        main()->SetDirty();
    }
    // Saves under a new name, answering the dialog.
    void saveAs(const QString& file) {
        ui.nextFileName(file);
        main()->dxSaveProjectAsClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Campaign Saved!")});
    }
};

TEST_F(Campaigns, ModifiedFlagDrivesStatusBarAndSaveCommands) {
    EXPECT_FALSE(main()->dxSaveProject->isEnabled());
    dirty();
    EXPECT_EQ(main()->panModified->text(), QStringLiteral("Modified"));
    EXPECT_TRUE(main()->dxSaveProject->isEnabled());
    EXPECT_TRUE(main()->dxSaveProjectAs->isEnabled());
    main()->SetClean();
    EXPECT_TRUE(main()->panModified->text().isEmpty());
    EXPECT_FALSE(main()->dxSaveProjectAs->isEnabled());
}

TEST_F(Campaigns, NewCampaignOffersToSaveThenDropsLinksAndKeepsClipboard) {
    campaign().RunStatement(QStringLiteral("CREATE TABLE clipboard ([ID] INTEGER PRIMARY KEY,[Title],[Data])"));
    campaign().RunStatement(QStringLiteral("INSERT INTO clipboard (Title, Data) VALUES ('t','d')"));
    dirty();
    refresh();
    ui.answer(false);
    main()->dxNewProjectClick(false);
    EXPECT_EQ(ui.takeTexts(), (QStringList{QStringLiteral("Save Changes to Active Campaign?"),
                                           QStringLiteral("New Campaign Created")}));
    EXPECT_EQ(main()->countRecords(), 0);
    EXPECT_TRUE(listedDomains().isEmpty());
    EXPECT_EQ(main()->panRecordCount->text(), QStringLiteral("0 Domains"));
    EXPECT_FALSE(main()->isDirty());
    EXPECT_TRUE(main()->panFileName->text().isEmpty());
    EXPECT_FALSE(main()->dxBrowse->isEnabled());
    EXPECT_EQ(campaign().RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM clipboard"))->FieldInteger(QStringLiteral("n")), 1);
}

TEST_F(Campaigns, NewCampaignWithoutWorkingCopyCreatesIt) {
    destroyForms();
    QFile::remove(path(QStringLiteral("temp1.db")));
    createForms();
    startUp();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("temp1.db"))));
    EXPECT_TRUE(campaign().HasTable(QStringLiteral("links")));
    const QStringList indexes = {QStringLiteral("linksDomain"), QStringLiteral("linksCategory"),
                                 QStringLiteral("linksAlexa"), QStringLiteral("linksFoundKeyText")};
    auto t = campaign().RunQuery(QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' ORDER BY rowid"));
    QStringList names;
    for (int i = 0; i < t->RowCount(); ++i, t->NextRow())
        names << t->FieldText(QStringLiteral("name"));
    EXPECT_EQ(names, indexes);
}

TEST_F(Campaigns, FirstSaveAsksForANameAndAddsTheExtension) {
    dirty();
    saveAs(path(QStringLiteral("alpha")));
    EXPECT_EQ(ui.fileTitles, QStringList{QStringLiteral("Save Campaign")});
    EXPECT_EQ(ui.fileFilters, QStringList{QStringLiteral("Vantorel Campaigns (*.vtc)")});
    EXPECT_TRUE(QFile::exists(vtc(QStringLiteral("alpha"))));
    EXPECT_EQ(readFile(vtc(QStringLiteral("alpha"))), readFile(path(QStringLiteral("temp1.db"))));
    EXPECT_FALSE(main()->isDirty());
    EXPECT_EQ(main()->panFileName->text(), vtc(QStringLiteral("alpha")));
    EXPECT_EQ(main()->lbMRU, QStringList{vtc(QStringLiteral("alpha"))});
}

TEST_F(Campaigns, SecondSaveAsksToOverwriteAndNoKeepsTheFlag) {
    dirty();
    saveAs(vtc(QStringLiteral("alpha")));
    const QByteArray before = readFile(vtc(QStringLiteral("alpha")));
    dirty();
    ui.answer(false);
    main()->dxSaveProjectClick();
    EXPECT_EQ(ui.takeTexts(),
              QStringList{QStringLiteral("Do you want to overwrite ") + vtc(QStringLiteral("alpha")) + QStringLiteral("?")});
    EXPECT_TRUE(main()->isDirty());
    EXPECT_EQ(readFile(vtc(QStringLiteral("alpha"))), before);
    ui.answer(true);
    main()->dxSaveProjectClick();
    EXPECT_EQ(ui.takeTexts().last(), QStringLiteral("Campaign Saved!"));
    EXPECT_FALSE(main()->isDirty());
}

TEST_F(Campaigns, FailedSavesLeaveTheOldFileByteForByte) {
    dirty();
    saveAs(vtc(QStringLiteral("keep")));
    const QByteArray before = readFile(vtc(QStringLiteral("keep")));
    dirty();
    // A read-only campaign file.
    QFile::setPermissions(vtc(QStringLiteral("keep")), QFile::ReadOwner | QFile::ReadUser);
    ui.answer(true);
    main()->SaveProjectFile(vtc(QStringLiteral("keep")));
    EXPECT_EQ(ui.takeTexts().last(), QStringLiteral("Error Saving File - please try again."));
    EXPECT_EQ(readFile(vtc(QStringLiteral("keep"))), before);
    EXPECT_TRUE(main()->isDirty());
    // A folder that cannot take the file (here a path through a plain file, which fails for
    // every user, the administrator included).
    writeFile(path(QStringLiteral("plain")), "x");
    main()->SaveProjectFile(path(QStringLiteral("plain/sub.vtc")));
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Error Saving File - please try again.")});
    EXPECT_TRUE(main()->isDirty());
    // No temporary file is left beside the target.
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files).size(), 1);
}

TEST_F(Campaigns, OpenReportsTheCountWithItsSingular) {
    const struct {
        int records;
        const char* text;
    } cases[] = {{0, "0 Domains"}, {1, "1 Domain"}, {1234, "1,234 Domains"}};
    for (const auto& c : cases) {
        main()->dxNewProjectClick(true);
        campaign().BeginTransaction();
        for (int i = 0; i < c.records; ++i)
            addLink(QStringLiteral("site%1.example").arg(i));
        campaign().Commit();
        main()->SetDirty();
        const QString file = vtc(QStringLiteral("c%1").arg(c.records));
        saveAs(file);
        main()->dxNewProjectClick(true);
        ui.nextFileName(file);
        main()->dxOpenProjectClick();
        EXPECT_EQ(ui.takeTexts(),
                  QStringList{QStringLiteral("Campaign Opened - Contains information on ") + QString::fromUtf8(c.text)});
        EXPECT_EQ(main()->TotalRecordCount, c.records);
        EXPECT_EQ(listedDomains().size(), c.records); // "Unreviewed" is ticked and every record is in it
        EXPECT_EQ(main()->panFileName->text(), file);
        EXPECT_EQ(main()->campaignFileName, file);
    }
    EXPECT_EQ(ui.fileTitles.last(), QStringLiteral("Open Campaign"));
}

TEST_F(Campaigns, RecentListOrderAndCaseInsensitiveDuplicates) {
    for (const char* n : {"one", "two", "three"}) {
        dirty();
        saveAs(vtc(QString::fromUtf8(n)));
    }
    EXPECT_EQ(main()->lbMRU, (QStringList{vtc("three"), vtc("two"), vtc("one")}));
    QString upper = vtc(QStringLiteral("one"));
    upper.replace(QStringLiteral("one.vtc"), QStringLiteral("ONE.vtc"));
    main()->lastCampaignPath = upper;
    main()->UpdateMRU();
    EXPECT_EQ(main()->lbMRU, (QStringList{upper, vtc("three"), vtc("two")}));
    EXPECT_EQ(main()->ribbon->applicationMenu()->recentItems(), main()->lbMRU);
    EXPECT_EQ(QString::fromUtf8(readFile(path(QStringLiteral("mru.txt")))),
              upper + QStringLiteral("\r\n") + vtc("three") + QStringLiteral("\r\n") + vtc("two") + QStringLiteral("\r\n"));
    // The list comes back at the next start.
    destroyForms();
    createForms();
    startUp();
    EXPECT_EQ(main()->ribbon->applicationMenu()->recentItems().size(), 3);
}

TEST_F(Campaigns, RecentEntryWhoseFileWasDeletedWarnsAndKeepsEverything) {
    dirty();
    saveAs(vtc(QStringLiteral("gone")));
    addLink(QStringLiteral("still.example"));
    QFile::remove(vtc(QStringLiteral("gone")));
    main()->dxBarApplicationMenu1ExtraPaneItemClick(0);
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Unable to open file ") + vtc(QStringLiteral("gone")) +
                                          QStringLiteral(" - please check file permissions")});
    EXPECT_EQ(main()->lbMRU.size(), 1);
    EXPECT_EQ(main()->countRecords(), 2);
}

TEST_F(Campaigns, OpeningAFileThatIsNoDatabaseLosesNothing) {
    addLink(QStringLiteral("keep.example"));
    writeFile(vtc(QStringLiteral("junk")), QByteArray(8192, 'j'));
    ui.nextFileName(vtc(QStringLiteral("junk")));
    main()->dxOpenProject->trigger();
    auto shown = ui.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(main()->countRecords(), 1);
    EXPECT_TRUE(main()->campaignFileName.isEmpty());
}

TEST_F(Campaigns, OpeningReplacesTheClipboardEntries) {
    campaign().RunStatement(QStringLiteral("CREATE TABLE clipboard ([ID] INTEGER PRIMARY KEY,[Title],[Data])"));
    campaign().RunStatement(QStringLiteral("INSERT INTO clipboard (Title, Data) VALUES ('mine','d')"));
    {
        auto other = TSQLiteDatabase::OpenDatabase(vtc(QStringLiteral("other")));
        other->RunStatement(QStringLiteral("CREATE TABLE clipboard ([ID] INTEGER PRIMARY KEY,[Title],[Data])"));
        other->RunStatement(QStringLiteral("INSERT INTO clipboard (Title, Data) VALUES ('theirs','x')"));
    }
    main()->OpenProjectFile(vtc(QStringLiteral("other")));
    ui.take();
    EXPECT_EQ(campaign().RunQuery(QStringLiteral("SELECT Title FROM clipboard"))->FieldText(QStringLiteral("Title")),
              QStringLiteral("theirs"));
    EXPECT_TRUE(campaign().HasTable(QStringLiteral("links"))); // a file without one gets it
}

TEST_F(Campaigns, ClosingWithChangesAsksAndNoClosesWithoutSaving) {
    dirty();
    ui.answer(false);
    main()->close();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Save Changes to Active Campaign?")});
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("settings.txt"))));
    EXPECT_FALSE(main()->isVisible());
}
