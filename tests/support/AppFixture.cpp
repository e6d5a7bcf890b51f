#include "AppFixture.h"

#include "app/TfrmSplash.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QFile>
#include <QLocale>
#include <QStringListModel>

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void AppFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::setAppDir(dir.path());
    platform::Ui::install(&ui);
    createForms();
}

void AppFixture::TearDown() {
    for (const auto& s : ui.pending())
        ADD_FAILURE() << "message not checked by the test: " << s.text.toStdString();
    EXPECT_EQ(ui.unansweredQuestions(), 0u) << "scripted answers left over";
    destroyForms();
    platform::Ui::install(nullptr);
}

void AppFixture::startUp() {
    main()->show();
    main()->FormActivate();
    // The splash closes when its five seconds are up; drive the timer instead of waiting.
    forms().frmSplash->timCloseTimer();
}

void AppFixture::startUpQuietly() {
    startUp();
    main()->chkAutoLaunch->setChecked(false);
    main()->chkClipboard->setChecked(false);
}

qint64 AppFixture::addLink(const QString& domain, int category, qint64 alexa, int found) {
    campaign().RunStatement(
        QStringLiteral("INSERT INTO links (DateLinkFound,SourceURL,SourceDomain,DestinationURL,AnchorText,LinkAge,"
                       "FlagMetaNoFollow,FlagMetaNoIndex,FlagRelNoFollow,FlagRefNoReferrer,Category,Notes,LiveURL,"
                       "Alexa,Backlinks,Reach,Delta,Description,FoundKeyText) VALUES "
                       "('2012-01-01',?,?,'http://mine.example/','anchor','10','n','y','','maybe',?,'','',?,-1,'','','',?)"),
        {QStringLiteral("http://") + domain + QStringLiteral("/page"), domain, category, alexa, found});
    return campaign().LastInsertRowId();
}

QString AppFixture::field(qint64 id, const QString& column) const {
    auto t = campaign().RunQuery(QStringLiteral("SELECT ") + column + QStringLiteral(" AS v FROM links WHERE ID = ") +
                                 QString::number(id));
    return t->FieldText(QStringLiteral("v"));
}

void AppFixture::refresh() {
    main()->TotalRecordCount = main()->countRecords();
    main()->showFilteredRecords();
}

QStringList AppFixture::listedDomains() const { return main()->domainsModel->stringList(); }
