#include "TfrmMain.h"

#include "Forms.h"
#include "Settings.h"
#include "db/ManagementDb.h"
#include "TfrmSplash.h"
#include "platform/Platform.h"
#include "platform/Ribbon.h"
#include "platform/Skin.h"
#include "reference/TfrmClipboard.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStringListModel>
#include <QStyle>
#include <QVBoxLayout>

using platform::GradientHeading;

namespace {

QAction* command(QObject* owner, const QString& name, const QString& caption, QStyle::StandardPixmap icon,
                 const QString& tooltip = QString()) {
    auto* a = new QAction(QApplication::style()->standardIcon(icon), caption, owner);
    a->setObjectName(name);
    QString tip = tooltip;
    if (tip.isEmpty()) {
        tip = caption;
        tip.remove(QLatin1Char('&'));
    }
    a->setToolTip(tip);
    return a;
}

QWidget* headed(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(new GradientHeading(title, box));
    content->setParent(box);
    v->addWidget(content);
    return box;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vantorel"));
    resize(1198, 720);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    buildRibbon();
    v->addWidget(ribbon);

    splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);
    buildLeftPanel(splitter);
    auto* right = new QWidget(splitter);
    buildRecordView(right);
    splitter->addWidget(panLeft);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({321, 877});
    v->addWidget(splitter, 1);
    setCentralWidget(central);

    panKeys = new QLabel(QStringLiteral("INS"), this);
    panKeys->setMinimumWidth(60);
    panModified = new QLabel(this);
    panModified->setObjectName(QStringLiteral("panModified"));
    panModified->setFixedWidth(75);
    panModified->setAlignment(Qt::AlignCenter);
    panFileName = new QLabel(this);
    panFileName->setObjectName(QStringLiteral("panFileName"));
    panFileName->setFixedWidth(300);
    statusBar()->addWidget(panKeys);
    statusBar()->addWidget(panModified);
    statusBar()->addWidget(panFileName);

