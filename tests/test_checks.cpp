// The ranking lookup and the submittable-site finder, against servers on 127.0.0.1.
#include "checks/HttpClient.h"
#include "checks/TfrmAlexa.h"
#include "checks/TfrmSubmittable.h"
#include "support/AppFixture.h"
#include "support/HttpServer.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QByteArray rankingXml(const QByteArray& sections) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ALEXA VER=\"0.9\">" + sections + "</ALEXA>";
}

} // namespace

TEST(RankingAnswer, ReadingRules) {
    const struct {
        const char* name;
        QByteArray xml;
        RankingAnswer expected;
    } cases[] = {
        {"normal",
         rankingXml("<SD><TITLE TEXT=\"Title\"/><LINKSIN NUM=\"12\"/></SD><SD><POPULARITY TEXT=\"007\"/>"
                    "<REACH RANK=\"5\"/><RANK DELTA=\"+3\"/></SD>"),
         {"007", "12", "5", "+3", "Title"}},
        {"names without case, attributes with it", rankingXml("<sd><popularity TEXT=\"9\"/><Reach rank=\"1\"/></sd>"),
         {"9", "", "", "", ""}},
        {"too shallow or too deep", rankingXml("<POPULARITY TEXT=\"1\"/><SD><X><POPULARITY TEXT=\"2\"/></X></SD>"),
         {"", "", "", "", ""}},
        {"SITE wins over TITLE; later TITLE refills", rankingXml("<A><TITLE TEXT=\"t1\"/><SITE DESC=\"d1\"/></A>"
                                                                 "<B><SITE/></B><C><TITLE TEXT=\"t3\"/></C>"),
         {"", "", "", "", "t3"}},
        {"last section wins", rankingXml("<A><POPULARITY TEXT=\"5\"/></A><B><POPULARITY TEXT=\"6\"/></B>"),
         {"6", "", "", "", ""}},
        {"quotes in values", rankingXml("<A><SITE DESC=\"say &quot;hi&quot;\"/></A>"), {"", "", "", "", "say \"hi\""}},
    };
    for (const auto& c : cases) {
        RankingAnswer a;
        QString error;
        ASSERT_TRUE(parseRankingAnswer(QString::fromUtf8(c.xml), a, error)) << c.name;
        EXPECT_EQ(a.rank, c.expected.rank) << c.name;
        EXPECT_EQ(a.backlinks, c.expected.backlinks) << c.name;
        EXPECT_EQ(a.reach, c.expected.reach) << c.name;
        EXPECT_EQ(a.delta, c.expected.delta) << c.name;
        EXPECT_EQ(a.description, c.expected.description) << c.name;
    }
    RankingAnswer a;
    QString error;
    EXPECT_FALSE(parseRankingAnswer(QStringLiteral("<ALEXA><unclosed></ALEXA>"), a, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(parseRankingAnswer(QString(), a, error));
}

TEST(Http, AnswersFailuresAndLimits) {
    HttpServer server([](const QByteArray& line) {
        if (line.contains("/404"))
            return HttpServer::ok("missing\npage", "404 Not Found");
        if (line.contains("/500"))
            return HttpServer::ok("broken", "500 Internal Server Error");
        if (line.contains("/moved"))
            return HttpServer::ok("moved here", "302 Found", "Location: http://127.0.0.1:1/\r\n");
        if (line.contains("/half")) {
            HttpServer::Reply r = HttpServer::ok(QByteArray(4000, 'h'));
            r.behaviour = HttpServer::Behaviour::CloseMidBody;
            return r;
        }
        if (line.contains("/silent"))
            return HttpServer::Reply{HttpServer::Behaviour::Silent, {}};
        if (line.contains("/endless"))
            return HttpServer::Reply{HttpServer::Behaviour::Endless, {}};
        return HttpServer::ok("line1\nline2\rline3\r\nend");
    });
    const QString base = server.address();
    HttpClient client(2);
    const HttpResult okay = client.get(base + QStringLiteral("/a b"));
    ASSERT_TRUE(okay.ok) << okay.error.toStdString();
    EXPECT_EQ(okay.body, QStringLiteral("line1\r\nline2\r\nline3\r\nend"));
    EXPECT_TRUE(server.requests().back().startsWith("GET /a%20b HTTP/1.0\r\n"));
    for (const char* p : {"/404", "/500"})
        EXPECT_TRUE(client.get(base + QString::fromUtf8(p)).ok) << p;
    const HttpResult moved = client.get(base + QStringLiteral("/moved"));
    EXPECT_TRUE(moved.ok);
    EXPECT_EQ(moved.body, QStringLiteral("moved here")); // not followed
    EXPECT_FALSE(client.get(base + QStringLiteral("/half")).ok);
    EXPECT_FALSE(client.get(base + QStringLiteral("/silent")).ok);
    HttpClient capped(5);
    capped.setMaxBody(1024 * 1024);
    EXPECT_FALSE(capped.get(base + QStringLiteral("/endless")).ok);
    EXPECT_FALSE(client.get(QStringLiteral("127.0.0.1:1/")).ok); // refused
}

class Checks : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUp();
        forms().frmAlexa->noDataSeconds = 3;
        forms().frmSubmittable->noDataSeconds = 2;
    }
    void serveRanking(HttpServer& server) { forms().frmAlexa->serviceAddress = QStringLiteral("http://") + server.address(); }
    // Opens the ranking window and waits for the run to finish or halt; then presses Done.
    void runAlexa(const std::function<void(TfrmAlexa*)>& whileOpen = {}) {
        ui.onModal(QStringLiteral("frmAlexa"), [whileOpen](QDialog* d) {
            auto* w = static_cast<TfrmAlexa*>(d);
            waitFor([w] { return !w->isVisible() || w->cxDone->isVisibleTo(w); }, 8000);
            if (whileOpen)
                whileOpen(w);
            if (w->isVisible())
                w->cxContinueClick();
        });
        main()->dxAlexaRankClick();
    }
};

