// CSV export of filtered records, and the round trip through the import.
#include "export/TfrmExport.h"
#include "import/TfrmImport.h"
#include "support/AppFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class Export : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUp();
    }
    TfrmExport* win() const { return forms().frmExport; }
    void tick(const QStringList& ids) {
        for (int i = 0; i < win()->chkCategories->count(); ++i)
            win()->chkCategories->item(i)->setCheckState(ids.contains(win()->lstCategoryIDs[i]) ? Qt::Checked : Qt::Unchecked);
    }
    QStringList ticked() const {
        QStringList out;
        for (int i = 0; i < win()->chkCategories->count(); ++i)
            if (win()->chkCategories->item(i)->checkState() == Qt::Checked)
                out << win()->lstCategoryIDs[i];
        return out;
    }
    void open(const std::function<void()>& script) {
        ui.onModal(QStringLiteral("frmExport"), [this, script](QDialog*) {
            script();
            if (win()->isVisible())
                win()->cxDoneClick();
        });
        main()->dxExportClick();
    }
};

TEST_F(Export, FileLayoutEscapingAndTranslations) {
    const qint64 id = addLink(QStringLiteral("quote.example"), 5, 50000001, -1);
    campaign().RunStatement(QStringLiteral("UPDATE links SET Notes = ?, Description = ?, LiveURL = NULL WHERE ID = ") +
                                QString::number(id),
                            {QStringLiteral("say \"hi\"\r\nit's, fine"), QStringLiteral("")});
    addLink(QStringLiteral("ranked.example"), 1, 50000000, 1);
    addLink(QStringLiteral("other.example"), 1, 321, -2);
    addLink(QStringLiteral("odd.example"), 1, 322, 0);
    open([this] {
        tick({});
        EXPECT_EQ(win()->labMatching->text(), QStringLiteral("4"));
        ui.nextFileName(path(QStringLiteral("out")));
        win()->cxExportClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"4 records exported to file."});
        EXPECT_TRUE(win()->isVisible());
    });
    const QString text = QString::fromUtf8(readFile(path(QStringLiteral("out.csv"))));
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], TfrmExport::headerLine());
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\"DateLinkFound\",")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",\"FoundKeyText\"")));
    EXPECT_EQ(lines[1], QStringLiteral("\"2012-01-01\",\"http://quote.example/page\",\"quote.example\",\"http://mine.example/\","
                                       "\"anchor\",\"10\",\"n\",\"y\",\"\",\"maybe\",\"5\",\"say \"\"hi\"\""));
    EXPECT_EQ(lines[2], QStringLiteral("it's, fine\",\"\",\"Not Checked\",\"-1\",\"\",\"\",\"\",\"Not Checked\""));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(",\"1\",\"\",\"\",\"0\",\"-1\",\"\",\"\",\"\",\"Found\"")));
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("\"321\",\"-1\",\"\",\"\",\"\",\"Unable to View\"")));
    EXPECT_TRUE(lines[5].endsWith(QStringLiteral("\"Not Found\"")));
    EXPECT_EQ(EscapeStringCSV(QString()), QStringLiteral("\"\""));
}

TEST_F(Export, FilterStatementsAndCounts) {
    addLink(QStringLiteral("a.example"), 1, 50000001, 1);
    addLink(QStringLiteral("b.example"), 7, 50000001, 1);
    addLink(QStringLiteral("c.example"), 99, 50000001, 0);
    open([this] {
        EXPECT_EQ(ticked(), QStringList{"1"});
        EXPECT_EQ(win()->generateFilterSQL(true), QStringLiteral("SELECT COUNT(*) AS Num FROM links  WHERE Category IN (1) "));
        EXPECT_EQ(win()->labMatching->text(), QStringLiteral("1"));
        tick({});
        EXPECT_EQ(win()->generateFilterSQL(false), QStringLiteral("SELECT * FROM links "));
        EXPECT_EQ(win()->labMatching->text(), QStringLiteral("3"));
        win()->chkSubmittable->click();
        EXPECT_EQ(win()->generateFilterSQL(true), QStringLiteral("SELECT COUNT(*) AS Num FROM links  WHERE FoundKeyText = 1"));
        EXPECT_EQ(win()->labMatching->text(), QStringLiteral("2"));
        tick({QStringLiteral("7")});
        EXPECT_EQ(win()->generateFilterSQL(true),
                  QStringLiteral("SELECT COUNT(*) AS Num FROM links  WHERE Category IN (7)  AND FoundKeyText = 1"));
        ui.nextFileName(path(QStringLiteral("one.csv")));
        win()->cxExportClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"1 record exported to file."});
        tick({QStringLiteral("3")});
        win()->cxExportClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"No matching records!"});
    });
    // Every opening ticks only ID 1; the tick box keeps its state.
    open([this] {
        EXPECT_EQ(ticked(), QStringList{"1"});
        EXPECT_TRUE(win()->chkSubmittable->isChecked());
    });
}

