#include "Forms.h"

#include "TfrmMain.h"
#include "TfrmSplash.h"
#include "checks/TfrmAlexa.h"
#include "checks/TfrmSubmittable.h"
#include "export/TfrmExport.h"
#include "import/TfrmImport.h"
#include "import/TfrmImportConfig.h"
#include "reference/TfrmCategories.h"
#include "reference/TfrmClipboard.h"

Forms& forms() {
    static Forms f;
    return f;
}

void createForms() {
    Forms& f = forms();
    f.frmMain = new TfrmMain;
    f.frmImportConfig = new TfrmImportConfig(f.frmMain);
    f.frmImport = new TfrmImport(f.frmMain);
    f.frmCategories = new TfrmCategories(f.frmMain);
    f.frmAlexa = new TfrmAlexa(f.frmMain);
    f.frmSubmittable = new TfrmSubmittable(f.frmMain);
    f.frmExport = new TfrmExport(f.frmMain);
    f.frmSplash = new TfrmSplash;
    // The floating windows stay above the browser and belong to no other window.
    f.frmClipboard = new TfrmClipboard;
    f.frmClipboardUpdate = new TfrmClipboardUpdate;
}

void destroyForms() {
    Forms& f = forms();
    delete f.frmClipboardUpdate;
    delete f.frmClipboard;
    delete f.frmSplash;
    delete f.frmMain; // owns the modal windows
    f = Forms();
}
