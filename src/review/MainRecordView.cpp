// The record view: one site shown, reviewed, edited and opened in the browser.
#include "Helpers.h"
#include "RecordWords.h"
#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "platform/Platform.h"
#include "reference/TfrmClipboard.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

bool TfrmMain::isEditing() const { return cxSave->isVisibleTo(panBottom); }

void TfrmMain::endEditing() {
    cxCancel->hide();
    cxSave->hide();
    lstDomains->setEnabled(true);
    chkCategories->setEnabled(true);
    chkSubmittable->setEnabled(true);
    txtFilter->setEnabled(true);
    const int index = selectedSite();
    cxPrev->setEnabled(index > 0);
    cxNext->setEnabled(index >= 0 && index < domainsModel->rowCount() - 1);
}

void TfrmMain::ShowSite() {
    const int index = selectedSite();
    try {
        if (index >= 0 && index < lstIDs.size()) {
            if (!m_campaignDb)
                throw ESQLiteException(QStringLiteral("No campaign is open"));
            auto t = m_campaignDb->RunQuery(QStringLiteral("SELECT * FROM links WHERE ID = ") + lstIDs[index] +
                                            QStringLiteral(" LIMIT 1"));
            if (t->RowCount() > 0) {
                auto f = [&t](const char* name) { return t->FieldText(QString::fromLatin1(name)); };
                m_filling = true;
                CurrentSourceURL = f("SourceURL");
                QStringList info;
                info << QStringLiteral("[URL] ") + CurrentSourceURL;
                const QString description = f("Description");
                info << QStringLiteral("[Description] ") + (description.isEmpty() ? QStringLiteral("-NONE-") : description);
                labSite->setText(f("SourceDomain") + QStringLiteral("  "));
                const int cat = int(lstCategoryIDs.indexOf(f("Category")));
                lstSiteCategory->setCurrentRow(cat);
                if (cat < 0)
                    lstSiteCategory->clearSelection();
                const RankingBoxes boxes = rankingBoxes(f("Alexa"), f("Backlinks"), f("Reach"), f("Delta"));
                txtAlexa->setText(boxes.alexa);
                txtBacklinks->setText(boxes.backlinks);
                txtReach->setText(boxes.reach);
                txtDelta->setText(boxes.delta);
                const QString date = f("DateLinkFound");
                const QString age = f("LinkAge");
                txtDateFound->setText(date.isEmpty() ? QStringLiteral("-") : date);
                txtLinkAge->setText(age.isEmpty() ? QStringLiteral("-") : age);
                const QString anchor = f("AnchorText");
                const QString dest = f("DestinationURL");
                info << QStringLiteral("[Anchor Text] ") + (anchor.isEmpty() ? QStringLiteral("-NONE-") : anchor);
                info << QStringLiteral("[Anchor URL] ") + (dest.isEmpty() ? QStringLiteral("-NONE-") : dest);
                info << QStringLiteral("[Submittable] ") + submittableWord(f("FoundKeyText"));
                info << QStringLiteral("[Meta No Follow] ") + flagWord(f("FlagMetaNoFollow"));
                info << QStringLiteral("[Meta No Index] ") + flagWord(f("FlagMetaNoIndex"));
                info << QStringLiteral("[Rel No Follow] ") + flagWord(f("FlagRelNoFollow"));
                info << QStringLiteral("[Ref No Referrer] ") + flagWord(f("FlagRefNoReferrer"));
                memInfo->setPlainText(info.join(QLatin1Char('\n')));
                memNotes->setPlainText(f("Notes"));
                txtLiveURL->setText(f("LiveURL"));
                m_filling = false;
            }
        }
    } catch (const ESQLiteException& e) {
        m_filling = false;
        endEditing();
        platform::Ui::instance().warning(QStringLiteral("Error reading from Database - please contact tech support.\r\n") +
                                         e.message());
        close();
        return;
    }
    endEditing();
    panTop->show();
    panBottom->show();
    applyLayoutRules();
}