TEST_F(Checks, RankingRunStoresEveryValueAndFinishes) {
    HttpServer server([](const QByteArray& line) {
        if (line.contains("url=a.example"))
            return HttpServer::ok(rankingXml("<SD><LINKSIN NUM=\"1234\"/><POPULARITY TEXT=\"007\"/><REACH RANK=\"88\"/>"
                                             "<RANK DELTA=\"-5\"/><SITE DESC=\"The &quot;A&quot; site\"/></SD>"));
        return HttpServer::ok(rankingXml("<SD><POPULARITY TEXT=\"0\"/></SD>"));
    });
    serveRanking(server);
    const qint64 a = addLink(QStringLiteral("a.example"));
    const qint64 b = addLink(QStringLiteral("b.example"));
    addLink(QStringLiteral("done.example"), 1, 77);
    runAlexa([](TfrmAlexa* w) {
        EXPECT_EQ(w->checked(), 3);
        EXPECT_EQ(w->toBeChecked(), 0);
        EXPECT_EQ(w->labProcessed->text(), QStringLiteral("3"));
        EXPECT_FALSE(w->cxSTOP->isVisibleTo(w));
    });
    EXPECT_EQ(field(a, QStringLiteral("Alexa")), QStringLiteral("7"));
    EXPECT_EQ(field(a, QStringLiteral("Backlinks")), QStringLiteral("1234"));
    EXPECT_EQ(field(a, QStringLiteral("Reach")), QStringLiteral("88"));
    EXPECT_EQ(field(a, QStringLiteral("Delta")), QStringLiteral("-5"));
    EXPECT_EQ(field(a, QStringLiteral("Description")), QStringLiteral("The \"A\" site"));
    EXPECT_EQ(field(b, QStringLiteral("Alexa")), QStringLiteral("50000000"));
    EXPECT_EQ(field(b, QStringLiteral("Backlinks")), QStringLiteral("0"));
    EXPECT_TRUE(server.requests().front().startsWith("GET /data?cli=10&dat=s&url="));
    EXPECT_TRUE(main()->isDirty());
    EXPECT_EQ(main()->TotalRecordCount, 3); // the list was refreshed after closing
    // Nothing left: no window.
    main()->dxAlexaRankClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{"All Sites Already Checked"});
}

TEST_F(Checks, RankThatIsNoWholeNumberHaltsAndContinueRetries) {
    std::atomic<int> calls{0};
    HttpServer server([&calls](const QByteArray&) {
        return HttpServer::ok(rankingXml(++calls == 1 ? "<SD><POPULARITY TEXT=\"1,234\"/></SD>" : "<SD><POPULARITY TEXT=\"42\"/></SD>"));
    });
    serveRanking(server);
    const qint64 id = addLink(QStringLiteral("x.example"));
    ui.onModal(QStringLiteral("frmAlexa"), [this, id](QDialog* d) {
        auto* w = static_cast<TfrmAlexa*>(d);
        ASSERT_TRUE(waitFor([this] { return !ui.pending().empty(); }));
        auto shown = ui.take();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].kind, platform::MsgKind::Error);
        EXPECT_EQ(shown[0].text, QStringLiteral("'1,234' is not a valid integer value."));
        EXPECT_TRUE(w->cxSTOP->isVisibleTo(w));
        EXPECT_FALSE(w->timNextSite->isActive());
        EXPECT_EQ(field(id, QStringLiteral("Alexa")), QStringLiteral("50000001"));
        w->cxSTOPClick();
        w->btnContinueClick();
        ASSERT_TRUE(waitFor([w] { return w->cxDone->isVisibleTo(w); }));
        EXPECT_EQ(field(id, QStringLiteral("Alexa")), QStringLiteral("42"));
        w->cxContinueClick();
    });
    main()->dxAlexaRankClick();
}

