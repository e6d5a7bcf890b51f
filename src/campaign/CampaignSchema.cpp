#include "CampaignSchema.h"

#include "platform/Platform.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace campaign {

QString linksTableStatement() {
    return QStringLiteral(
        "CREATE TABLE links ([ID] INTEGER PRIMARY KEY, [DateLinkFound] VARCHAR (50),[SourceURL] VARCHAR "
        "(500),[SourceDomain] VARCHAR (500),[DestinationURL] VARCHAR (500),[AnchorText] VARCHAR (255),[LinkAge] "
        "VARCHAR (50),[FlagMetaNoFollow] VARCHAR (50),[FlagMetaNoIndex] VARCHAR (50),[FlagRelNoFollow] VARCHAR "
        "(50),[FlagRefNoReferrer] VARCHAR (50),[Category] INTEGER,[Notes] TEXT,[LiveURL] VARCHAR (500),[Alexa] "
        "INTEGER,[Backlinks] INTEGER,[Reach] VARCHAR (50),[Delta] VARCHAR (50),[Description] TEXT,[FoundKeyText] "
        "INTEGER)");
}

QStringList linksIndexStatements() {
    return {QStringLiteral("CREATE INDEX linksDomain ON [links]([SourceDomain]);"),
            QStringLiteral("CREATE INDEX linksCategory ON [links]([Category]);"),
            QStringLiteral("CREATE INDEX linksAlexa ON [links]([Alexa]);"),
            QStringLiteral("CREATE INDEX linksFoundKeyText ON [links]([FoundKeyText]);")};
}

QString workingCopyPath() { return platform::appDir() + QStringLiteral("temp1.db"); }

bool copyFileSafely(const QString& source, const QString& target, QString* error) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    if (platform::isReadOnlyFile(target)) {
        if (error)
            *error = QStringLiteral("The file is read-only");
        return false;
    }
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            if (error)
                *error = in.errorString();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            if (error)
                *error = out.errorString();
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace campaign
