// The import of a 200,000-line Majestic-style report against the sqlite3 shell's .import of the
// same file into a table with the same indexes.
#include "BenchUi.h"
#include "platform/Application.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("majestic.csv"));
    {
        QFile f(report);
        f.open(QIODevice::WriteOnly);
        QByteArray out = "\"Target URL\",\"Target ACRank\",\"Source URL\",\"Source ACRank\",\"Anchor Text\",\"Source Crawl "
                         "Date\",\"FlagNoFollow\",\"FlagImageLink\",\"FlagRedirect\",\"FlagFrame\",\"FlagOldCrawl\","
                         "\"FlagAltText\",\"FlagMention\"\r\n";
        QRandomGenerator rng(42);
        for (int i = 0; i < 200000; ++i) {
            const int site = i < 100000 ? i : int(rng.bounded(100000));
            const QByteArray host = (i % 3 == 0 ? "WWW.Site" : (i % 3 == 1 ? "www2.site" : "site")) +
                                    QByteArray::number(site) + ".Example.com";
            out += "\"http://mine.example/\",\"3\",\"http://" + host + "/page/" + QByteArray::number(i) +
                   "\",\"2\",\"Anchor, with a comma " + QByteArray::number(i) + "\",\"2014-02-0" +
                   QByteArray::number(i % 9 + 1) + "\",\"+\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        }
        f.write(out);
    }
    const QString folder = dir.filePath(QStringLiteral("program"));
    QDir().mkpath(folder);
    const ImportFigures f = runImport(report, folder);

    // The same file through the sqlite3 shell.
    const QString shellDb = dir.filePath(QStringLiteral("shell.db"));
    // The shell's table takes the report's thirteen columns and the four indexes of a campaign.
    const QString script = QStringLiteral("CREATE TABLE links (TargetURL, TargetACRank, SourceURL, SourceACRank, AnchorText, CrawlDate, "
                            "FlagNoFollow, FlagImageLink, FlagRedirect, FlagFrame, FlagOldCrawl, FlagAltText, FlagMention, "
                            "Category DEFAULT 1, Alexa DEFAULT 50000001, FoundKeyText DEFAULT -1);\n"
                            "CREATE INDEX linksDomain ON links(SourceURL);\nCREATE INDEX linksCategory ON links(Category);\n"
                            "CREATE INDEX linksAlexa ON links(Alexa);\nCREATE INDEX linksFoundKeyText ON links(FoundKeyText);\n"
                            ".mode csv\n.import --skip 1 ") +
             report + QStringLiteral(" links\n");
    QElapsedTimer t;
    t.start();
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {shellDb});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished(-1);
    const double shellMs = double(t.nsecsElapsed()) / 1e6;
    if (shell.exitCode() != 0)
        std::printf("sqlite3 failed: %s\n", shell.readAllStandardError().constData());

    std::printf("import: %lld processed, %lld duplicates, %lld new\n", f.processed, f.duplicates, f.added);
    std::printf("import time:        %8.0f ms\n", f.ms);
    std::printf("sqlite3 .import:    %8.0f ms\n", shellMs);
    std::printf("ratio:              %8.2f (goal: at most 2)\n", f.ms / shellMs);
    return 0;
}