TEST_F(Checks, RankingFailuresCloseTheWindowAndLeaveTheSiteUnchecked) {
    const struct {
        const char* name;
        bool refuse;
        QByteArray body;
        QString message;
    } cases[] = {
        {"refused", true, {}, QStringLiteral("Unable to connect to Alexa Free API - It may be down, or perhaps you are having "
                                             "problems with your Internet connection\r\nPlease check and try again later")},
        {"malformed", false, "<ALEXA><SD>", QStringLiteral("Error reading from Alexa Response - please contact tech support.\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HttpServer server([&c](const QByteArray&) { return HttpServer::ok(c.body); });
        forms().frmAlexa->serviceAddress =
            c.refuse ? QStringLiteral("http://127.0.0.1:1") : QStringLiteral("http://") + server.address();
        main()->SetClean(); // a run marks the campaign modified; no question before the next case
        main()->dxNewProjectClick(true);
        const qint64 id = addLink(QStringLiteral("f.example"));
        runAlexa();
        const QStringList shown = ui.takeTexts();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].startsWith(c.message)) << shown[0].toStdString();
        EXPECT_EQ(field(id, QStringLiteral("Alexa")), QStringLiteral("50000001"));
        EXPECT_FALSE(forms().frmAlexa->isVisible());
    }
}

