// Site review: the filtered list, the record view and the review loop.
#include "review/Helpers.h"
#include "review/RecordWords.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

class Review : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUpQuietly();
    }
    void tick(const QStringList& ids) {
        for (int i = 0; i < main()->chkCategories->count(); ++i)
            main()->chkCategories->item(i)->setCheckState(
                ids.contains(main()->lstCategoryIDs[i]) ? Qt::Checked : Qt::Unchecked);
    }
    int row(const QString& categoryId) const { return int(main()->lstCategoryIDs.indexOf(categoryId)); }
    void select(int index) {
        main()->selectSite(index);
        main()->lstDomainsClick();
    }
    QString info() const { return main()->memInfo->toPlainText(); }
};

TEST_F(Review, FilterStatements) {
    // Names in the order of their IDs, so the ticked IDs come out as 1,3.
    main()->managementDb()->RunStatement(QStringLiteral("UPDATE categories SET Category = 'Verified live' WHERE ID = 3"));
    main()->PopulateFilterCategories();
    EXPECT_EQ(main()->generateFilterSQL(), QStringLiteral("SELECT ID, SourceDomain FROM links  WHERE Category IN (1) "));
    tick({QStringLiteral("1"), QStringLiteral("3")});
    main()->chkSubmittable->setChecked(true);
    main()->txtFilter->setText(QStringLiteral("news"));
    EXPECT_EQ(main()->generateFilterSQL(), QStringLiteral("SELECT ID, SourceDomain FROM links  WHERE Category IN (1,3)  AND "
                                                          "FoundKeyText = 1 AND SourceDomain LIKE '%news%'"));
    tick({});
    main()->txtFilter->setText(QStringLiteral("o'neil"));
    EXPECT_EQ(main()->generateFilterSQL(), QStringLiteral("SELECT ID, SourceDomain FROM links  WHERE FoundKeyText = 1 AND "
                                                          "SourceDomain LIKE '%o''neil%'"));
    main()->chkSubmittable->setChecked(false);
    main()->txtFilter->clear();
    EXPECT_EQ(main()->generateFilterSQL(), QStringLiteral("SELECT ID, SourceDomain FROM links "));
    main()->txtFilter->setText(QStringLiteral("x"));
    EXPECT_EQ(main()->generateFilterSQL(), QStringLiteral("SELECT ID, SourceDomain FROM links  WHERE SourceDomain LIKE '%x%'"));
}

TEST_F(Review, ListIsOrderedByRankWithTheSentinelsLastAndCounted) {
    addLink(QStringLiteral("unchecked.example"), 1, 50000001);
    addLink(QStringLiteral("norank.example"), 1, 50000000);
    addLink(QStringLiteral("b.example"), 1, 20);
    addLink(QStringLiteral("a.example"), 1, 20);
    addLink(QStringLiteral("top.example"), 1, 3);
    addLink(QStringLiteral("elsewhere.example"), 99, 1);
    refresh();
    EXPECT_EQ(listedDomains(), (QStringList{"top.example", "a.example", "b.example", "norank.example", "unchecked.example"}));
    EXPECT_EQ(main()->panRecordCount->text(), QStringLiteral("5 / 6 Domains"));
    EXPECT_TRUE(main()->dxBrowse->isEnabled());
    EXPECT_TRUE(main()->dxAlexaRank->isEnabled());
    EXPECT_TRUE(main()->dxSubmittable->isEnabled());
    tick({}); // every category, the deleted ID 99 too
    EXPECT_EQ(listedDomains().size(), 6);
    EXPECT_EQ(main()->panRecordCount->text(), QStringLiteral("6 / 6 Domains"));
    main()->txtFilter->setText(QStringLiteral("zzz"));
    EXPECT_TRUE(listedDomains().isEmpty());
    EXPECT_EQ(main()->panRecordCount->text(), QStringLiteral("0 / 6 Domains"));
    EXPECT_FALSE(main()->dxBrowse->isEnabled());
    EXPECT_FALSE(main()->dxAlexaRank->isEnabled());
}

