// The database layer and the management database.
#include "db/ManagementDb.h"
#include "db/SQLiteTable.h"
#include "support/AppFixture.h"

#include <QTemporaryDir>

namespace {

struct Db : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<TSQLiteDatabase> db = TSQLiteDatabase::OpenDatabase(dir.filePath(QStringLiteral("t.db")));
};

QString errorOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const ESQLiteException& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST_F(Db, BoundValuesThatSpellColumnNamesAreStoredAsTyped) {
    db->RunStatement(QStringLiteral("CREATE TABLE links (ID INTEGER PRIMARY KEY, Notes TEXT)"));
    for (const QString& v : {QStringLiteral("ID"), QStringLiteral("Notes"), QStringLiteral("say \"hi\" 'x'"),
                             QStringLiteral("line1\r\nline2")}) {
        db->RunStatement(QStringLiteral("INSERT INTO links (Notes) VALUES (?)"), {v});
        auto t = db->RunQuery(QStringLiteral("SELECT Notes FROM links WHERE ID = last_insert_rowid()"));
        EXPECT_EQ(t->FieldText(QStringLiteral("notes")), v);
    }
}

TEST_F(Db, ResultsReadNullsAndIntegersAsCallersExpect) {
    auto t = db->RunQuery(QStringLiteral("SELECT NULL AS a, 50000001 AS b, COUNT(*) AS Num"));
    EXPECT_EQ(t->FieldText(QStringLiteral("a")), QString());
    EXPECT_EQ(t->FieldText(QStringLiteral("B")), QStringLiteral("50000001"));
    EXPECT_EQ(t->FieldInteger(QStringLiteral("a")), 0);
    EXPECT_EQ(t->FieldInteger(QStringLiteral("num")), 1);
}

TEST_F(Db, FailuresCarryTheLayersMessages) {
    db->RunStatement(QStringLiteral("CREATE TABLE t (x UNIQUE)"));
    db->RunStatement(QStringLiteral("INSERT INTO t VALUES (1)"));
    auto empty = db->RunQuery(QStringLiteral("SELECT x FROM t WHERE x = 2"));
    auto one = db->RunQuery(QStringLiteral("SELECT x FROM t"));
    const struct {
        std::function<void()> run;
        QString expected;
    } cases[] = {
        {[&] { db->RunQuery(QStringLiteral("SELEC nonsense")); },
         QStringLiteral("Error executing SQL.\rError [1]: SQL error or missing database.\r\"SELEC nonsense\": near "
                        "\"SELEC\": syntax error")},
        {[&] { db->RunStatement(QStringLiteral("INSERT INTO t VALUES (1)")); },
         QStringLiteral("Error executing SQL statement.\rError [19]: Abort due to contraint violation.\r\"INSERT INTO t "
                        "VALUES (1)\": UNIQUE constraint failed: t.x")},
        {[&] { db->RunStatement(QStringLiteral("  ")); }, QStringLiteral("Could not prepare SQL statement")},
        {[&] { empty->FieldText(QStringLiteral("x")); }, QStringLiteral("Field x Not found. Empty dataset")},
        {[&] { one->FieldText(QStringLiteral("y")); }, QStringLiteral("Field not found in dataset: y")},
        {[&] { one->NextRow(); one->FieldText(QStringLiteral("x")); }, QStringLiteral("Table is at End of File")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.run), c.expected);
    auto text = db->RunQuery(QStringLiteral("SELECT 'abc' AS v"));
    EXPECT_EQ(errorOf([&] { text->FieldInteger(QStringLiteral("v")); }), QStringLiteral("Not an integer or numeric field"));
}

TEST_F(Db, HasTableIgnoresCase) {
    db->RunStatement(QStringLiteral("CREATE TABLE Categories (x)"));
    EXPECT_TRUE(db->HasTable(QStringLiteral("categories")));
    EXPECT_FALSE(db->HasTable(QStringLiteral("links")));
}

TEST_F(Db, OpeningAFolderFailsWithTheOpenMessage) {
    const QString msg = errorOf([&] { TSQLiteDatabase::OpenDatabase(dir.path()); });
    EXPECT_TRUE(msg.startsWith(QStringLiteral("Failed to open database \"") + dir.path() + QStringLiteral("\" : ")))
        << msg.toStdString();
}

