#pragma once

class TfrmMain;
class TfrmImportConfig;
class TfrmImport;
class TfrmCategories;
class TfrmAlexa;
class TfrmSubmittable;
class TfrmExport;
class TfrmSplash;
class TfrmClipboard;
class TfrmClipboardUpdate;

// The program's windows, each created once for the whole run.
struct Forms {
    TfrmMain* frmMain = nullptr;
    TfrmImportConfig* frmImportConfig = nullptr;
    TfrmImport* frmImport = nullptr;
    TfrmCategories* frmCategories = nullptr;
    TfrmAlexa* frmAlexa = nullptr;
    TfrmSubmittable* frmSubmittable = nullptr;
    TfrmExport* frmExport = nullptr;
    TfrmSplash* frmSplash = nullptr;
    TfrmClipboard* frmClipboard = nullptr;
    TfrmClipboardUpdate* frmClipboardUpdate = nullptr;
};

Forms& forms();
// Creates every window in the program's fixed order; the splash's timer starts with it.
void createForms();
void destroyForms();