    ribbon->setEnabled(false);
    dxSaveProject->setEnabled(false);
    dxSaveProjectAs->setEnabled(false);
    setSiteCommandsEnabled(false);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildRibbon() {
    using SP = QStyle::StandardPixmap;
    dxNewProject = command(this, QStringLiteral("dxNewProject"), tr("&New Campaign"), SP::SP_FileIcon);
    dxOpenProject = command(this, QStringLiteral("dxOpenProject"), tr("&Open Campaign"), SP::SP_DialogOpenButton);
    dxSaveProject = command(this, QStringLiteral("dxSaveProject"), tr("Save Campaign"), SP::SP_DialogSaveButton);
    dxSaveProjectAs = command(this, QStringLiteral("dxSaveProjectAs"), tr("Save Campaign &As..."),
                              SP::SP_DriveFDIcon, tr("Save Campaign As"));
    dxImportBacklinks =
        command(this, QStringLiteral("dxImportBacklinks"), tr("Import Backlinks"), SP::SP_ArrowDown);
    dxAlexaRank = command(this, QStringLiteral("dxAlexaRank"), tr("Lookup Alexa Ranking"), SP::SP_BrowserReload);
    dxSubmittable = command(this, QStringLiteral("dxSubmittable"), tr("Identify Potential Submittable Sites"),
                            SP::SP_FileDialogContentsView);
    dxExport = command(this, QStringLiteral("dxExport"), tr("Export Backlinks"), SP::SP_ArrowUp);
    dxBrowse = command(this, QStringLiteral("dxBrowse"), tr("Browse Backlinks"), SP::SP_DirHomeIcon);
    dxSiteCategoryManagement = command(this, QStringLiteral("dxSiteCategoryManagement"),
                                       tr("Site Category Management"), SP::SP_FileDialogDetailedView);
    dxFileConfigurations =
        command(this, QStringLiteral("dxFileConfigurations"), tr("File Configurations"), SP::SP_FileDialogListView);
    cxClipboard = command(this, QStringLiteral("cxClipboard"), tr("Clipboard Manager"), SP::SP_FileDialogNewFolder);
    dxBarLargeButton1 = command(this, QStringLiteral("dxBarLargeButton1"), tr("User Guide"), SP::SP_DialogHelpButton);
    dxBarLargeButton5 = command(this, QStringLiteral("dxBarLargeButton5"), tr("Technical Support"),
                                SP::SP_MessageBoxQuestion, tr("Online Technical Support"));
    dxBarLargeButton2 =
        command(this, QStringLiteral("dxBarLargeButton2"), tr("About Application"), SP::SP_MessageBoxInformation);
    dxExit = command(this, QStringLiteral("dxExit"), tr("E&xit"), SP::SP_DialogCloseButton);

    dxNewProject->setShortcut(QKeySequence::New);
    dxOpenProject->setShortcut(QKeySequence::Open);
    dxSaveProject->setShortcut(QKeySequence::Save);
    for (QAction* a : {dxNewProject, dxOpenProject, dxSaveProject})
        addAction(a);

    auto bind = [this](QAction* a, void (TfrmMain::*fn)()) {
        connect(a, &QAction::triggered, this, [this, fn] {
            // Shortcuts stay quiet while the start-up still owns the window.
            if (!ribbon->isEnabled())
                return;
            platform::guarded([this, fn] { (this->*fn)(); });
        });
    };
    connect(dxNewProject, &QAction::triggered, this, [this] {
        if (ribbon->isEnabled())
            platform::guarded([this] { dxNewProjectClick(false); });
    });
    bind(dxOpenProject, &TfrmMain::dxOpenProjectClick);
    bind(dxSaveProject, &TfrmMain::dxSaveProjectClick);
    bind(dxSaveProjectAs, &TfrmMain::dxSaveProjectAsClick);
    bind(dxImportBacklinks, &TfrmMain::dxImportBacklinksClick);
    bind(dxAlexaRank, &TfrmMain::dxAlexaRankClick);
    bind(dxSubmittable, &TfrmMain::dxSubmittableClick);
    bind(dxExport, &TfrmMain::dxExportClick);
    bind(dxBrowse, &TfrmMain::dxBrowseClick);
    bind(dxSiteCategoryManagement, &TfrmMain::dxSiteCategoryManagementClick);
    bind(dxFileConfigurations, &TfrmMain::dxFileConfigurationsClick);
    bind(cxClipboard, &TfrmMain::cxClipboardClick);
    bind(dxBarLargeButton1, &TfrmMain::dxBarLargeButton1Click);
    bind(dxBarLargeButton5, &TfrmMain::dxBarLargeButton5Click);
    bind(dxBarLargeButton2, &TfrmMain::dxBarLargeButton2Click);
    connect(dxExit, &QAction::triggered, this, &QWidget::close);

    ribbon = new platform::Ribbon(QStringLiteral("Vantorel"), this);
    ribbon->addGroup(tr("Campaign Management"), {dxNewProject, dxOpenProject, dxSaveProject, dxSaveProjectAs});
    ribbon->addGroup(tr("Import / Process / Export / Browse"),
                     {dxImportBacklinks, dxAlexaRank, dxSubmittable, dxExport, dxBrowse});
    ribbon->addGroup(tr("Configuration"), {dxSiteCategoryManagement, dxFileConfigurations, cxClipboard,
                                           dxBarLargeButton1, dxBarLargeButton5, dxBarLargeButton2});
    ribbon->addQuickAccess(dxNewProject);
    ribbon->addQuickAccess(dxOpenProject);
    ribbon->addQuickAccess(dxSaveProject);
    auto* menu = ribbon->applicationMenu();
    menu->addAction(dxNewProject);
    menu->addSeparator();
    menu->addAction(dxOpenProject);
    menu->addAction(dxSaveProject);
    menu->addAction(dxSaveProjectAs);
    menu->addSeparator();
    menu->addAction(dxExit);
    connect(menu, &platform::ApplicationMenu::recentItemClicked, this,
            [this](int index) { platform::guarded([this, index] { dxBarApplicationMenu1ExtraPaneItemClick(index); }); });
}

void TfrmMain::buildLeftPanel(QWidget* parent) {
    panLeft = new QWidget(parent);
    panLeft->setObjectName(QStringLiteral("panLeft"));
    panLeft->setMinimumWidth(200);
    auto* v = new QVBoxLayout(panLeft);
    v->setContentsMargins(0, 0, 0, 0);
    auto* inner = new QSplitter(Qt::Vertical, panLeft);
    inner->setChildrenCollapsible(false);

    panFilter = new QWidget(inner);
    auto* fv = new QVBoxLayout(panFilter);
    fv->setContentsMargins(0, 0, 0, 4);
    fv->setSpacing(4);
    fv->addWidget(new GradientHeading(tr("Filter"), panFilter));
    chkCategories = new QListWidget(panFilter);
    chkCategories->setObjectName(QStringLiteral("chkCategories"));
    fv->addWidget(chkCategories, 1);
    txtFilter = new QLineEdit(panFilter);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(tr("Filter domains"));
    txtFilter->setClearButtonEnabled(true);
    fv->addWidget(txtFilter);
    chkSubmittable = new QCheckBox(tr("Only Potential Submittable Sites?"), panFilter);
    chkSubmittable->setObjectName(QStringLiteral("chkSubmittable"));
    fv->addWidget(chkSubmittable);
    panFilter->installEventFilter(this);

    auto* sites = new QWidget(inner);
    auto* sv = new QVBoxLayout(sites);
    sv->setContentsMargins(0, 0, 0, 0);
    sv->setSpacing(0);
    sv->addWidget(new GradientHeading(tr("Sites"), sites));
    lstDomains = new QListView(sites);
    lstDomains->setObjectName(QStringLiteral("lstDomains"));
    lstDomains->setUniformItemSizes(true);
    lstDomains->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstDomains->setSelectionMode(QAbstractItemView::SingleSelection);
    domainsModel = new QStringListModel(this);
    lstDomains->setModel(domainsModel);
    sv->addWidget(lstDomains, 1);
    panRecordCount = new QLabel(tr("0 Domains"), sites);
    panRecordCount->setObjectName(QStringLiteral("panRecordCount"));
    panRecordCount->setAlignment(Qt::AlignCenter);
    panRecordCount->setMinimumHeight(22);
    sv->addWidget(panRecordCount);
    inner->addWidget(panFilter);
    inner->addWidget(sites);
    inner->setSizes({300, 400});
    v->addWidget(inner);

    connect(chkCategories, &QListWidget::itemChanged, this, [this] {
        if (!m_populating)
            platform::guarded([this] { chkCategoriesClickCheck(); });
    });
    connect(txtFilter, &QLineEdit::textChanged, this, [this] { platform::guarded([this] { chkCategoriesClickCheck(); }); });
    connect(chkSubmittable, &QCheckBox::toggled, this, [this] { platform::guarded([this] { chkCategoriesClickCheck(); }); });
    connect(lstDomains->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_selecting)
            platform::guarded([this] { lstDomainsClick(); });
    });
}