TEST_F(Checks, StopThenContinueGoesOnWithTheNextSite) {
    HttpServer server([](const QByteArray&) { return HttpServer::ok(rankingXml("<SD><POPULARITY TEXT=\"5\"/></SD>")); });
    serveRanking(server);
    for (int i = 0; i < 3; ++i)
        addLink(QStringLiteral("s%1.example").arg(i));
    ui.onModal(QStringLiteral("frmAlexa"), [](QDialog* d) {
        auto* w = static_cast<TfrmAlexa*>(d);
        ASSERT_TRUE(waitFor([w] { return w->checked() >= 1; }));
        w->cxSTOPClick();
        const qint64 at = w->checked();
        QTest::qWait(150);
        EXPECT_EQ(w->checked(), at);
        EXPECT_TRUE(w->btnContinue->isVisibleTo(w));
        w->btnContinueClick();
        ASSERT_TRUE(waitFor([w] { return w->cxDone->isVisibleTo(w) && w->toBeChecked() == 0; }));
        EXPECT_EQ(w->checked(), 3);
        w->cxContinueClick();
    });
    main()->dxAlexaRankClick();
    EXPECT_EQ(campaign().RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM links WHERE Alexa = 5"))->FieldInteger(QStringLiteral("n")), 3);
}

TEST(KeyPhrases, SearchRules) {
    const QStringList builtIn = builtInKeyPhrases();
    EXPECT_EQ(builtIn.size(), 52);
    EXPECT_EQ(builtIn.first(), QStringLiteral("/Submit"));
    EXPECT_EQ(builtIn.last(), QStringLiteral("Suggest your URL"));
    const struct {
        const char* page;
        QStringList phrases;
        int result;
    } cases[] = {
        {"<div class=\"comments\">", builtIn, 1},
        {"<a href=\"/submit-site\">", builtIn, 1},
        {"please SUBMIT url here", {"Submit URL"}, 1},
        {"Ädd site", {"äDD Site"}, 0},
        {"submit url", {"submit url "}, 0},
        {"submit url x", {"submit url "}, 1},
        {"anything", {"", "nope"}, 0},
        {"submit\r\nurl", {"submit url"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(searchKeyPhrases(QString::fromUtf8(c.page), c.phrases), c.result) << c.page;
}

class Finder : public Checks {
protected:
    TfrmSubmittable* win() const { return forms().frmSubmittable; }
    void run(const std::function<void(TfrmSubmittable*)>& beforeStart = {}) {
        ui.onModal(QStringLiteral("frmSubmittable"), [beforeStart](QDialog* d) {
            auto* w = static_cast<TfrmSubmittable*>(d);
            if (beforeStart)
                beforeStart(w);
            if (w->cxStart->isVisibleTo(w)) {
                w->cxStartClick();
                ASSERT_TRUE(waitFor([w] { return w->cxDone->isVisibleTo(w); }, 15000));
            }
            w->cxDoneClick();
        });
        main()->dxSubmittableClick();
    }
};

TEST_F(Finder, ResultCodesForFoundNotFoundErrorsAndUnreachable) {
    HttpServer server([](const QByteArray& line) {
        if (line.startsWith("GET /found"))
            return HttpServer::ok("<p>Please Submit URL</p>");
        if (line.startsWith("GET /err404"))
            return HttpServer::ok("add your site", "404 Not Found");
        if (line.startsWith("GET /moved"))
            return HttpServer::ok("gone", "301 Moved", "Location: /found\r\n");
        if (line.startsWith("GET /silent"))
            return HttpServer::Reply{HttpServer::Behaviour::Silent, {}};
        return HttpServer::ok("nothing to see");
    });
    const QString host = server.address();
    const qint64 found = addLink(host + QStringLiteral("/found"));
    const qint64 notFound = addLink(host + QStringLiteral("/plain"));
    const qint64 e404 = addLink(host + QStringLiteral("/err404"));
    const qint64 moved = addLink(host + QStringLiteral("/moved"));
    const qint64 refused = addLink(QStringLiteral("127.0.0.1:1"));
    const qint64 silent = addLink(host + QStringLiteral("/silent"));
    run();
    EXPECT_EQ(field(found, QStringLiteral("FoundKeyText")), QStringLiteral("1"));
    EXPECT_EQ(field(notFound, QStringLiteral("FoundKeyText")), QStringLiteral("0"));
    EXPECT_EQ(field(e404, QStringLiteral("FoundKeyText")), QStringLiteral("1"));
    EXPECT_EQ(field(moved, QStringLiteral("FoundKeyText")), QStringLiteral("0"));
    EXPECT_EQ(field(refused, QStringLiteral("FoundKeyText")), QStringLiteral("-2"));
    EXPECT_EQ(field(silent, QStringLiteral("FoundKeyText")), QStringLiteral("-2"));
    EXPECT_EQ(win()->found(), 2);
    EXPECT_EQ(win()->notFound(), 2);
    EXPECT_EQ(win()->errors(), 2);
    EXPECT_EQ(win()->labErrors->text(), QStringLiteral("2"));
    EXPECT_TRUE(main()->isDirty());
}

TEST_F(Finder, FullyCheckedCampaignOffersResetOnly) {
    addLink(QStringLiteral("x.example"), 1, 50000001, 1);
    run([this](TfrmSubmittable* w) {
        EXPECT_FALSE(w->cxStart->isVisibleTo(w));
        ui.answer(true);
        w->cxResetClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Are you sure that you want to Reset all records?"});
        EXPECT_EQ(w->toBeChecked(), 1);
        EXPECT_EQ(w->found(), 0);
        EXPECT_TRUE(w->cxStart->isVisibleTo(w));
        w->memKeyText->setPlainText(QStringLiteral("never matches"));
    });
    EXPECT_EQ(campaign().RunQuery(QStringLiteral("SELECT FoundKeyText FROM links"))->FieldText(QStringLiteral("FoundKeyText")),
              QStringLiteral("-2"));
}

TEST_F(Finder, PhraseFileIsWrittenOnlyWhenEditedAndReadBack) {
    addLink(QStringLiteral("y.example"), 1, 50000001, 0);
    const QString file = TfrmSubmittable::phraseFilePath();
    run([](TfrmSubmittable*) {});
    EXPECT_FALSE(QFile::exists(file));
    run([](TfrmSubmittable* w) { w->memKeyText->setPlainText(QStringLiteral("one\ntwo ")); });
    EXPECT_EQ(readFile(file), QByteArray("one\r\ntwo \r\n"));
    writeFile(file, "three\rfour\n");
    run([](TfrmSubmittable* w) { EXPECT_EQ(w->phrases(), (QStringList{"three", "four"})); });
    QFile::remove(file);
    run([](TfrmSubmittable* w) { EXPECT_EQ(w->phrases(), (QStringList{"three", "four"})); });
    // Unreadable and unwritable phrase files (a folder in its place fails for every user).
    QDir().mkdir(file);
    run([](TfrmSubmittable* w) { w->memKeyText->setPlainText(QStringLiteral("five")); });
    EXPECT_EQ(ui.takeTexts(), (QStringList{QStringLiteral("Unable to Load phrase file: ") + file +
                                               QStringLiteral("\r\n\r\nPlease check file permissions!"),
                                           QStringLiteral("Unable to Save phrase file: ") + file +
                                               QStringLiteral("\r\n\r\nPlease check file permissions!")}));
}
