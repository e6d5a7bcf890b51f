#pragma once

#include "db/SQLiteTable.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStringListModel;
class QToolButton;
class QWidget;

namespace platform {
class Ribbon;
}

struct Options;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // --- Start-up and main window ---
    int Tag = 0; // started flag
    void FormActivate();
    void FormCloseQuery();
    void applyLayoutRules();
    void dxBarLargeButton1Click(); // User Guide
    void dxBarLargeButton5Click(); // Technical Support
    void dxBarLargeButton2Click(); // About
    void splashClosedAfterStartup();
    static QString supportUrl();
    Options currentOptions() const;
    void applyOptions(const Options& options);
    int clipboardGeometry[4] = {-1, -1, -1, -1};

    // --- Campaign ---
    bool OpenProject(const QString& path);
    void dxNewProjectClick(bool silent);
    void SetDirty();
    void SetClean();
    bool isDirty() const;
    void ConfirmSave();
    void ShowFileName(const QString& name);
    void dxSaveProjectClick();
    void dxSaveProjectAsClick();
    void SaveProjectFile(const QString& path);
    void dxOpenProjectClick();
    void OpenProjectFile(const QString& path);
    void RefreshMRU(bool load);
    void UpdateMRU();
    void dxBarApplicationMenu1ExtraPaneItemClick(int index);
    TSQLiteDatabase* campaignDb() const { return m_campaignDb.get(); }
    TSQLiteDatabase* managementDb() const { return m_managementDb.get(); }
    QString campaignFileName;
    QString lastCampaignPath;
    QStringList lbMRU;

    // --- Site filter and list ---
    void PopulateFilterCategories();
    QString generateFilterSQL() const;
    qint64 countRecords();
    void showFilteredRecords();
    void chkCategoriesClickCheck();
    void lstDomainsClick();
    void dxBrowseClick();
    int selectedSite() const;
    void selectSite(int index); // selects without running the selection handler
    void resetSiteView();
    QStringList tickedCategoryIDs() const;
    QStringList lstCategorySelected;
    QStringList lstCategoryIDs;
    QStringList lstIDs;
    int LastShownIndex = -1;
    qint64 TotalRecordCount = 0;

    // --- Record view ---
    void ShowSite();
    void lstSiteCategoryClick();
    void cxSaveClick();
    void cxCancelClick();
    void cxNextClick();
    void cxPrevClick();
    void cxLaunchClick();
    bool isEditing() const;
    void endEditing();
    QString CurrentSourceURL;

    // --- Other windows ---
    void dxImportBacklinksClick();
    void dxFileConfigurationsClick();
    void dxAlexaRankClick();
    void dxSubmittableClick();
    void dxExportClick();
    void dxSiteCategoryManagementClick();
    void cxClipboardClick();

    // Widgets, named as the program's windows name them.
    platform::Ribbon* ribbon = nullptr;
    QAction *dxNewProject, *dxOpenProject, *dxSaveProject, *dxSaveProjectAs, *dxImportBacklinks, *dxAlexaRank,
        *dxSubmittable, *dxExport, *dxBrowse, *dxSiteCategoryManagement, *dxFileConfigurations, *cxClipboard,
        *dxBarLargeButton1, *dxBarLargeButton5, *dxBarLargeButton2, *dxExit;
    QListWidget* chkCategories = nullptr;
    QLineEdit* txtFilter = nullptr;
    QCheckBox* chkSubmittable = nullptr;
    QListView* lstDomains = nullptr;
    QStringListModel* domainsModel = nullptr;
    QLabel* panRecordCount = nullptr;
    QWidget* panFilter = nullptr;
    QWidget* panLeft = nullptr;
    QSplitter* splitter = nullptr;

    QWidget* panTop = nullptr;
    QLabel* labSite = nullptr;
    QLineEdit *txtAlexa, *txtBacklinks, *txtReach, *txtDelta, *txtDateFound, *txtLinkAge;
    QPlainTextEdit* memInfo = nullptr;
    QListWidget* lstSiteCategory = nullptr;
    QPlainTextEdit* memNotes = nullptr;
    QLineEdit* txtLiveURL = nullptr;
    QWidget *panInfo, *panCategory, *panNotes, *panLiveURL, *panRanks;

    QWidget* panBottom = nullptr;
    QCheckBox *chkAutoLaunch, *chkAutoNext, *chkClipboard, *cxWarn;
    QPushButton *cxPrev, *cxLaunch, *cxNext, *cxCancel, *cxSave;

    QLabel *panKeys, *panModified, *panFileName;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildRibbon();
    void buildLeftPanel(QWidget* parent);
    void buildRecordView(QWidget* parent);
    void layoutRecordView();
    void layoutBottomBar();
    void setSiteCommandsEnabled(bool on);
    void onDomainCurrentChanged();
    std::unique_ptr<TSQLiteDatabase> m_managementDb;
    std::unique_ptr<TSQLiteDatabase> m_campaignDb;
    bool m_startupRunning = false;
    bool m_populating = false;
    bool m_selecting = false;
    bool m_filling = false;
};