TEST_F(Review, SubmittableTickListsOnlyFoundSites) {
    addLink(QStringLiteral("found.example"), 5, 50000001, 1);
    addLink(QStringLiteral("not.example"), 1, 50000001, 0);
    refresh();
    tick({});
    main()->chkSubmittable->setChecked(true);
    EXPECT_EQ(listedDomains(), QStringList{QStringLiteral("found.example")});
}

TEST_F(Review, SelectingShowsTheSiteAndLaunchesOnlyOnce) {
    addLink(QStringLiteral("one.example"));
    addLink(QStringLiteral("two.example"));
    refresh();
    main()->chkAutoLaunch->setChecked(true);
    main()->dxBrowse->trigger();
    EXPECT_TRUE(main()->panTop->isVisibleTo(main()));
    EXPECT_EQ(main()->labSite->text(), QStringLiteral("one.example  "));
    EXPECT_EQ(ui.opened, QStringList{QStringLiteral("http://one.example/page")});
    select(0);
    EXPECT_EQ(ui.opened.size(), 1);
    main()->showFilteredRecords();
    EXPECT_FALSE(main()->panTop->isVisibleTo(main()));
    select(0);
    EXPECT_EQ(ui.opened.size(), 2);
    // Typing in the filter hides the view and clears the selection.
    main()->txtFilter->setText(QStringLiteral("two"));
    EXPECT_FALSE(main()->panTop->isVisibleTo(main()));
    EXPECT_EQ(main()->selectedSite(), -1);
}

