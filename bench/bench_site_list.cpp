// Refreshing the site list of a 100,000-record campaign against the bare query read through the
// database layer.
#include "BenchUi.h"
#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "platform/Application.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double timeMs(const std::function<void()>& fn) {
    QElapsedTimer t;
    t.start();
    fn();
    return double(t.nsecsElapsed()) / 1e6;
}

void compare(const char* name, TfrmMain* main) {
    TSQLiteDatabase* db = main->campaignDb();
    const QString sql = main->generateFilterSQL() + QStringLiteral(" ORDER BY Alexa, SourceDomain ");
    std::vector<double> bare, refresh;
    for (int i = 0; i < 7; ++i) {
        bare.push_back(timeMs([&] {
            auto t = db->RunQuery(sql);
            qint64 n = 0;
            for (int r = 0; r < t->RowCount(); ++r) {
                n += t->FieldText(QStringLiteral("ID")).size() + t->FieldText(QStringLiteral("SourceDomain")).size();
                if (r + 1 < t->RowCount())
                    t->NextRow();
            }
            if (n < 0)
                std::printf("impossible\n");
        }));
        refresh.push_back(timeMs([&] { main->showFilteredRecords(); }));
    }
    const double b = medianMs(bare), r = medianMs(refresh);
    std::printf("%-22s rows %7zu  bare query %7.1f ms  refresh %7.1f ms  ratio %5.2f (goal: at most 3)\n", name,
                size_t(main->lstIDs.size()), b, r, r / b);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    QTemporaryDir dir;
    BenchUi ui;
    startProgram(dir.path(), ui);
    TfrmMain* main = forms().frmMain;
    TSQLiteDatabase* db = main->campaignDb();
    QRandomGenerator rng(7);
    db->BeginTransaction();
    for (int i = 0; i < 100000; ++i) {
        const int pick = int(rng.bounded(10));
        const qint64 alexa = pick < 3 ? 50000001 : pick < 5 ? 50000000 : qint64(rng.bounded(5000000)) + 1;
        db->RunStatement(QStringLiteral("INSERT INTO links (SourceDomain, Category, Alexa, FoundKeyText) VALUES (?,?,?,?)"),
                         {QStringLiteral("site%1.example%2.com").arg(i).arg(i % 17), int(rng.bounded(14)) + 1, alexa,
                          int(rng.bounded(4)) - 2});
    }
    db->Commit();
    main->TotalRecordCount = main->countRecords();
    for (int i = 0; i < main->chkCategories->count(); ++i)
        main->chkCategories->item(i)->setCheckState(Qt::Unchecked);
    compare("nothing ticked", main);
    main->txtFilter->setText(QStringLiteral("7.ex"));
    compare("text filter \"7.ex\"", main);
    destroyForms();
    platform::Ui::install(nullptr);
    return 0;
}
