#include "BenchUi.h"

#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "import/TfrmImport.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>

void BenchUi::showModal(QDialog* dialog) {
    dialog->setModal(false);
    dialog->show();
    while (dialog->isVisible()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (finished && finished(dialog))
            dialog->close();
    }
}

void startProgram(const QString& folder, BenchUi& ui) {
    platform::setAppDir(folder);
    platform::Ui::install(&ui);
    createForms();
    forms().frmMain->FormActivate();
    forms().frmSplash->timCloseTimer();
}

double medianMs(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

ImportFigures runImport(const QString& file, const QString& folder) {
    BenchUi ui;
    startProgram(folder, ui);
    ui.files.push_back(file);
    TfrmImport* w = forms().frmImport;
    ui.finished = [w](QDialog* d) { return d == w && w->cxDone->isVisibleTo(w); };
    QElapsedTimer t;
    t.start();
    forms().frmMain->dxImportBacklinksClick();
    ImportFigures f;
    f.ms = double(t.nsecsElapsed()) / 1e6;
    f.processed = w->processed();
    f.duplicates = w->duplicates();
    f.added = w->added();
    destroyForms();
    platform::Ui::install(nullptr);
    return f;
}