TEST_F(Export, LargeCountsUseTheThousandsSeparator) {
    campaign().BeginTransaction();
    for (int i = 0; i < 1234; ++i)
        addLink(QStringLiteral("s%1.example").arg(i));
    campaign().Commit();
    open([this] {
        EXPECT_EQ(win()->labMatching->text(), QStringLiteral("1,234"));
        ui.nextFileName(path(QStringLiteral("many.csv")));
        win()->cxExportClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"1,234 records exported to file."});
    });
}

TEST_F(Export, OverwriteNoAndReadOnlyTargetLeaveTheFileAlone) {
    addLink(QStringLiteral("a.example"));
    writeFile(path(QStringLiteral("old.csv")), "old content");
    open([this] {
        ui.nextFileName(path(QStringLiteral("old.csv")));
        ui.answer(false);
        win()->cxExportClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Overwrite ") + path(QStringLiteral("old.csv")) + QStringLiteral("?")});
        EXPECT_TRUE(win()->isVisible());
        QFile::setPermissions(path(QStringLiteral("old.csv")), QFile::ReadOwner | QFile::ReadUser);
        ui.nextFileName(path(QStringLiteral("old.csv")));
        ui.answer(true);
        win()->cxExportClick();
        EXPECT_EQ(ui.takeTexts(), (QStringList{QStringLiteral("Overwrite ") + path(QStringLiteral("old.csv")) + QStringLiteral("?"),
                                               QStringLiteral("Unable to Write to File - please check File Permissions.")}));
        EXPECT_FALSE(win()->isVisible());
    });
    EXPECT_EQ(readFile(path(QStringLiteral("old.csv"))), QByteArray("old content"));
}

TEST_F(Export, ExportedFileImportsIntoANewCampaign) {
    const qint64 id = addLink(QStringLiteral("round.example"));
    campaign().RunStatement(QStringLiteral("UPDATE links SET AnchorText = ?, Notes = ? WHERE ID = ") + QString::number(id),
                            {QStringLiteral("with \"quotes\", commas"), QStringLiteral("two\r\nlines")});
    addLink(QStringLiteral("second.example"));
    auto before = campaign().RunQuery(QStringLiteral("SELECT * FROM links ORDER BY ID"));
    open([this] {
        ui.nextFileName(path(QStringLiteral("trip.csv")));
        win()->cxExportClick();
        ui.take();
    });
    main()->dxNewProjectClick(true);
    ui.nextFileName(path(QStringLiteral("trip.csv")));
    ui.onModal(QStringLiteral("frmImport"), [](QDialog*) {
        TfrmImport* w = forms().frmImport;
        ASSERT_TRUE(waitFor([w] { return w->cxDone->isVisibleTo(w); }));
        EXPECT_EQ(w->added(), 2);
        w->cxDoneClick();
    });
    main()->dxImportBacklinksClick();
    auto after = campaign().RunQuery(QStringLiteral("SELECT * FROM links ORDER BY ID"));
    ASSERT_EQ(after->RowCount(), 2);
    const QStringList first10 = {"DateLinkFound", "SourceURL",        "SourceDomain",    "DestinationURL",  "AnchorText",
                                 "LinkAge",       "FlagMetaNoFollow", "FlagMetaNoIndex", "FlagRelNoFollow", "FlagRefNoReferrer"};
    for (int r = 0; r < 2; ++r) {
        for (const QString& c : first10)
            EXPECT_EQ(after->FieldText(c), before->FieldText(c)) << c.toStdString();
        EXPECT_EQ(after->FieldText(QStringLiteral("Notes")), QString()); // import defaults for the rest
        before->NextRow();
        after->NextRow();
    }
}
