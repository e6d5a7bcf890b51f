#include "TfrmCategories.h"

#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "db/SQLiteTable.h"
#include "platform/Platform.h"
#include "platform/Skin.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kWriteError = QStringLiteral("Error writing to Database - please contact tech support.\r\n");

TSQLiteDatabase* db() {
    TSQLiteDatabase* d = forms().frmMain ? forms().frmMain->managementDb() : nullptr;
    if (!d)
        throw ESQLiteException(QStringLiteral("The management database is not open"));
    return d;
}
} // namespace

bool TfrmCategories::isProtected(const QString& id) {
    bool ok = false;
    const int v = id.toInt(&ok);
    return ok && v <= 4;
}

TfrmCategories::TfrmCategories(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmCategories"));
    setWindowTitle(QStringLiteral("Site Category Management"));
    setModal(true);
    setFixedSize(380, 480);
    auto* v = new QVBoxLayout(this);
    lstCategories = new QListWidget(this);
    lstCategories->setObjectName(QStringLiteral("lstCategories"));
    v->addWidget(lstCategories, 1);
    panCannotBeModified = new QLabel(tr("This category cannot be modified"), this);
    panCannotBeModified->setAlignment(Qt::AlignCenter);
    panCannotBeModified->setMinimumHeight(26);
    panCannotBeModified->setStyleSheet(QStringLiteral("QLabel{background:#b01818;color:white;font-weight:bold;}"));
    v->addWidget(panCannotBeModified);
    panEditDelete = new QWidget(this);
    auto* ed = new QHBoxLayout(panEditDelete);
    ed->setContentsMargins(0, 0, 0, 0);
    cxEdit = new QPushButton(tr("Edit"), panEditDelete);
    cxAddNew = new QPushButton(tr("Add New Category"), panEditDelete);
    cxDelete = new QPushButton(tr("Delete"), panEditDelete);
    ed->addWidget(cxEdit);
    ed->addStretch(1);
    ed->addWidget(cxAddNew);
    ed->addStretch(1);
    ed->addWidget(cxDelete);
    v->addWidget(panEditDelete);
    panNew = new QWidget(this);
    auto* nv = new QVBoxLayout(panNew);
    nv->setContentsMargins(0, 0, 0, 0);
    nv->addWidget(new platform::GradientHeading(tr("Add Category"), panNew));
    txtCategory = new QLineEdit(panNew);
    txtCategory->setObjectName(QStringLiteral("txtCategory"));
    txtCategory->setMaxLength(255);
    nv->addWidget(txtCategory);
    auto* cs = new QHBoxLayout;
    cxCancel = new QPushButton(tr("Cancel"), panNew);
    cxSave = new QPushButton(tr("Save"), panNew);
    cs->addStretch(1);
    cs->addWidget(cxCancel);
    cs->addWidget(cxSave);
    nv->addLayout(cs);
    v->addWidget(panNew);

    auto click = [this](QPushButton* b, void (TfrmCategories::*fn)()) {
        connect(b, &QPushButton::clicked, this, [this, fn] { platform::guarded([this, fn] { (this->*fn)(); }); });
    };
    click(cxEdit, &TfrmCategories::cxEditClick);
    click(cxAddNew, &TfrmCategories::cxAddNewClick);
    click(cxDelete, &TfrmCategories::cxDeleteClick);
    click(cxCancel, &TfrmCategories::cxCancelClick);
    click(cxSave, &TfrmCategories::cxSaveClick);
    connect(lstCategories, &QListWidget::itemSelectionChanged, this, &TfrmCategories::lstCategoriesClick);
    connect(lstCategories, &QListWidget::itemDoubleClicked, this,
            [this] { platform::guarded([this] { cxEditClick(); }); });
    panNew->hide();
    panCannotBeModified->hide();
}

void TfrmCategories::prepare() {
    panEditDelete->show();
    panNew->hide();
    panCannotBeModified->hide();
    {
        const QSignalBlocker block(lstCategories);
        lstCategories->clear();
    }
    lstIDs.clear();
    txtCategory->clear();
    lstCategories->setEnabled(true);
    populateCatgories();
    lstCategoriesClick();
}

