// Start-up, options, splash, layout, help commands and the general error box.
#include "app/Settings.h"
#include "app/TfrmSplash.h"
#include "platform/Platform.h"
#include "platform/Ribbon.h"
#include "platform/Skin.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

class Startup : public AppFixture {
protected:
    QStringList ticked() const { return main()->tickedCategoryIDs(); }
    QStringList settingsLines() {
        const QString text = QString::fromUtf8(readFile(path(QStringLiteral("settings.txt"))));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
};

TEST_F(Startup, FirstStartTakesTheDefaultsAndClosingWritesNineLinesPlusTicks) {
    startUp();
    EXPECT_EQ(main()->Tag, 1);
    EXPECT_FALSE(main()->chkSubmittable->isChecked());
    for (QCheckBox* c : {main()->chkAutoLaunch, main()->chkAutoNext, main()->cxWarn, main()->chkClipboard})
        EXPECT_TRUE(c->isChecked());
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(main()->chkCategories->count(), 14);
    EXPECT_EQ(main()->chkCategories->item(0)->text(), QStringLiteral("Abandoned Site"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("management.db"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("temp1.db"))));
    EXPECT_TRUE(main()->ribbon->isEnabled());
    main()->close();
    EXPECT_EQ(settingsLines(), (QStringList{"0", "1", "1", "1", "1", "-1", "-1", "-1", "-1", "1"}));
}

TEST_F(Startup, ExitClosesThroughTheNormalClosingPath) {
    startUp();
    main()->SetDirty();
    ui.answer(false);
    main()->dxExit->trigger();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Save Changes to Active Campaign?")});
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(settingsLines().size(), 10);
}

TEST_F(Startup, OptionsFileRules) {
    const struct {
        const char* name;
        QByteArray file;
        bool submittable, autoLaunch;
        int geometry[4];
        QStringList ticked;
    } cases[] = {
        {"eight lines are ignored", "1\r\n0\r\n0\r\n0\r\n0\r\n5\r\n6\r\n7\r\n", false, true, {-1, -1, -1, -1}, {"1"}},
        {"full file applies", "1\n0\n1\n1\n1\n10\n20\n300\n400\n2\n3\n", true, false, {10, 20, 300, 400}, {"3", "2"}},
        {"word true is not ticked", "true\r1 \r1\r1\r1\r0\r0\r100\r100\r", false, false, {0, 0, 100, 100}, {"1"}},
        {"bad line 6 stops", "1\r\n0\r\n1\r\n1\r\n1\r\n7\r\nxx\r\n9\r\n9\r\n5\r\n", true, false, {7, -1, -1, -1}, {"1"}},
        {"unknown ID ticks nothing", "0\n1\n1\n1\n1\n-1\n-1\n-1\n-1\n99\n4\n", false, true, {-1, -1, -1, -1}, {"4"}},
        {"nothing ticked brings ID 1 back", "0\n1\n1\n1\n1\n-1\n-1\n-1\n-1\n", false, true, {-1, -1, -1, -1}, {"1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        destroyForms();
        createForms();
        writeFile(path(QStringLiteral("settings.txt")), c.file);
        startUp();
        EXPECT_EQ(main()->chkSubmittable->isChecked(), c.submittable);
        EXPECT_EQ(main()->chkAutoLaunch->isChecked(), c.autoLaunch);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(main()->clipboardGeometry[i], c.geometry[i]);
        EXPECT_EQ(ticked(), c.ticked);
    }
}

TEST_F(Startup, ReadingAndWritingOptionsRoundTrip) {
    Options o;
    o.submittable = true;
    o.warn = false;
    o.clipboardGeometry[0] = 3;
    o.clipboardGeometry[3] = 500;
    o.categories = {QStringLiteral("5"), QStringLiteral("2")};
    ASSERT_TRUE(writeOptions(path(QStringLiteral("o.txt")), o));
    Options back;
    readOptions(path(QStringLiteral("o.txt")), back);
    EXPECT_EQ(optionLines(back), optionLines(o));
}

TEST_F(Startup, SplashClosesAtTheLaterOfFiveSecondsAndTheEndOfStartUp) {
    TfrmSplash* splash = forms().frmSplash;
    EXPECT_TRUE(splash->timClose->isActive());
    EXPECT_EQ(splash->timClose->interval(), 5000);
    main()->show();
    main()->FormActivate();
    // Start-up done before the five seconds: the splash stays and the ribbon waits for it.
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->Tag, 1);
    EXPECT_FALSE(main()->ribbon->isEnabled());
    splash->timCloseTimer();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(splash->Tag, 0);
    EXPECT_TRUE(main()->ribbon->isEnabled());
}

TEST_F(Startup, ClicksOnTheSplashDoNothingWhileStartUpRuns) {
    TfrmSplash* splash = forms().frmSplash;
    splash->show();
    splash->Tag = 0;
    splash->splashClick();
    EXPECT_TRUE(splash->isVisible());
    splash->Tag = 1;
    splash->splashClick();
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(Startup, ALongStartUpClosesTheSplashTheMomentItEnds) {
    forms().frmSplash->timCloseTimer(); // five seconds have passed before activation
    main()->show();
    main()->FormActivate();
    EXPECT_FALSE(forms().frmSplash->isVisible());
    EXPECT_TRUE(main()->ribbon->isEnabled());
}

TEST_F(Startup, SecondNewCampaignDropsLastRunsLinksAndKeepsClipboard) {
    {
        auto db = TSQLiteDatabase::OpenDatabase(path(QStringLiteral("temp1.db")));
        db->RunStatement(QStringLiteral("CREATE TABLE links (ID INTEGER PRIMARY KEY, SourceDomain)"));
        db->RunStatement(QStringLiteral("INSERT INTO links (SourceDomain) VALUES ('old.example')"));
        db->RunStatement(QStringLiteral("CREATE TABLE clipboard ([ID] INTEGER PRIMARY KEY,[Title],[Data])"));
        db->RunStatement(QStringLiteral("INSERT INTO clipboard (Title, Data) VALUES ('t','d')"));
    }
    startUp();
    EXPECT_EQ(main()->countRecords(), 0);
    EXPECT_EQ(campaign().RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM clipboard"))->FieldInteger(QStringLiteral("n")), 1);
    EXPECT_FALSE(main()->isDirty());
}

TEST_F(Startup, RibbonCommandsCaptionsTooltipsAndEnabling) {
    startUp();
    const struct {
        QAction* a;
        const char* caption;
        const char* tip;
        bool enabled;
    } cases[] = {
        {main()->dxNewProject, "&New Campaign", "New Campaign", true},
        {main()->dxOpenProject, "&Open Campaign", "Open Campaign", true},
        {main()->dxSaveProject, "Save Campaign", "Save Campaign", false},
        {main()->dxSaveProjectAs, "Save Campaign &As...", "Save Campaign As", false},
        {main()->dxImportBacklinks, "Import Backlinks", "Import Backlinks", true},
        {main()->dxAlexaRank, "Lookup Alexa Ranking", "Lookup Alexa Ranking", false},
        {main()->dxSubmittable, "Identify Potential Submittable Sites", "Identify Potential Submittable Sites", false},
        {main()->dxExport, "Export Backlinks", "Export Backlinks", true},
        {main()->dxBrowse, "Browse Backlinks", "Browse Backlinks", false},
        {main()->dxSiteCategoryManagement, "Site Category Management", "Site Category Management", true},
        {main()->dxFileConfigurations, "File Configurations", "File Configurations", true},
        {main()->cxClipboard, "Clipboard Manager", "Clipboard Manager", true},
        {main()->dxBarLargeButton1, "User Guide", "User Guide", true},
        {main()->dxBarLargeButton5, "Technical Support", "Online Technical Support", true},
        {main()->dxBarLargeButton2, "About Application", "About Application", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(c.a->toolTip(), QString::fromUtf8(c.tip));
        EXPECT_EQ(c.a->isEnabled(), c.enabled) << c.caption;
    }
    EXPECT_EQ(main()->ribbon->groupTitles(),
              (QStringList{"Campaign Management", "Import / Process / Export / Browse", "Configuration"}));
    EXPECT_EQ(main()->windowTitle(), QStringLiteral("Vantorel"));
}

TEST_F(Startup, LayoutRulesFollowTheWindowSize) {
    startUp();
    main()->panTop->show();
    main()->panBottom->show();
    for (int width : {900, 1400}) {
        main()->resize(width, 800);
        QApplication::processEvents();
        const int bar = main()->panBottom->width();
        const int launch = main()->cxLaunch->x();
        EXPECT_EQ(launch, bar / 2 - main()->cxLaunch->width() / 2);
        EXPECT_EQ(main()->cxPrev->x(), launch - 66);
        EXPECT_EQ(main()->cxNext->x(), launch + 136);
        EXPECT_EQ(main()->cxSave->x(), bar - 180);
        const int liveTop = main()->panTop->height() - main()->panLiveURL->height() - 8;
        EXPECT_EQ(main()->panLiveURL->y(), liveTop);
        EXPECT_EQ(main()->panNotes->height(), liveTop - 208);
        EXPECT_EQ(main()->panCategory->height(), liveTop + main()->panLiveURL->height() - 201);
        EXPECT_EQ(main()->txtFilter->width(), main()->panFilter->width() - 16);
    }
}

TEST_F(Startup, UserGuideWarnsWhenMissingOrWhenNoReaderOpensIt) {
    startUp();
    const QString guide = path(QStringLiteral("user_guide.pdf"));
    main()->dxBarLargeButton1Click();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Cannot find ") + guide + QStringLiteral("\r\n\r\nPlease re-install.")});
    writeFile(guide, "%PDF-1.4");
    main()->dxBarLargeButton1Click();
    EXPECT_EQ(ui.opened, QStringList{guide});
    EXPECT_TRUE(ui.takeTexts().isEmpty());
    ui.shellResult = false;
    main()->dxBarLargeButton1Click();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Cannot launch your default PDF Reader.\r\n\r\nPlease ensure you have "
                                                         "one installed, and manually open ") + guide});
}

TEST_F(Startup, TechnicalSupportAndAboutUseTheShellAndTheSplash) {
    startUp();
    main()->dxBarLargeButton5->trigger();
    EXPECT_EQ(ui.opened, QStringList{TfrmMain::supportUrl()});
    ui.onModal([](QDialog* d) {
        EXPECT_EQ(forms().frmSplash->Tag, -2);
        static_cast<TfrmSplash*>(d)->splashClick();
    });
    main()->dxBarLargeButton2Click();
    EXPECT_EQ(ui.modals, QStringList{QStringLiteral("frmSplash")});
    EXPECT_EQ(main()->countRecords(), 0); // closing the About window runs nothing further
}

namespace {
class Thrower : public QObject {
public:
    bool event(QEvent*) override { throw ESQLiteException(QStringLiteral("boom from nowhere")); }
};
} // namespace

TEST_F(Startup, UncaughtErrorsReachTheGeneralErrorBoxAndTheProgramGoesOn) {
    Thrower t;
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&t, &e);
    auto shown = ui.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(shown[0].text, QStringLiteral("boom from nowhere"));
    platform::guarded([] { throw std::runtime_error("second"); });
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("second")});
}