void TfrmMain::buildRecordView(QWidget* parent) {
    auto* v = new QVBoxLayout(parent);
    v->setContentsMargins(4, 0, 0, 0);
    v->setSpacing(0);
    panTop = new QWidget(parent);
    panTop->setObjectName(QStringLiteral("panTop"));
    panTop->installEventFilter(this);
    v->addWidget(panTop, 1);

    labSite = new QLabel(panTop);
    labSite->setObjectName(QStringLiteral("labSite"));
    labSite->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = labSite->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 8);
    labSite->setFont(big);

    panRanks = new QWidget(panTop);
    auto* grid = new QGridLayout(panRanks);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto box = [this](const QString& caption, int row, int col, QGridLayout* g) {
        auto* cap = new QLabel(caption, panRanks);
        cap->setAlignment(Qt::AlignCenter);
        cap->setStyleSheet(QStringLiteral("QLabel{background:#55555a;border:1px solid #66666a;padding:2px;}"));
        cap->setMinimumWidth(90);
        auto* e = new QLineEdit(panRanks);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignCenter);
        g->addWidget(cap, row, col * 2);
        g->addWidget(e, row, col * 2 + 1);
        return e;
    };
    txtAlexa = box(tr("Alexa Rank"), 0, 0, grid);
    txtReach = box(tr("Reach"), 0, 1, grid);
    txtDateFound = box(tr("Date Found"), 0, 2, grid);
    txtBacklinks = box(tr("Backlinks"), 1, 0, grid);
    txtDelta = box(tr("Delta"), 1, 1, grid);
    txtLinkAge = box(tr("Link Age"), 1, 2, grid);
    txtAlexa->setObjectName(QStringLiteral("txtAlexa"));
    txtBacklinks->setObjectName(QStringLiteral("txtBacklinks"));
    txtReach->setObjectName(QStringLiteral("txtReach"));
    txtDelta->setObjectName(QStringLiteral("txtDelta"));
    txtDateFound->setObjectName(QStringLiteral("txtDateFound"));
    txtLinkAge->setObjectName(QStringLiteral("txtLinkAge"));

    memInfo = new QPlainTextEdit;
    memInfo->setObjectName(QStringLiteral("memInfo"));
    memInfo->setReadOnly(true);
    panInfo = headed(tr("Info"), memInfo, panTop);
    lstSiteCategory = new QListWidget;
    lstSiteCategory->setObjectName(QStringLiteral("lstSiteCategory"));
    panCategory = headed(tr("Site Category"), lstSiteCategory, panTop);
    memNotes = new QPlainTextEdit;
    memNotes->setObjectName(QStringLiteral("memNotes"));
    panNotes = headed(tr("Notes"), memNotes, panTop);
    txtLiveURL = new QLineEdit;
    txtLiveURL->setObjectName(QStringLiteral("txtLiveURL"));
    txtLiveURL->setMaxLength(255);
    panLiveURL = headed(tr("Live URL"), txtLiveURL, panTop);
    panLiveURL->setFixedHeight(46);

    panBottom = new QWidget(parent);
    panBottom->setObjectName(QStringLiteral("panBottom"));
    panBottom->setFixedHeight(44);
    panBottom->installEventFilter(this);
    v->addWidget(panBottom);
    chkAutoLaunch = new QCheckBox(tr("Auto Launch"), panBottom);
    chkAutoNext = new QCheckBox(tr("Auto Next"), panBottom);
    chkClipboard = new QCheckBox(tr("Clipboard"), panBottom);
    cxWarn = new QCheckBox(tr("Warn if Category \"Unreviewed\""), panBottom);
    chkAutoLaunch->setObjectName(QStringLiteral("chkAutoLaunch"));
    chkAutoNext->setObjectName(QStringLiteral("chkAutoNext"));
    chkClipboard->setObjectName(QStringLiteral("chkClipboard"));
    cxWarn->setObjectName(QStringLiteral("cxWarn"));
    for (QCheckBox* c : {chkAutoLaunch, chkAutoNext, chkClipboard, cxWarn})
        c->setChecked(true);
    chkAutoLaunch->setGeometry(8, 3, 100, 19);
    chkAutoNext->setGeometry(8, 22, 100, 19);
    chkClipboard->setGeometry(110, 3, 200, 19);
    cxWarn->setGeometry(110, 22, 220, 19);
    auto* style = QApplication::style();
    cxPrev = new QPushButton(style->standardIcon(QStyle::SP_ArrowLeft), QString(), panBottom);
    cxLaunch = new QPushButton(tr("Launch Site in Browser"), panBottom);
    cxNext = new QPushButton(style->standardIcon(QStyle::SP_ArrowRight), QString(), panBottom);
    cxCancel = new QPushButton(tr("       Cancel"), panBottom);
    cxSave = new QPushButton(tr("Save       "), panBottom);
    cxPrev->setObjectName(QStringLiteral("cxPrev"));
    cxLaunch->setObjectName(QStringLiteral("cxLaunch"));
    cxNext->setObjectName(QStringLiteral("cxNext"));
    cxCancel->setObjectName(QStringLiteral("cxCancel"));
    cxSave->setObjectName(QStringLiteral("cxSave"));
    cxCancel->setIcon(style->standardIcon(QStyle::SP_DialogCancelButton));
    cxSave->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    cxSave->setLayoutDirection(Qt::RightToLeft);
    cxPrev->resize(60, 32);
    cxNext->resize(60, 32);
    cxLaunch->resize(132, 32);
    QFont launchFont = cxLaunch->font();
    launchFont.setPointSizeF(launchFont.pointSizeF() - 1);
    cxLaunch->setFont(launchFont);
    cxSave->resize(120, 32);
    cxCancel->setGeometry(8, 6, 120, 32);
    cxCancel->hide();
    cxSave->hide();
    cxPrev->setToolTip(tr("Previous site"));
    cxNext->setToolTip(tr("Next site"));

    auto guardedClick = [this](QPushButton* b, void (TfrmMain::*fn)()) {
        connect(b, &QPushButton::clicked, this, [this, fn] { platform::guarded([this, fn] { (this->*fn)(); }); });
    };
    guardedClick(cxPrev, &TfrmMain::cxPrevClick);
    guardedClick(cxNext, &TfrmMain::cxNextClick);
    guardedClick(cxLaunch, &TfrmMain::cxLaunchClick);
    guardedClick(cxCancel, &TfrmMain::cxCancelClick);
    guardedClick(cxSave, &TfrmMain::cxSaveClick);
    connect(lstSiteCategory, &QListWidget::currentRowChanged, this, [this] {
        if (!m_filling)
            lstSiteCategoryClick();
    });
    connect(memNotes, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_filling)
            lstSiteCategoryClick();
    });
    connect(txtLiveURL, &QLineEdit::textChanged, this, [this] {
        if (!m_filling)
            lstSiteCategoryClick();
    });
    panTop->hide();
    panBottom->hide();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Resize) {
        if (watched == panTop)
            layoutRecordView();
        else if (watched == panBottom)
            layoutBottomBar();
        else if (watched == panFilter)
            txtFilter->setFixedWidth(qMax(0, panFilter->width() - 16));
    }
    return QMainWindow::eventFilter(watched, e);
}

