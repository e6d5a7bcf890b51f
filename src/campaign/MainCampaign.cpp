// Campaign files: the working copy, the modified flag, Save, Save As, Open and the recent list.
#include "CampaignSchema.h"
#include "app/TfrmMain.h"
#include "platform/Platform.h"
#include "platform/Ribbon.h"
#include "platform/TextFile.h"
#include "review/Helpers.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

namespace {
const QString kCampaignFilter = QStringLiteral("Vantorel Campaigns|*.vtc");
const QString kCampaignExt = QStringLiteral("vtc");
QString mruPath() { return platform::appDir() + QStringLiteral("mru.txt"); }
} // namespace

bool TfrmMain::OpenProject(const QString& path) {
    auto& ui = platform::Ui::instance();
    m_campaignDb.reset();
    try {
        m_campaignDb = TSQLiteDatabase::OpenDatabase(path);
    } catch (const ESQLiteException& e) {
        ui.warning(QStringLiteral("Error Opening Campaign Database - please contact tech support.\r\n") + e.message());
        return false;
    }
    // A file that is no database fails here; that error reaches the caller's general error box.
    if (!m_campaignDb->HasTable(QStringLiteral("links"))) {
        try {
            m_campaignDb->RunStatement(campaign::linksTableStatement());
            for (const QString& s : campaign::linksIndexStatements())
                m_campaignDb->RunStatement(s);
        } catch (const ESQLiteException& e) {
            ui.warning(QStringLiteral("Error writing to Database - please contact tech support.\r\n") + e.message());
            return false;
        }
    }
    return true;
}

void TfrmMain::dxNewProjectClick(bool silent) {
    auto& ui = platform::Ui::instance();
    ConfirmSave();
    resetSiteView();
    const QString path = campaign::workingCopyPath();
    if (QFileInfo::exists(path) && m_campaignDb) {
        try {
            if (m_campaignDb->HasTable(QStringLiteral("links")))
                m_campaignDb->RunStatement(QStringLiteral("DROP TABLE links"));
            m_campaignDb.reset();
        } catch (const ESQLiteException& e) {
            ui.warning(QStringLiteral("Error deleting temp Database - please contact tech support.\r\n") + e.message());
            return;
        }
    }
    if (OpenProject(path)) {
        campaignFileName.clear();
        ShowFileName(QString());
        SetClean();
        if (!silent)
            ui.confirmation(QStringLiteral("New Campaign Created"));
    } else {
        ui.warning(QStringLiteral("Unable to Create New Campaign - Please check File Permissions"));
    }
}

bool TfrmMain::isDirty() const { return panModified->text() == QLatin1String("Modified"); }

void TfrmMain::SetDirty() {
    if (isDirty())
        return;
    panModified->setText(QStringLiteral("Modified"));
    dxSaveProject->setEnabled(true);
    dxSaveProjectAs->setEnabled(true);
}

void TfrmMain::SetClean() {
    if (!isDirty())
        return;
    panModified->clear();
    dxSaveProject->setEnabled(false);
    dxSaveProjectAs->setEnabled(false);
}

void TfrmMain::ConfirmSave() {
    if (isDirty() && platform::Ui::instance().ask(QStringLiteral("Save Changes to Active Campaign?")))
        dxSaveProjectClick();
}

void TfrmMain::ShowFileName(const QString& name) {
    panFileName->setText(name);
    panFileName->setToolTip(name);
}

void TfrmMain::dxSaveProjectClick() {
    if (!campaignFileName.isEmpty())
        SaveProjectFile(campaignFileName);
    else
        dxSaveProjectAsClick();
}

void TfrmMain::dxSaveProjectAsClick() {
    const QString name =
        platform::Ui::instance().saveFileName(this, QStringLiteral("Save Campaign"), kCampaignFilter, kCampaignExt);
    if (name.isEmpty())
        return;
    campaignFileName = name;
    SaveProjectFile(name);
}

void TfrmMain::SaveProjectFile(const QString& path) {
    auto& ui = platform::Ui::instance();
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !ui.ask(QStringLiteral("Do you want to overwrite ") + path + QStringLiteral("?")))
        return;
    try {
        QString error;
        if (!campaign::copyFileSafely(campaign::workingCopyPath(), path, &error)) {
            ui.warning(QStringLiteral("Error Saving File - please try again."));
            return;
        }
    } catch (const std::exception& e) {
        ui.warning(QStringLiteral("Error Saving File - please try again.\r\n") + QString::fromUtf8(e.what()));
        return;
    }
    lastCampaignPath = path;
    SetClean();
    UpdateMRU();
    ShowFileName(path);
    ui.information(QStringLiteral("Campaign Saved!"));
}

void TfrmMain::dxOpenProjectClick() {
    ConfirmSave();
    const QString name =
        platform::Ui::instance().openFileName(this, QStringLiteral("Open Campaign"), kCampaignFilter, kCampaignExt);
    if (!name.isEmpty())
        OpenProjectFile(name);
}

void TfrmMain::OpenProjectFile(const QString& path) {
    auto& ui = platform::Ui::instance();
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        ui.warning(QStringLiteral("Unable to open file ") + path + QStringLiteral(" - please check file permissions"));
        return;
    }
    // Test the file before it replaces the working copy, so a file that is no campaign
    // costs the user nothing; its error goes to the general error box.
    {
        auto probe = TSQLiteDatabase::OpenDatabase(path);
        probe->HasTable(QStringLiteral("links"));
    }
    m_campaignDb.reset();
    try {
        if (!campaign::copyFileSafely(path, campaign::workingCopyPath())) {
            ui.warning(QStringLiteral("Error Opening File - please try again."));
            return;
        }
    } catch (const std::exception& e) {
        ui.warning(QStringLiteral("Error Opening File - please try again.\r\n") + QString::fromUtf8(e.what()));
        return;
    }
    OpenProject(campaign::workingCopyPath());
    ShowFileName(path);
    campaignFileName = path;
    lastCampaignPath = path;
    SetClean();
    UpdateMRU();
    const qint64 count = countRecords();
    ui.information(QStringLiteral("Campaign Opened - Contains information on ") + FormatCount(count) +
                   QStringLiteral(" Domain") + (count == 1 ? QString() : QStringLiteral("s")));
    TotalRecordCount = count;
    showFilteredRecords();
}

void TfrmMain::RefreshMRU(bool load) {
    if (load && QFileInfo::exists(mruPath())) {
        QStringList lines;
        if (platform::readLines(mruPath(), lines))
            lbMRU = lines;
        else
            lbMRU.clear();
    }
    ribbon->applicationMenu()->setRecentItems(lbMRU);
}

void TfrmMain::UpdateMRU() {
    for (int i = 0; i < lbMRU.size(); ++i) {
        if (lbMRU[i].compare(lastCampaignPath, Qt::CaseInsensitive) == 0) {
            lbMRU.removeAt(i);
            break;
        }
    }
    lbMRU.prepend(lastCampaignPath);
    platform::writeLines(mruPath(), lbMRU);
    RefreshMRU(false);
}

void TfrmMain::dxBarApplicationMenu1ExtraPaneItemClick(int index) {
    ConfirmSave();
    if (index >= 0 && index < lbMRU.size())
        OpenProjectFile(lbMRU[index]);
}