TEST_F(Review, RankingBoxesAndWords) {
    const struct {
        const char *alexa, *backlinks, *reach, *delta;
        RankingBoxes shown;
    } cases[] = {
        {"50000001", "77", "5", "+1", {"Not Checked", "-", "-", "-"}},
        {"50000000", "1234567", "0.0012", "", {"-", "1,234,567", "0.0012", "-"}},
        {"4321", "", "12", "-3", {"4,321", "0", "12", "-3"}},
    };
    for (const auto& c : cases) {
        const RankingBoxes b = rankingBoxes(QString::fromUtf8(c.alexa), QString::fromUtf8(c.backlinks),
                                            QString::fromUtf8(c.reach), QString::fromUtf8(c.delta));
        EXPECT_EQ(b.alexa, c.shown.alexa);
        EXPECT_EQ(b.backlinks, c.shown.backlinks);
        EXPECT_EQ(b.reach, c.shown.reach);
        EXPECT_EQ(b.delta, c.shown.delta);
    }
    const QStringList found[] = {{"-2", "ERROR"}, {"-1", "TBC"}, {"0", "NO"}, {"1", "YES"}, {"7", "7"}};
    for (const auto& f : found)
        EXPECT_EQ(submittableWord(f[0]), f[1]);
    const QStringList flags[] = {{"", "-"}, {"y", "YES"}, {"N", "NO"}, {"Maybe", "MAYBE"}};
    for (const auto& f : flags)
        EXPECT_EQ(flagWord(f[0]), f[1]);
    EXPECT_EQ(FormatValue(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(FormatValue(QStringLiteral("99999999999")), QStringLiteral("99999999999"));
}

TEST_F(Review, RecordViewShowsInfoLines) {
    const qint64 id = addLink(QStringLiteral("shown.example"));
    refresh();
    select(0);
    EXPECT_EQ(info(), QStringLiteral("[URL] http://shown.example/page\n[Description] -NONE-\n[Anchor Text] anchor\n"
                                     "[Anchor URL] http://mine.example/\n[Submittable] TBC\n[Meta No Follow] NO\n"
                                     "[Meta No Index] YES\n[Rel No Follow] -\n[Ref No Referrer] MAYBE"));
    EXPECT_EQ(main()->txtAlexa->text(), QStringLiteral("Not Checked"));
    EXPECT_EQ(main()->txtDateFound->text(), QStringLiteral("2012-01-01"));
    EXPECT_EQ(main()->lstSiteCategory->currentRow(), row(QStringLiteral("1")));
    EXPECT_FALSE(main()->isEditing());
    EXPECT_EQ(field(id, QStringLiteral("Category")), QStringLiteral("1"));
}

TEST_F(Review, EditingStateDisablesNavigationAndFilter) {
    addLink(QStringLiteral("a.example"));
    addLink(QStringLiteral("b.example"));
    addLink(QStringLiteral("c.example"));
    refresh();
    select(1);
    EXPECT_TRUE(main()->cxPrev->isEnabled());
    EXPECT_TRUE(main()->cxNext->isEnabled());
    main()->memNotes->setPlainText(QStringLiteral("typing"));
    EXPECT_TRUE(main()->isEditing());
    for (QWidget* w : {static_cast<QWidget*>(main()->lstDomains), static_cast<QWidget*>(main()->chkCategories),
                       static_cast<QWidget*>(main()->chkSubmittable), static_cast<QWidget*>(main()->txtFilter),
                       static_cast<QWidget*>(main()->cxPrev), static_cast<QWidget*>(main()->cxNext)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    select(0);
    EXPECT_FALSE(main()->cxPrev->isEnabled());
    select(2);
    EXPECT_FALSE(main()->cxNext->isEnabled());
}

TEST_F(Review, SaveAsksBothQuestionsOnlyWithTheWarningOption) {
    const qint64 id = addLink(QStringLiteral("q.example"));
    addLink(QStringLiteral("r.example"));
    refresh();
    main()->chkAutoNext->setChecked(false);
    tick({});
    select(0);
    main()->lstSiteCategory->setCurrentRow(row(QStringLiteral("1")));
    main()->memNotes->setPlainText(QStringLiteral("n"));
    ui.answer(false);
    main()->cxSaveClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Category still says \"Unreviwed\" - are you sure you want to Save?")});
    EXPECT_TRUE(main()->isEditing());
    EXPECT_EQ(field(id, QStringLiteral("Notes")), QString());
    main()->lstSiteCategory->setCurrentRow(row(QStringLiteral("3")));
    ui.answer(true);
    main()->cxSaveClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Category says \"Link is Live\" but you have not specified a URL - are "
                                                         "you sure you want to Save?")});
    EXPECT_EQ(field(id, QStringLiteral("Category")), QStringLiteral("3"));
    EXPECT_TRUE(main()->isDirty());
    main()->txtLiveURL->setText(QStringLiteral("http://q.example/live"));
    main()->cxSaveClick(); // a live URL: no question
    main()->cxWarn->setChecked(false);
    main()->lstSiteCategory->setCurrentRow(row(QStringLiteral("1")));
    main()->cxSaveClick(); // option clear: no question
    EXPECT_EQ(field(id, QStringLiteral("Category")), QStringLiteral("1"));
    EXPECT_FALSE(main()->isEditing());
}

TEST_F(Review, NotesAndLiveUrlRoundTripExactly) {
    const qint64 id = addLink(QStringLiteral("n.example"));
    refresh();
    tick({});
    select(0);
    const QString notes = QStringLiteral("it's \"quoted\"\nsecond line\n\nID");
    main()->lstSiteCategory->setCurrentRow(row(QStringLiteral("5")));
    main()->memNotes->setPlainText(notes);
    main()->txtLiveURL->setText(QStringLiteral("Notes"));
    main()->cxSaveClick();
    EXPECT_EQ(field(id, QStringLiteral("Notes")), notes);
    EXPECT_EQ(field(id, QStringLiteral("LiveURL")), QStringLiteral("Notes"));
    main()->showFilteredRecords();
    select(0);
    EXPECT_EQ(main()->memNotes->toPlainText(), notes);
}

