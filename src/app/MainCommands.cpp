// The main window's commands that open the other windows.
#include "Forms.h"
#include "TfrmMain.h"
#include "checks/TfrmAlexa.h"
#include "checks/TfrmSubmittable.h"
#include "export/TfrmExport.h"
#include "import/TfrmImport.h"
#include "import/TfrmImportConfig.h"
#include "platform/Platform.h"
#include "reference/TfrmCategories.h"

#include <QStringListModel>

void TfrmMain::dxImportBacklinksClick() {
    platform::Ui::instance().showModal(forms().frmImport);
    TotalRecordCount = countRecords();
    showFilteredRecords();
    if (domainsModel->rowCount() > 0) {
        selectSite(0);
        lstDomainsClick();
    }
}

void TfrmMain::dxFileConfigurationsClick() { forms().frmImportConfig->openFromRibbon(); }

void TfrmMain::dxAlexaRankClick() {
    TfrmAlexa* w = forms().frmAlexa;
    if (!w->start())
        return;
    platform::Ui::instance().showModal(w);
    TotalRecordCount = countRecords();
    showFilteredRecords();
}

void TfrmMain::dxSubmittableClick() {
    TfrmSubmittable* w = forms().frmSubmittable;
    if (!w->prepare())
        return;
    platform::Ui::instance().showModal(w);
    w->saveKeyPhrases();
    // The verdicts changed; the list shows them like after the ranking lookup.
    TotalRecordCount = countRecords();
    showFilteredRecords();
}

void TfrmMain::dxExportClick() {
    TfrmExport* w = forms().frmExport;
    if (!w->prepare())
        return;
    platform::Ui::instance().showModal(w);
}

void TfrmMain::dxSiteCategoryManagementClick() {
    lstCategorySelected = tickedCategoryIDs();
    TfrmCategories* w = forms().frmCategories;
    w->prepare();
    platform::Ui::instance().showModal(w);
    PopulateFilterCategories();
}
