// The site filter and the site list of the main window.
#include "Helpers.h"
#include "app/TfrmMain.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

namespace {
const QString kReadError = QStringLiteral("Error Reading from Database - please contact tech support.\r\n");
}

void TfrmMain::PopulateFilterCategories() {
    m_populating = true;
    m_filling = true;
    chkCategories->clear();
    lstCategoryIDs.clear();
    lstSiteCategory->clear();
    m_filling = false;
    if (lstCategorySelected.isEmpty())
        lstCategorySelected << QStringLiteral("1");
    try {
        if (!m_managementDb)
            throw ESQLiteException(QStringLiteral("The management database is not open"));
        auto t = m_managementDb->RunQuery(
            QStringLiteral("SELECT [ID],[Category] FROM categories ORDER BY [Category] COLLATE NOCASE;"));
        for (int i = 0; i < t->RowCount(); ++i) {
            const QString id = t->FieldText(QStringLiteral("ID"));
            const QString name = t->FieldText(QStringLiteral("Category"));
            auto* item = new QListWidgetItem(name);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(lstCategorySelected.contains(id) ? Qt::Checked : Qt::Unchecked);
            chkCategories->addItem(item);
            lstCategoryIDs << id;
            m_filling = true;
            lstSiteCategory->addItem(name);
            m_filling = false;
            t->NextRow();
        }
    } catch (const ESQLiteException& e) {
        m_populating = false;
        m_filling = false;
        platform::Ui::instance().warning(kReadError + e.message());
        return;
    }
    m_populating = false;
}

QStringList TfrmMain::tickedCategoryIDs() const {
    QStringList ids;
    for (int i = 0; i < chkCategories->count() && i < lstCategoryIDs.size(); ++i)
        if (chkCategories->item(i)->checkState() == Qt::Checked)
            ids << lstCategoryIDs[i];
    return ids;
}

QString TfrmMain::generateFilterSQL() const {
    const QStringList ticked = tickedCategoryIDs();
    QString sql = QStringLiteral("SELECT ID, SourceDomain FROM links ");
    bool condition = false;
    if (!ticked.isEmpty()) {
        sql += QStringLiteral(" WHERE Category IN (") + ticked.join(QLatin1Char(',')) + QStringLiteral(") ");
        if (chkSubmittable->isChecked())
            sql += QStringLiteral(" AND FoundKeyText = 1");
        condition = true;
    } else if (chkSubmittable->isChecked()) {
        sql += QStringLiteral(" WHERE FoundKeyText = 1");
        condition = true;
    }
    const QString text = txtFilter->text();
    if (!text.isEmpty()) {
        sql += condition ? QStringLiteral(" AND SourceDomain LIKE '%") : QStringLiteral(" WHERE SourceDomain LIKE '%");
        sql += QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QStringLiteral("%'");
    }
    return sql;
}

qint64 TfrmMain::countRecords() {
    try {
        if (!m_campaignDb)
            throw ESQLiteException(QStringLiteral("No campaign is open"));
        auto t = m_campaignDb->RunQuery(QStringLiteral("SELECT COUNT(*) AS Num FROM links"));
        return t->FieldInteger(QStringLiteral("Num"));
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kReadError + e.message());
        return 0;
    }
}

void TfrmMain::setSiteCommandsEnabled(bool on) {
    dxBrowse->setEnabled(on);
    dxAlexaRank->setEnabled(on);
    dxSubmittable->setEnabled(on);
}

void TfrmMain::resetSiteView() {
    m_selecting = true;
    domainsModel->setStringList({});
    m_selecting = false;
    lstIDs.clear();
    LastShownIndex = -1;
    endEditing();
    panTop->hide();
    panBottom->hide();
    TotalRecordCount = 0;
    panRecordCount->setText(QStringLiteral("0 Domains"));
    setSiteCommandsEnabled(false);
}

void TfrmMain::showFilteredRecords() {
    panRecordCount->clear();
    setSiteCommandsEnabled(false);
    m_selecting = true;
    domainsModel->setStringList({});
    m_selecting = false;
    lstIDs.clear();
    LastShownIndex = -1;
    endEditing();
    panTop->hide();
    panBottom->hide();
    try {
        if (!m_campaignDb)
            throw ESQLiteException(QStringLiteral("No campaign is open"));
        auto t = m_campaignDb->RunQuery(generateFilterSQL() + QStringLiteral(" ORDER BY Alexa, SourceDomain "));
        const int n = t->RowCount();
        QStringList domains;
        domains.reserve(n);
        lstIDs.reserve(n);
        if (n > 0) {
            const int idCol = t->columnIndex(QStringLiteral("ID"));
            const int domainCol = t->columnIndex(QStringLiteral("SourceDomain"));
            for (int i = 0; i < n; ++i) {
                lstIDs << t->value(i, idCol).toString();
                domains << t->value(i, domainCol).toString();
            }
        }
        m_selecting = true;
        domainsModel->setStringList(domains);
        m_selecting = false;
        panRecordCount->setText(FormatCount(n) + QStringLiteral(" / ") + FormatCount(TotalRecordCount) +
                                QStringLiteral(" Domains"));
        if (n > 0)
            setSiteCommandsEnabled(true);
    } catch (const ESQLiteException& e) {
        m_selecting = false;
        lstIDs.clear();
        platform::Ui::instance().warning(kReadError + e.message());
    }
}

void TfrmMain::chkCategoriesClickCheck() {
    if (Tag != 1)
        return;
    showFilteredRecords();
}

int TfrmMain::selectedSite() const {
    const QModelIndex i = lstDomains->currentIndex();
    if (!i.isValid() || !lstDomains->selectionModel()->isSelected(i))
        return -1;
    return i.row();
}

void TfrmMain::selectSite(int index) {
    m_selecting = true;
    if (index < 0 || index >= domainsModel->rowCount()) {
        lstDomains->selectionModel()->clear();
    } else {
        const QModelIndex i = domainsModel->index(index);
        lstDomains->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        lstDomains->scrollTo(i);
    }
    m_selecting = false;
}

void TfrmMain::lstDomainsClick() {
    const int index = selectedSite();
    if (index < 0) {
        panTop->hide();
        panBottom->hide();
        chkCategories->setEnabled(true);
        chkSubmittable->setEnabled(true);
        txtFilter->setEnabled(true);
        lstDomains->setEnabled(true);
        return;
    }
    ShowSite();
    if (index == LastShownIndex)
        return;
    if (chkAutoLaunch->isChecked())
        cxLaunchClick();
    LastShownIndex = index;
}

void TfrmMain::dxBrowseClick() {
    if (domainsModel->rowCount() < 1)
        return;
    selectSite(0);
    lstDomainsClick();
}
