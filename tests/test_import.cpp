// Backlink import: CSV fields, domains, the presets, configuring an unknown layout, STOP, failures.
#include "import/CsvReader.h"
#include "import/Domains.h"
#include "import/TfrmImport.h"
#include "import/TfrmImportConfig.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>

namespace {
QString fixture(const char* name) { return QStringLiteral(VANTOREL_FIXTURES "/import/") + QString::fromUtf8(name); }
} // namespace

TEST(Csv, FieldsAreReadAsStandardCsv) {
    const struct {
        const char* line;
        QStringList fields;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"\"x, y\",z", {"x, y", "z"}},
        {"\"a\"\"b\",c", {"a\"b", "c"}},
        {",,", {"", "", ""}},
        {"\"\",x", {"", "x"}},
        {"\"quoted\" tail,x", {"quoted tail", "x"}},
        {"  spaced  ,x", {"  spaced  ", "x"}},
        {"ab\"cd\",e", {"ab\"cd\"", "e"}},
        {"\"line\nbreak\",x", {"line\nbreak", "x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvReader::splitRecord(QString::fromUtf8(c.line)), c.fields) << c.line;
}

TEST(Csv, RecordsGoOnOverLineBreaksInsideQuotes) {
    const QString text = QStringLiteral("h1,h2\r\n\"note\r\nmore\",2\n3,4\r5,6\r\n");
    CsvReader r(text);
    ASSERT_EQ(r.scan(), 4);
    EXPECT_EQ(r.fields(1), (QStringList{"note\r\nmore", "2"}));
    EXPECT_EQ(r.fields(2), (QStringList{"3", "4"}));
    EXPECT_EQ(r.fields(3), (QStringList{"5", "6"}));
    const QString longLine = QString(5000, QLatin1Char('x')) + QStringLiteral(",last");
    EXPECT_EQ(CsvReader::splitRecord(longLine).last(), QStringLiteral("last"));
}

TEST(Csv, ByteOrderMarksAndTrimming) {
    EXPECT_EQ(decodeReport(QByteArray("\xEF\xBB\xBF" "abc")), QStringLiteral("abc"));
    EXPECT_EQ(decodeReport(QByteArray("\xFF\xFE" "a\0b\0", 6)), QStringLiteral("ab"));
    EXPECT_EQ(decodeReport(QByteArray("caf\xE9")), QStringLiteral("caf\u00e9")); // not UTF-8: Latin-1
    EXPECT_EQ(trimControl(u"  \t\"a\", \"b\"\x01 "), QStringLiteral("\"a\", \"b\""));
}

TEST(Domains, ExtractAndWwwVariants) {
    const QStringList cases[] = {
        {"example.org", "example.org"},
        {"http://www3.Example.org/path/x", "www.example.org"},
        {"www2.example.org", "www.example.org"},
        {"www-old.example.org", "www.example.org"},
        {"wwwexample.org", "wwwexample.org"},
        {"www2.org", "www2.org"},
        {"www.example.org", "www.example.org"},
        {"https://user@host.example:8080/x?y", "user@host.example:8080"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractDomain(c[0]), c[1]) << c[0].toStdString();
    EXPECT_EQ(CheckWWWVariations(QStringLiteral("www.example.org")), QStringLiteral("example.org"));
    EXPECT_EQ(CheckWWWVariations(QStringLiteral("example.org")), QStringLiteral("www.example.org"));
}

class Import : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUpQuietly();
    }
    TfrmImport* win() const { return forms().frmImport; }
    bool ended() const { return win()->cxDone->isVisibleTo(win()); }
    // Imports the files one after another in one opening of the window, then presses "Done".
    void importFiles(const QStringList& files, const std::function<void()>& atEnd = {}) {
        for (const QString& f : files)
            ui.nextFileName(f);
        ui.onModal(QStringLiteral("frmImport"), [this, files, atEnd](QDialog*) {
            for (int i = 0; i < files.size(); ++i) {
                ASSERT_TRUE(waitFor([this] { return ended() || !win()->isVisible(); }));
                if (!win()->isVisible())
                    return;
                if (i + 1 < files.size())
                    win()->cxImportAnother->click();
            }
            if (atEnd)
                atEnd();
            win()->cxDone->click();
        });
        main()->dxImportBacklinksClick();
    }
    qint64 idOf(const QString& domain) {
        auto t = campaign().RunQuery(QStringLiteral("SELECT ID FROM links WHERE SourceDomain = ?"), {domain});
        return t->RowCount() ? t->FieldInteger(QStringLiteral("ID")) : -1;
    }
    void expectCounters(qint64 processed, qint64 duplicates, qint64 added) {
        EXPECT_EQ(win()->processed(), processed);
        EXPECT_EQ(win()->duplicates(), duplicates);
        EXPECT_EQ(win()->added(), added);
    }
};

TEST_F(Import, SeoProfilerReportStoresOneLowerCasedRecordPerDomain) {
    importFiles({fixture("seo_profiler.csv")});
    expectCounters(3, 1, 2);
    EXPECT_EQ(win()->labNew->text(), QStringLiteral("2"));
    EXPECT_EQ(win()->labConfig->text(), QStringLiteral("SEO Profiler"));
    const qint64 blog = idOf(QStringLiteral("blog.example.org"));
    ASSERT_GT(blog, 0);
    EXPECT_EQ(field(blog, QStringLiteral("SourceURL")), QStringLiteral("http://blog.example.org/post"));
    EXPECT_EQ(field(blog, QStringLiteral("AnchorText")), QStringLiteral("hello world"));
    EXPECT_EQ(field(blog, QStringLiteral("LinkAge")), QStringLiteral("120"));
    EXPECT_EQ(field(blog, QStringLiteral("FlagMetaNoFollow")), QStringLiteral("y"));
    EXPECT_EQ(field(blog, QStringLiteral("FlagRefNoReferrer")), QStringLiteral("n"));
    for (const auto& [col, value] : std::vector<std::pair<QString, QString>>{{"Category", "1"},
                                                                              {"Alexa", "50000001"},
                                                                              {"Backlinks", "-1"},
                                                                              {"FoundKeyText", "-1"},
                                                                              {"Notes", ""},
                                                                              {"Description", ""}})
        EXPECT_EQ(field(blog, col), value) << col.toStdString();
    // An empty domain column takes the domain from the URL.
    const qint64 news = idOf(QStringLiteral("news.example.com"));
    ASSERT_GT(news, 0);
    EXPECT_EQ(field(news, QStringLiteral("AnchorText")), QStringLiteral("comma, inside"));
    // The window closed: the list is refreshed and the first site shown.
    EXPECT_EQ(main()->TotalRecordCount, 2);
    EXPECT_EQ(listedDomains().size(), 2);
    EXPECT_EQ(main()->selectedSite(), 0);
    EXPECT_TRUE(main()->isDirty());
}

TEST_F(Import, PresetsAreRecognisedWithOrWithoutQuotesAndByteOrderMarks) {
    const struct {
        const char* file;
        const char* config;
        qint64 processed, duplicates, added;
    } cases[] = {
        {"opportunities.csv", "SEO Profiler - Opportunities", 1, 0, 1},
        {"majestic_bom.csv", "Majestic SEO", 3, 1, 2},
        {"majestic_utf16.csv", "Majestic SEO", 3, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        importFiles({fixture(c.file)});
        EXPECT_EQ(win()->labConfig->text(), QString::fromUtf8(c.config));
        expectCounters(c.processed, c.duplicates, c.added);
    }
    EXPECT_GT(idOf(QStringLiteral("www.majestic.example")), 0);
    EXPECT_GT(idOf(QStringLiteral("wwwexample.org")), 0);
    EXPECT_EQ(idOf(QStringLiteral("majestic.example")), -1);
    const qint64 opp = idOf(QStringLiteral("opp.example.net"));
    EXPECT_EQ(field(opp, QStringLiteral("LinkAge")), QString());
    EXPECT_EQ(field(opp, QStringLiteral("FlagMetaNoIndex")), QStringLiteral("n"));
}

TEST_F(Import, DuplicatesAcrossImportAnotherAndAgainstTheCampaignInOtherCase) {
    addLink(QStringLiteral("NEWS.Example.com"));
    importFiles({fixture("seo_profiler.csv"), fixture("seo_profiler.csv")});
    expectCounters(3, 3, 0); // the second file: everything known already
    EXPECT_EQ(main()->countRecords(), 2);
}

TEST_F(Import, EmptyFilesAndHeaders) {
    writeFile(path(QStringLiteral("empty.csv")), "");
    writeFile(path(QStringLiteral("blank.csv")), "   \r\nx,y\r\n");
    writeFile(path(QStringLiteral("header.csv")), "\"found_date\",\"source_url\"\r\n");
    ui.answer(false);
    importFiles({path(QStringLiteral("empty.csv")), path(QStringLiteral("blank.csv")), path(QStringLiteral("header.csv"))});
    EXPECT_EQ(ui.takeTexts(), (QStringList{"File is empty, please try another", "File Header is empty, please try another",
                                           "Unable to identify file type, configure?"}));
    expectCounters(0, 0, 0);
}

TEST_F(Import, UnreadableFileClosesTheWindow) {
    ui.nextFileName(dir.path()); // a folder cannot be read as a file
    main()->dxImportBacklinksClick();
    EXPECT_EQ(ui.takeTexts(),
              QStringList{"Error Reading File - please ensure it is not open in another application (e.g. Excel)"});
}

TEST_F(Import, UnknownLayoutIsConfiguredThenImported) {
    writeFile(path(QStringLiteral("own.csv")), "Link,Where,Text\r\nhttp://Own.example/a,here,Anchor\r\n,no url,x\r\n");
    ui.answer(true);
    ui.onModal(QStringLiteral("frmImportConfig"), [this](QDialog*) {
        TfrmImportConfig* cfg = forms().frmImportConfig;
        EXPECT_TRUE(cfg->importMode());
        EXPECT_EQ(cfg->txtIdentifier->text(), QStringLiteral("Link,Where,Text"));
        cfg->txtName->setText(QStringLiteral("Own layout"));
        cfg->cboCols[1]->setCurrentIndex(1); // A: source URL
        cfg->cboCols[4]->setCurrentIndex(3); // C: anchor text
        cfg->cxSave->click();
    });
    importFiles({path(QStringLiteral("own.csv"))});
    EXPECT_EQ(ui.takeTexts(), QStringList{"Unable to identify file type, configure?"});
    expectCounters(2, 1, 1); // a line without a URL has no domain
    EXPECT_EQ(win()->labConfig->text(), QStringLiteral("Own layout"));
    EXPECT_EQ(field(idOf(QStringLiteral("own.example")), QStringLiteral("AnchorText")), QStringLiteral("anchor"));
}

TEST_F(Import, StopKeepsTheRecordsSoFar) {
    QByteArray csv = "\"Target URL\",\"Target ACRank\",\"Source URL\",\"Source ACRank\",\"Anchor Text\",\"Source Crawl "
                     "Date\",\"FlagNoFollow\",\"FlagImageLink\",\"FlagRedirect\",\"FlagFrame\",\"FlagOldCrawl\","
                     "\"FlagAltText\",\"FlagMention\"\r\n";
    for (int i = 0; i < 60000; ++i)
        csv += "t,1,http://s" + QByteArray::number(i) + ".example/,1,a,d,,,,,,,\r\n";
    writeFile(path(QStringLiteral("big.csv")), csv);
    ui.nextFileName(path(QStringLiteral("big.csv")));
    ui.answer(true);
    // The user presses STOP while the rows are being read: a timer fires among the window's events.
    QTimer stopper;
    stopper.setInterval(5);
    QObject::connect(&stopper, &QTimer::timeout, [this, &stopper] {
        if (win()->cxSTOP->isVisibleTo(win()) && win()->processed() > 0) {
            stopper.stop();
            win()->cxSTOP->click();
        }
    });
    stopper.start();
    ui.onModal([this](QDialog*) {
        ASSERT_TRUE(waitFor([this] { return ended(); }));
        win()->cxDone->click();
    });
    main()->dxImportBacklinksClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{"Are you sure you want to abandon import?"});
    EXPECT_GT(win()->processed(), 0);
    EXPECT_LT(win()->processed(), 60000);
    EXPECT_EQ(main()->countRecords(), win()->added());
    EXPECT_EQ(win()->labProcessed->text(), QLocale().toString(win()->processed()));
}

TEST_F(Import, AFailingInsertKeepsEarlierRecordsAndHalts) {
    campaign().RunStatement(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON links WHEN NEW.SourceDomain = "
                                           "'news.example.com' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    ui.nextFileName(fixture("seo_profiler.csv"));
    ui.onModal([this](QDialog* d) {
        ASSERT_TRUE(waitFor([this] { return !ui.pending().empty(); }));
        EXPECT_FALSE(ended());
        EXPECT_TRUE(win()->cxSTOP->isVisibleTo(win()));
        d->close();
    });
    main()->dxImportBacklinksClick();
    const QStringList shown = ui.takeTexts();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Error writing to Database - please contact tech support.\r\n")));
    EXPECT_EQ(main()->countRecords(), 1);
    expectCounters(2, 1, 1);
}

TEST_F(Import, BadStoredColumnNumbersGoToTheGeneralErrorBox) {
    main()->managementDb()->RunStatement(QStringLiteral("UPDATE importConfigs SET Col4 = 'x' WHERE ID = 2"));
    ui.nextFileName(fixture("opportunities.csv"));
    ui.onModal([this](QDialog* d) {
        ASSERT_TRUE(waitFor([this] { return !ui.pending().empty(); }));
        d->close();
    });
    main()->dxImportBacklinksClick();
    auto shown = ui.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(shown[0].text, QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(main()->countRecords(), 0);
}

class ImportConfigs : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUp();
    }
    TfrmImportConfig* cfg() const { return forms().frmImportConfig; }
    bool shown(QWidget* w) const { return w->isVisibleTo(cfg()); }
};

TEST_F(ImportConfigs, LookupRules) {
    const QString quoted = QStringLiteral("\"Target URL\",\"Target ACRank\",\"Source URL\",\"Source ACRank\",\"Anchor Text\","
                                          "\"Source Crawl Date\",\"FlagNoFollow\",\"FlagImageLink\",\"FlagRedirect\","
                                          "\"FlagFrame\",\"FlagOldCrawl\",\"FlagAltText\",\"FlagMention\"");
    QString plain = quoted;
    plain.remove(QLatin1Char('"'));
    EXPECT_TRUE(cfg()->LookupType(quoted));
    EXPECT_TRUE(cfg()->LookupType(plain));
    EXPECT_EQ(cfg()->currentConfig().name, QStringLiteral("Majestic SEO"));
    EXPECT_FALSE(cfg()->LookupType(plain.toLower()));
    EXPECT_FALSE(cfg()->LookupType(QString(plain).replace(QStringLiteral(","), QStringLiteral(", "))));
    main()->managementDb()->RunStatement(QStringLiteral("INSERT INTO importConfigs (Name, Identifier, Col1, Col2, Col3, Col4, "
                                                        "Col5, Col6, Col7, Col8, Col9, Col10) VALUES ('Later', ?, "
                                                        "9,9,9,9,9,9,9,9,9,9)"),
                                         {quoted});
    EXPECT_TRUE(cfg()->LookupType(quoted));
    EXPECT_EQ(cfg()->currentConfig().name, QStringLiteral("Majestic SEO"));
}

TEST_F(ImportConfigs, EditorStatesValidationAndQuestions) {
    ui.onModal([this](QDialog* d) {
        EXPECT_EQ(cfg()->lstConfigs->count(), 4);
        EXPECT_FALSE(shown(cfg()->cxEdit));
        EXPECT_FALSE(shown(cfg()->panEdit));
        cfg()->cxNewClick();
        EXPECT_FALSE(cfg()->lstConfigs->isEnabled());
        EXPECT_FALSE(shown(cfg()->cxNew));
        EXPECT_TRUE(shown(cfg()->cxSave));
        cfg()->cxSaveClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Please correct the following error(s)\r\n* Name required\r\n* Source URL OR "
                                              "Source Domain required\r\n"});
        cfg()->txtName->setText(QStringLiteral("Mine \"quoted\" ID"));
        cfg()->cboCols[2]->setCurrentIndex(52); // AZ
        cfg()->cxSaveClick();
        EXPECT_EQ(cfg()->mode(), TfrmImportConfig::Mode::Browse);
        EXPECT_EQ(cfg()->lstConfigs->currentItem()->text(), QStringLiteral("Mine \"quoted\" ID"));
        EXPECT_TRUE(shown(cfg()->cxEdit));
        EXPECT_TRUE(shown(cfg()->cxDelete));
        // Rename: stays where it stood.
        const int row = cfg()->lstConfigs->currentRow();
        cfg()->cxEditClick();
        cfg()->txtName->setText(QStringLiteral("zzz last by name"));
        cfg()->cxSaveClick();
        EXPECT_EQ(cfg()->lstConfigs->item(row)->text(), QStringLiteral("zzz last by name"));
        // Cancel: No keeps editing, Yes returns.
        cfg()->cxEditClick();
        ui.answer(false);
        cfg()->cxCancelClick();
        EXPECT_EQ(cfg()->mode(), TfrmImportConfig::Mode::Edit);
        ui.answer(true);
        cfg()->cxCancelClick();
        EXPECT_EQ(ui.takeTexts(), (QStringList{"Are you sure that you want to abandon changes?",
                                               "Are you sure that you want to abandon changes?"}));
        EXPECT_EQ(cfg()->mode(), TfrmImportConfig::Mode::Browse);
        // Delete.
        cfg()->lstConfigs->setCurrentRow(row);
        ui.answer(true);
        cfg()->cxDeleteClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Are you sure that you want to delete zzz last by name?"});
        EXPECT_EQ(cfg()->lstConfigs->count(), 4);
        EXPECT_FALSE(shown(cfg()->cxEdit));
        d->close();
    });
    main()->dxFileConfigurationsClick();
    auto t = main()->managementDb()->RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM importConfigs WHERE Col3 = 51"));
    EXPECT_EQ(t->FieldInteger(QStringLiteral("n")), 0);
}