void TfrmMain::lstSiteCategoryClick() {
    if (cxCancel->isVisibleTo(panBottom) || !panTop->isVisibleTo(this))
        return;
    cxCancel->show();
    cxSave->show();
    cxCancel->raise();
    lstDomains->setEnabled(false);
    chkCategories->setEnabled(false);
    chkSubmittable->setEnabled(false);
    txtFilter->setEnabled(false);
    cxPrev->setEnabled(false);
    cxNext->setEnabled(false);
}

void TfrmMain::cxCancelClick() {
    if (!platform::Ui::instance().ask(QStringLiteral("Are you sure you want to cancel changes?")))
        return;
    lstDomains->setEnabled(true);
    lstDomainsClick();
}

void TfrmMain::cxSaveClick() {
    auto& ui = platform::Ui::instance();
    const int index = selectedSite();
    if (index < 0 || index >= lstIDs.size())
        return;
    const int catRow = lstSiteCategory->currentRow();
    if (catRow < 0 || catRow >= lstCategoryIDs.size() || lstSiteCategory->selectedItems().isEmpty()) {
        // The record's category was deleted and none has been picked yet.
        ui.warning(QStringLiteral("Please choose a Site Category"));
        return;
    }
    const QString categoryId = lstCategoryIDs[catRow];
    if (cxWarn->isChecked() && categoryId == QLatin1String("1")) {
        if (!ui.ask(QStringLiteral("Category still says \"Unreviwed\" - are you sure you want to Save?")))
            return;
    } else if (cxWarn->isChecked() && categoryId == QLatin1String("3") && txtLiveURL->text().isEmpty()) {
        if (!ui.ask(QStringLiteral(
                "Category says \"Link is Live\" but you have not specified a URL - are you sure you want to Save?")))
            return;
    }
    try {
        m_campaignDb->RunStatement(QStringLiteral("UPDATE links SET Category = ") + categoryId +
                                       QStringLiteral(", Notes=?, LiveURL=? WHERE ID = ") + lstIDs[index],
                                   {memNotes->toPlainText(), txtLiveURL->text()});
    } catch (const ESQLiteException& e) {
        ui.warning(QStringLiteral("Error writing to Database - please contact tech support.\r\n") + e.message());
        return;
    }
    const QStringList ticked = tickedCategoryIDs();
    const bool leaves = !ticked.isEmpty() && !ticked.contains(categoryId);
    if (leaves) {
        const int n = domainsModel->rowCount();
        m_selecting = true;
        domainsModel->removeRows(index, 1);
        m_selecting = false;
        lstIDs.removeAt(index);
        panRecordCount->setText(FormatCount(n - 1) + QStringLiteral(" / ") + FormatCount(TotalRecordCount) +
                                QStringLiteral(" Domains"));
        LastShownIndex = -1;
        SetDirty();
        if (index < domainsModel->rowCount()) {
            selectSite(index);
            lstDomainsClick();
        } else {
            selectSite(-1);
            endEditing();
            lstDomainsClick();
            if (domainsModel->rowCount() == 0)
                setSiteCommandsEnabled(false);
        }
        return;
    }
    SetDirty();
    if (chkAutoNext->isChecked() && index < domainsModel->rowCount() - 1)
        cxNextClick();
    else
        endEditing();
}

void TfrmMain::cxNextClick() {
    const int index = selectedSite();
    if (index >= 0 && index < domainsModel->rowCount() - 1) {
        selectSite(index + 1);
        lstDomainsClick();
    }
}

void TfrmMain::cxPrevClick() {
    const int index = selectedSite();
    if (index > 0) {
        selectSite(index - 1);
        lstDomainsClick();
    }
}

void TfrmMain::cxLaunchClick() {
    const QString url = txtLiveURL->text().isEmpty() ? CurrentSourceURL : txtLiveURL->text();
    BrowseURL(url);
    if (chkClipboard->isChecked())
        cxClipboardClick();
}

void TfrmMain::cxClipboardClick() {
    if (TfrmClipboard* clip = forms().frmClipboard)
        clip->showManager();
}