void TfrmCategories::populateCatgories() {
    try {
        auto t = db()->RunQuery(QStringLiteral("SELECT [ID],[Category] FROM categories ORDER BY [Category] COLLATE NOCASE;"));
        const QSignalBlocker block(lstCategories);
        for (int r = 0; r < t->RowCount(); ++r) {
            lstCategories->addItem(t->FieldText(QStringLiteral("Category")));
            lstIDs << t->FieldText(QStringLiteral("ID"));
            t->NextRow();
        }
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(QStringLiteral("Error Reading from Database - please contact tech support.\r\n") +
                                         e.message());
    }
}

void TfrmCategories::lstCategoriesClick() {
    const int row = lstCategories->currentRow();
    if (row < 0 || lstCategories->selectedItems().isEmpty() || row >= lstIDs.size()) {
        panNew->hide();
        panCannotBeModified->hide();
        cxEdit->hide();
        cxDelete->hide();
        return;
    }
    const bool locked = isProtected(lstIDs[row]);
    panCannotBeModified->setVisible(locked);
    cxEdit->setVisible(!locked);
    cxDelete->setVisible(!locked);
}

void TfrmCategories::cxEditClick() {
    const int row = lstCategories->currentRow();
    if (panCannotBeModified->isVisibleTo(this) || row < 0 || lstCategories->selectedItems().isEmpty())
        return;
    lstCategories->setEnabled(false);
    panEditDelete->hide();
    mode = Mode::Editing;
    txtCategory->setText(lstCategories->item(row)->text());
    panNew->show();
    txtCategory->setFocus();
}

void TfrmCategories::cxAddNewClick() {
    mode = Mode::Adding;
    lstCategories->setEnabled(false);
    panEditDelete->hide();
    txtCategory->clear();
    panNew->show();
    txtCategory->setFocus();
}

void TfrmCategories::cxCancelClick() {
    if (platform::Ui::instance().ask(QStringLiteral("Are you sure you want to cancel any changes?")))
        HidePanels();
}

void TfrmCategories::HidePanels() {
    panNew->hide();
    lstCategories->setEnabled(true);
    panEditDelete->show();
    lstCategoriesClick();
}

void TfrmCategories::cxSaveClick() {
    auto& ui = platform::Ui::instance();
    const QString name = txtCategory->text();
    if (name.isEmpty()) {
        ui.warning(QStringLiteral("Category Name cannot be blank!"));
        return;
    }
    if (mode == Mode::Adding) {
        try {
            db()->RunStatement(QStringLiteral("INSERT INTO categories(Category) VALUES (?);"), {name});
        } catch (const ESQLiteException& e) {
            ui.warning(kWriteError + e.message());
            return;
        }
        {
            const QSignalBlocker block(lstCategories);
            lstCategories->addItem(name);
        }
        try {
            lstIDs << QString::number(db()->LastInsertRowId());
        } catch (const ESQLiteException& e) {
            ui.warning(kWriteError + e.message());
            // The two lists must name the same categories: read both afresh.
            {
                const QSignalBlocker block(lstCategories);
                lstCategories->clear();
            }
            lstIDs.clear();
            populateCatgories();
            return;
        }
        HidePanels();
        return;
    }
    const int row = lstCategories->currentRow();
    if (row < 0 || row >= lstIDs.size())
        return;
    try {
        db()->RunStatement(QStringLiteral("UPDATE categories SET Category=? WHERE ID=") + lstIDs[row] +
                               QStringLiteral(";"),
                           {name});
    } catch (const ESQLiteException& e) {
        ui.warning(kWriteError + e.message());
        return;
    }
    lstCategories->item(row)->setText(name);
    HidePanels();
}

void TfrmCategories::cxDeleteClick() {
    const int row = lstCategories->currentRow();
    if (row < 0 || row >= lstIDs.size() || lstCategories->selectedItems().isEmpty() || isProtected(lstIDs[row]))
        return;
    const QString name = lstCategories->item(row)->text();
    if (!platform::Ui::instance().ask(QStringLiteral("Are you sure that you want to delete \"") + name +
                                      QStringLiteral("\" category?")))
        return;
    try {
        db()->RunStatement(QStringLiteral("DELETE FROM categories WHERE ID = ") + lstIDs[row]);
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kWriteError + e.message());
        return;
    }
    lstIDs.removeAt(row);
    {
        const QSignalBlocker block(lstCategories);
        delete lstCategories->takeItem(row);
        lstCategories->clearSelection();
        lstCategories->setCurrentRow(-1);
    }
    HidePanels();
}