TEST_F(ImportConfigs, UseCodeRunsTheStatementAndEmptiesTheBox) {
    ui.onModal([this](QDialog* d) {
        cfg()->memCode->setPlainText(QStringLiteral("INSERT INTO importConfigs (Name,Identifier,Col1,Col2,Col3,Col4,Col5,"
                                                    "Col6,Col7,Col8,Col9,Col10) VALUES ('From support','a,b',-1,0,-1,-1,"
                                                    "-1,-1,-1,-1,-1,-1)"));
        cfg()->cxUseCodeClick();
        EXPECT_EQ(cfg()->lstConfigs->currentItem()->text(), QStringLiteral("From support"));
        EXPECT_EQ(cfg()->cboCols[1]->currentText(), QStringLiteral("A"));
        EXPECT_TRUE(cfg()->memCode->toPlainText().isEmpty());
        cfg()->memCode->setPlainText(QStringLiteral("not sql"));
        cfg()->cxUseCodeClick();
        const QStringList shownTexts = ui.takeTexts();
        ASSERT_EQ(shownTexts.size(), 1);
        EXPECT_TRUE(shownTexts[0].startsWith(QStringLiteral("Error using code - please check and try again.\r\n")));
        EXPECT_TRUE(cfg()->memCode->toPlainText().isEmpty());
        cfg()->supportLinkClick();
        d->close();
    });
    main()->dxFileConfigurationsClick();
    EXPECT_EQ(ui.opened, QStringList{QStringLiteral("mailto:") + TfrmImportConfig::supportAddress()});
}
