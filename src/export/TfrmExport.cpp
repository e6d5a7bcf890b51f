#include "TfrmExport.h"

#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "db/SQLiteTable.h"
#include "platform/Platform.h"
#include "platform/Skin.h"
#include "platform/TextFile.h"
#include "review/Helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString kReadError = QStringLiteral("Error Reading from Database - please contact tech support.\r\n");
const char* const kColumns[19] = {"DateLinkFound",    "SourceURL",       "SourceDomain",     "DestinationURL",
                                  "AnchorText",       "LinkAge",         "FlagMetaNoFollow", "FlagMetaNoIndex",
                                  "FlagRelNoFollow",  "FlagRefNoReferrer", "Category",       "Notes",
                                  "LiveURL",          "Alexa",           "Backlinks",        "Reach",
                                  "Delta",            "Description",     "FoundKeyText"};

TSQLiteDatabase* need(TSQLiteDatabase* db, const char* what) {
    if (!db)
        throw ESQLiteException(QString::fromLatin1(what));
    return db;
}

QString exportedValue(int column, const QString& value) {
    if (column == 13) {
        if (value == QLatin1String("50000001"))
            return QStringLiteral("Not Checked");
        if (value == QLatin1String("50000000"))
            return QStringLiteral("0");
    } else if (column == 18) {
        if (value == QLatin1String("0"))
            return QStringLiteral("Not Found");
        if (value == QLatin1String("1"))
            return QStringLiteral("Found");
        if (value == QLatin1String("-1"))
            return QStringLiteral("Not Checked");
        if (value == QLatin1String("-2"))
            return QStringLiteral("Unable to View");
    }
    return value;
}

} // namespace

QString EscapeStringCSV(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString TfrmExport::headerLine() {
    QStringList names;
    for (const char* c : kColumns)
        names << EscapeStringCSV(QString::fromLatin1(c));
    return names.join(QLatin1Char(','));
}

TfrmExport::TfrmExport(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("Export Backlinks"));
    setModal(true);
    setFixedSize(560, 420);
    auto* row = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(new platform::GradientHeading(tr("Filter"), this));
    chkCategories = new QListWidget(this);
    chkCategories->setObjectName(QStringLiteral("chkCategories"));
    left->addWidget(chkCategories, 1);
    chkSubmittable = new QCheckBox(tr("Only Potential Submittable Sites?"), this);
    left->addWidget(chkSubmittable);
    row->addLayout(left, 1);
    auto* right = new QVBoxLayout;
    auto* count = new QHBoxLayout;
    labMatching = new QLabel(QStringLiteral("0"), this);
    labMatching->setObjectName(QStringLiteral("labMatching"));
    labMatching->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = labMatching->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 10);
    labMatching->setFont(big);
    count->addWidget(labMatching, 1);
    count->addWidget(new QLabel(tr("Matching Records"), this));
    right->addLayout(count);
    right->addStretch(1);
    cxExport = new QPushButton(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Export"), this);
    cxExport->setIconSize(QSize(40, 40));
    cxExport->setMinimumSize(140, 90);
    right->addWidget(cxExport, 0, Qt::AlignCenter);
    right->addStretch(1);
    cxDone = new QPushButton(tr("Done"), this);
    right->addWidget(cxDone, 0, Qt::AlignRight);
    row->addLayout(right, 1);
    connect(chkCategories, &QListWidget::itemChanged, this, [this] {
        if (!m_filling)
            platform::guarded([this] { chkCategoriesClick(); });
    });
    connect(chkSubmittable, &QCheckBox::clicked, this, [this] { platform::guarded([this] { chkCategoriesClick(); }); });
    connect(cxExport, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxExportClick(); }); });
    connect(cxDone, &QPushButton::clicked, this, &TfrmExport::cxDoneClick);
}

bool TfrmExport::prepare() {
    if (!PopulateFilterCategories() || !countFilteredRecords())
        return false;
    return true;
}