TEST_F(Review, SavingOutOfTheFilterMovesToTheFollowingSite) {
    for (const char* d : {"a.example", "b.example", "c.example"})
        addLink(QString::fromUtf8(d));
    refresh();
    main()->chkAutoLaunch->setChecked(true);
    select(1);
    ui.opened.clear();
    main()->lstSiteCategory->setCurrentRow(row(QStringLiteral("7")));
    main()->cxSaveClick();
    EXPECT_EQ(listedDomains(), (QStringList{"a.example", "c.example"}));
    EXPECT_EQ(main()->panRecordCount->text(), QStringLiteral("2 / 3 Domains"));
    EXPECT_EQ(main()->selectedSite(), 1);
    EXPECT_EQ(main()->labSite->text(), QStringLiteral("c.example  "));
    EXPECT_EQ(ui.opened, QStringList{QStringLiteral("http://c.example/page")});
    // The last site of the list leaves: nothing is selected and the view hides.
    main()->lstSiteCategory->setCurrentRow(row(QStringLiteral("7")));
    main()->cxSaveClick();
    EXPECT_EQ(listedDomains(), QStringList{QStringLiteral("a.example")});
    EXPECT_EQ(main()->selectedSite(), -1);
    EXPECT_FALSE(main()->panTop->isVisibleTo(main()));
}

TEST_F(Review, AutoNextMovesOnAndStopsAtTheEnd) {
    addLink(QStringLiteral("a.example"));
    addLink(QStringLiteral("b.example"));
    refresh();
    main()->cxWarn->setChecked(false);
    select(0);
    main()->memNotes->setPlainText(QStringLiteral("x"));
    main()->cxSaveClick();
    EXPECT_EQ(main()->selectedSite(), 1);
    main()->memNotes->setPlainText(QStringLiteral("y"));
    main()->cxSaveClick();
    EXPECT_EQ(main()->selectedSite(), 1);
    EXPECT_FALSE(main()->isEditing());
    EXPECT_TRUE(main()->panTop->isVisibleTo(main()));
}

TEST_F(Review, CancelYesRestoresNoKeeps) {
    const qint64 id = addLink(QStringLiteral("c.example"));
    refresh();
    main()->chkAutoLaunch->setChecked(true);
    select(0);
    main()->memNotes->setPlainText(QStringLiteral("draft"));
    ui.answer(false);
    main()->cxCancelClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Are you sure you want to cancel changes?")});
    EXPECT_TRUE(main()->isEditing());
    EXPECT_EQ(main()->memNotes->toPlainText(), QStringLiteral("draft"));
    ui.answer(true);
    main()->cxCancelClick();
    ui.take();
    EXPECT_FALSE(main()->isEditing());
    EXPECT_EQ(main()->memNotes->toPlainText(), QString());
    EXPECT_EQ(field(id, QStringLiteral("Notes")), QString());
    EXPECT_EQ(ui.opened.size(), 1); // not launched again
}

TEST_F(Review, RecordWhoseCategoryIsGoneShowsNoneAndSaveAsksForOne) {
    const qint64 id = addLink(QStringLiteral("orphan.example"), 42);
    refresh();
    tick({});
    select(0);
    EXPECT_TRUE(main()->lstSiteCategory->selectedItems().isEmpty());
    main()->memNotes->setPlainText(QStringLiteral("n"));
    main()->cxSaveClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{QStringLiteral("Please choose a Site Category")});
    EXPECT_TRUE(main()->isEditing());
    EXPECT_EQ(field(id, QStringLiteral("Notes")), QString());
}

TEST_F(Review, LaunchOpensLiveUrlOrSourceUrl) {
    addLink(QStringLiteral("l.example"));
    refresh();
    select(0);
    main()->cxLaunchClick();
    main()->txtLiveURL->setText(QStringLiteral("l.example/where-it-lives"));
    main()->cxLaunchClick();
    EXPECT_EQ(ui.opened, (QStringList{"http://l.example/page", "l.example/where-it-lives"}));
}

TEST(Helpers, EscapeAndLowerCase) {
    EXPECT_EQ(EscapeString(QStringLiteral("a\"b'c")), QStringLiteral("a\"\"b'c"));
    EXPECT_EQ(LowerAscii(QStringLiteral("Hello WORLD ÄÖ")), QStringLiteral("hello world ÄÖ"));
}