void TfrmMain::layoutRecordView() {
    const int w = panTop->width();
    const int h = panTop->height();
    labSite->setGeometry(8, 2, w - 16, 36);
    panRanks->setGeometry(8, 40, w - 16, 54);
    panInfo->setGeometry(8, 98, w - 16, 96);
    const int rowHeight = panLiveURL->height();
    const int liveTop = h - rowHeight - 8;
    const int leftWidth = (w - 24) * 3 / 5;
    panLiveURL->setGeometry(8, liveTop, leftWidth, rowHeight);
    panNotes->setGeometry(8, 200, leftWidth, qMax(0, liveTop - 208));
    panCategory->setGeometry(16 + leftWidth, 200, w - 24 - leftWidth, qMax(0, liveTop + rowHeight - 201));
}

void TfrmMain::layoutBottomBar() {
    const int w = panBottom->width();
    const int launchLeft = w / 2 - cxLaunch->width() / 2;
    cxLaunch->move(launchLeft, 6);
    cxPrev->move(launchLeft - 66, 6);
    cxNext->move(launchLeft + 136, 6);
    cxSave->move(w - 180, 6);
}

void TfrmMain::applyLayoutRules() {
    layoutRecordView();
    layoutBottomBar();
    txtFilter->setFixedWidth(qMax(0, panFilter->width() - 16));
}

void TfrmMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    applyLayoutRules();
}

bool TfrmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && Tag == 0 && !m_startupRunning)
        platform::guarded([this] { FormActivate(); });
    return QMainWindow::event(e);
}

Options TfrmMain::currentOptions() const {
    Options o;
    o.submittable = chkSubmittable->isChecked();
    o.autoLaunch = chkAutoLaunch->isChecked();
    o.autoNext = chkAutoNext->isChecked();
    o.warn = cxWarn->isChecked();
    o.clipboard = chkClipboard->isChecked();
    for (int i = 0; i < 4; ++i)
        o.clipboardGeometry[i] = clipboardGeometry[i];
    o.categories = tickedCategoryIDs();
    return o;
}

void TfrmMain::applyOptions(const Options& o) {
    chkSubmittable->setChecked(o.submittable);
    chkAutoLaunch->setChecked(o.autoLaunch);
    chkAutoNext->setChecked(o.autoNext);
    cxWarn->setChecked(o.warn);
    chkClipboard->setChecked(o.clipboard);
    for (int i = 0; i < 4; ++i)
        clipboardGeometry[i] = o.clipboardGeometry[i];
}

void TfrmMain::FormActivate() {
    if (Tag != 0 || m_startupRunning)
        return;
    m_startupRunning = true;
    auto* splash = forms().frmSplash;
    splash->Tag = 0;
    splash->setMessage(tr("Loading..."));
    ribbon->setEnabled(false);
    splash->show();
    splash->raise();
    platform::Ui::instance().repaintPending();

    Options o = currentOptions();
    for (int& g : o.clipboardGeometry)
        g = -1;
    o.categories = lstCategorySelected;
    readOptions(platform::appDir() + QStringLiteral("settings.txt"), o);
    applyOptions(o);
    lstCategorySelected = o.categories;

    // Each step goes on even when the one before it failed.
    auto step = [](const std::function<void()>& fn) { platform::guarded(fn); };
    step([this] { OpenOrCreateManagementDB(m_managementDb); });
    step([this] { PopulateFilterCategories(); });
    step([this] { dxNewProjectClick(true); });
    step([this] { RefreshMRU(true); });
    step([this] { applyLayoutRules(); });
    Tag = 1;

    splash->Tag = 1;
    if (splash->timerElapsed())
        splash->close();
    else
        splash->setCursor(Qt::PointingHandCursor);
    applyLayoutRules();
    m_startupRunning = false;
}