bool TfrmExport::PopulateFilterCategories() {
    m_filling = true;
    chkCategories->clear();
    lstCategoryIDs.clear();
    if (lstCategorySelected.isEmpty())
        lstCategorySelected << QStringLiteral("1");
    try {
        auto t = need(forms().frmMain->managementDb(), "The management database is not open")
                     ->RunQuery(QStringLiteral("SELECT [ID],[Category] FROM categories ORDER BY [Category] COLLATE NOCASE;"));
        for (int r = 0; r < t->RowCount(); ++r) {
            const QString id = t->FieldText(QStringLiteral("ID"));
            auto* item = new QListWidgetItem(t->FieldText(QStringLiteral("Category")));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(lstCategorySelected.contains(id) ? Qt::Checked : Qt::Unchecked);
            chkCategories->addItem(item);
            lstCategoryIDs << id;
            t->NextRow();
        }
    } catch (const ESQLiteException& e) {
        m_filling = false;
        platform::Ui::instance().warning(kReadError + e.message());
        return false;
    }
    m_filling = false;
    return true;
}

QString TfrmExport::generateFilterSQL(bool countOnly) const {
    QStringList ticked;
    for (int i = 0; i < chkCategories->count() && i < lstCategoryIDs.size(); ++i)
        if (chkCategories->item(i)->checkState() == Qt::Checked)
            ticked << lstCategoryIDs[i];
    QString sql = countOnly ? QStringLiteral("SELECT COUNT(*) AS Num FROM links ") : QStringLiteral("SELECT * FROM links ");
    if (!ticked.isEmpty()) {
        sql += QStringLiteral(" WHERE Category IN (") + ticked.join(QLatin1Char(',')) + QStringLiteral(") ");
        if (chkSubmittable->isChecked())
            sql += QStringLiteral(" AND FoundKeyText = 1");
    } else if (chkSubmittable->isChecked()) {
        sql += QStringLiteral(" WHERE FoundKeyText = 1");
    }
    return sql;
}

bool TfrmExport::countFilteredRecords() {
    try {
        auto t = need(forms().frmMain->campaignDb(), "No campaign is open")->RunQuery(generateFilterSQL(true));
        labMatching->setText(FormatCount(t->FieldInteger(QStringLiteral("Num"))));
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kReadError + e.message());
        return false;
    }
    return true;
}

void TfrmExport::chkCategoriesClick() {
    if (!countFilteredRecords())
        close();
}

void TfrmExport::cxExportClick() {
    auto& ui = platform::Ui::instance();
    if (labMatching->text() == QLatin1String("0")) {
        ui.warning(QStringLiteral("No matching records!"));
        return;
    }
    const QString path = ui.saveFileName(this, QStringLiteral("Export to CSV"), QStringLiteral("CSV File|*.csv"),
                                         QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !ui.ask(QStringLiteral("Overwrite ") + path + QStringLiteral("?")))
        return;
    if (!exportData(path))
        return;
    const QString shown = labMatching->text();
    ui.information(shown + (shown == QLatin1String("1") ? QStringLiteral(" record exported to file.")
                                                         : QStringLiteral(" records exported to file.")));
}

bool TfrmExport::exportData(const QString& path) {
    auto& ui = platform::Ui::instance();
    QByteArray buffer = headerLine().toUtf8() + "\r\n";
    try {
        auto t = need(forms().frmMain->campaignDb(), "No campaign is open")->RunQuery(generateFilterSQL(false));
        int cols[19];
        for (int c = 0; c < 19; ++c)
            cols[c] = t->columnIndex(QString::fromLatin1(kColumns[c]));
        QStringList fields;
        for (int r = 0; r < t->RowCount(); ++r) {
            fields.clear();
            for (int c = 0; c < 19; ++c) {
                const QVariant& v = cols[c] >= 0 ? t->value(r, cols[c]) : QVariant();
                fields << EscapeStringCSV(exportedValue(c, v.isNull() ? QString() : v.toString()));
            }
            buffer += fields.join(QLatin1Char(',')).toUtf8();
            buffer += "\r\n";
        }
    } catch (const ESQLiteException& e) {
        ui.warning(kReadError + e.message());
        close();
        return false;
    }
    // Written whole or not at all: a failure leaves an existing file as it was.
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    const bool ok = !platform::isReadOnlyFile(path) && f.open(QIODevice::WriteOnly) &&
                    f.write(buffer) == buffer.size() && f.commit();
    if (!ok) {
        ui.warning(QStringLiteral("Unable to Write to File - please check File Permissions."));
        close();
        return false;
    }
    return true;
}
