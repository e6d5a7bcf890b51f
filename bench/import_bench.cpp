// import_bench FILE FOLDER: imports FILE into a fresh campaign whose program folder is FOLDER.
#include "BenchUi.h"
#include "platform/Application.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: import_bench FILE FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    QFile::remove(QDir(folder).filePath(QStringLiteral("temp1.db")));
    const ImportFigures f = runImport(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(), folder);
    const QLocale l;
    std::printf("Records Processed: %s\n", qPrintable(l.toString(f.processed)));
    std::printf("Duplicate Domains Found: %s\n", qPrintable(l.toString(f.duplicates)));
    std::printf("New Domains Found: %s\n", qPrintable(l.toString(f.added)));
    std::printf("Time: %.0f ms\n", f.ms);
    return 0;
}