TEST(Platform, DefaultExtensionAndFilters) {
    EXPECT_EQ(platform::applyDefaultExtension(QStringLiteral("/x/camp"), QStringLiteral("vtc")), QStringLiteral("/x/camp.vtc"));
    EXPECT_EQ(platform::applyDefaultExtension(QStringLiteral("/x/camp.vtc"), QStringLiteral("vtc")), QStringLiteral("/x/camp.vtc"));
    EXPECT_EQ(platform::applyDefaultExtension(QStringLiteral("/x/a.csv"), QStringLiteral(".csv")), QStringLiteral("/x/a.csv"));
    EXPECT_EQ(platform::applyDefaultExtension(QStringLiteral("/x/a"), QStringLiteral(".csv")), QStringLiteral("/x/a.csv"));
    EXPECT_EQ(platform::applyDefaultExtension(QString(), QStringLiteral("vtc")), QString());
    EXPECT_EQ(platform::qtFilter(QStringLiteral("Vantorel Campaigns|*.vtc")), QStringLiteral("Vantorel Campaigns (*.vtc)"));
    EXPECT_EQ(platform::urlForTarget(QStringLiteral("example.org/page")).toString(), QStringLiteral("http://example.org/page"));
    EXPECT_EQ(platform::GradientHeading::topColor(), QColor(173, 173, 172));
    EXPECT_EQ(platform::GradientHeading(QStringLiteral("Notes")).height(), 20);
}