void TfrmMain::splashClosedAfterStartup() {
    dxNewProjectClick(true);
    ribbon->setEnabled(true);
}

void TfrmMain::FormCloseQuery() {
    ConfirmSave();
    auto* clip = forms().frmClipboard;
    if (clip && clip->isVisible())
        clip->FormClose();
    writeOptions(platform::appDir() + QStringLiteral("settings.txt"), currentOptions());
}

void TfrmMain::closeEvent(QCloseEvent* e) {
    platform::guarded([this] { FormCloseQuery(); });
    e->accept();
    // The floating tool windows are not owned by the main window; the program ends with it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->hide();
}

QString TfrmMain::supportUrl() { return QStringLiteral("https://vantorel.example.com/support"); }

void TfrmMain::dxBarLargeButton1Click() {
    auto& ui = platform::Ui::instance();
    const QString path = platform::appDir() + QStringLiteral("user_guide.pdf");
    if (!QFileInfo::exists(path)) {
        ui.warning(QStringLiteral("Cannot find ") + path + QStringLiteral("\r\n\r\nPlease re-install."));
        return;
    }
    if (!ui.shellOpen(path))
        ui.warning(QStringLiteral("Cannot launch your default PDF Reader.\r\n\r\nPlease ensure you have one "
                                  "installed, and manually open ") +
                   path);
}

void TfrmMain::dxBarLargeButton5Click() { platform::Ui::instance().shellOpen(supportUrl()); }

void TfrmMain::dxBarLargeButton2Click() {
    auto* splash = forms().frmSplash;
    splash->Tag = -2;
    splash->setMessage(tr("Version %1").arg(QStringLiteral("1.0")));
    splash->setCursor(Qt::PointingHandCursor);
    platform::Ui::instance().showModal(splash);
}