class Management : public AppFixture {};

TEST_F(Management, FirstStartSeedsConfigurationsAndCategoriesInOrder) {
    std::unique_ptr<TSQLiteDatabase> db;
    ASSERT_TRUE(OpenOrCreateManagementDB(db));
    auto c = db->RunQuery(QStringLiteral("SELECT * FROM importConfigs ORDER BY ID"));
    ASSERT_EQ(c->RowCount(), 4);
    const QStringList names = {QStringLiteral("SEO Profiler"), QStringLiteral("SEO Profiler - Opportunities"),
                               QStringLiteral("Majestic SEO"), QStringLiteral("Vantorel")};
    const int cols[4][10] = {{0, 1, 2, 4, 6, 10, 15, 16, 18, 19},
                             {0, 1, 2, 4, 5, -1, 10, 11, 12, -1},
                             {5, 2, -1, 0, -1, -1, 6, -1, -1, -1},
                             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(c->FieldInteger(QStringLiteral("ID")), r + 1);
        EXPECT_EQ(c->FieldText(QStringLiteral("Name")), names[r]);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(c->FieldInteger(QStringLiteral("Col%1").arg(i + 1)), cols[r][i]) << r << " col " << i;
        if (r == 0) {
            EXPECT_TRUE(c->FieldText(QStringLiteral("Identifier"))
                            .startsWith(QStringLiteral("\"found_date\",\"source_url\",\"source_domain\"")));
            EXPECT_TRUE(c->FieldText(QStringLiteral("Identifier")).endsWith(QStringLiteral("\"flag_within_noscript\"")));
        }
        if (r == 3) {
            EXPECT_EQ(c->FieldText(QStringLiteral("Identifier")),
                      QStringLiteral("\"DateLinkFound\",\"SourceURL\",\"SourceDomain\",\"DestinationURL\",\"AnchorText\","
                                     "\"LinkAge\",\"FlagMetaNoFollow\",\"FlagMetaNoIndex\",\"FlagRelNoFollow\","
                                     "\"FlagRefNoReferrer\",\"Category\",\"Notes\",\"LiveURL\",\"Alexa\",\"Backlinks\","
                                     "\"Reach\",\"Delta\",\"Description\",\"FoundKeyText\""));
        }
        c->NextRow();
    }
    auto cats = db->RunQuery(QStringLiteral("SELECT * FROM categories ORDER BY ID"));
    ASSERT_EQ(cats->RowCount(), 14);
    EXPECT_EQ(cats->FieldText(QStringLiteral("Category")), QStringLiteral("Unreviewed"));
    for (int i = 0; i < 13; ++i)
        cats->NextRow();
    EXPECT_EQ(cats->FieldInteger(QStringLiteral("ID")), 14);
    EXPECT_EQ(cats->FieldText(QStringLiteral("Category")), QStringLiteral("Skip Site"));
}

TEST_F(Management, ExistingTablesAreNeverReseededAndMissingOnesAreAdded) {
    {
        auto db = TSQLiteDatabase::OpenDatabase(path(QStringLiteral("management.db")));
        db->RunStatement(QStringLiteral("CREATE TABLE importConfigs ([ID] INTEGER PRIMARY KEY, Name)"));
    }
    std::unique_ptr<TSQLiteDatabase> db;
    ASSERT_TRUE(OpenOrCreateManagementDB(db));
    EXPECT_EQ(db->RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM importConfigs"))->FieldInteger(QStringLiteral("n")), 0);
    EXPECT_EQ(db->RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM categories"))->FieldInteger(QStringLiteral("n")), 14);
}

TEST_F(Management, AFileThatIsNoDatabaseIsReportedAsAWriteFailure) {
    writeFile(path(QStringLiteral("management.db")), QByteArray(4096, 'x'));
    std::unique_ptr<TSQLiteDatabase> db;
    EXPECT_FALSE(OpenOrCreateManagementDB(db));
    const QStringList shown = ui.takeTexts();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(
        QStringLiteral("Error Writing to Management Database - please contact tech support.\r\n")));
}
