#include "TfrmImportConfig.h"

#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "platform/Platform.h"
#include "platform/Skin.h"
#include "review/Helpers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kPickerLabels[10] = {"Date Link Found:",   "Source URL:",          "Source Domain:",
                                       "Destination URL:",   "Anchor Text:",         "Link Age:",
                                       "Flag Meta No Follow:", "Flag Meta No Index:", "Flag Rel No Follow:",
                                       "Flag Rel No Referrer:"};
const QString kWriteError = QStringLiteral("Error writing to Database - please contact tech support.\r\n");

TSQLiteDatabase* db() {
    TSQLiteDatabase* d = forms().frmMain ? forms().frmMain->managementDb() : nullptr;
    if (!d)
        throw ESQLiteException(QStringLiteral("The management database is not open"));
    return d;
}

int toColumn(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        throw ESQLiteException(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}

} // namespace

QString TfrmImportConfig::columnLetter(int column) {
    if (column < 0)
        return QStringLiteral("Not Used");
    if (column < 26)
        return QString(QChar('A' + column));
    return QStringLiteral("A") + QChar('A' + column - 26);
}

TfrmImportConfig::TfrmImportConfig(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmImportConfig"));
    setWindowTitle(QStringLiteral("File Configurations"));
    setModal(true);
    resize(820, 600);
    auto* row = new QHBoxLayout(this);

    auto* left = new QWidget(this);
    left->setFixedWidth(250);
    auto* lv = new QVBoxLayout(left);
    lv->setContentsMargins(0, 0, 0, 0);
    panLeftTop = new QWidget(left);
    panLeftTop->setFixedHeight(36);
    cxNew = new QPushButton(tr("Create New Configuration"), panLeftTop);
    lv->addWidget(panLeftTop);
    lv->addWidget(new platform::GradientHeading(tr("Existing Configurations"), left));
    lstConfigs = new QListWidget(left);
    lstConfigs->setObjectName(QStringLiteral("lstConfigs"));
    lv->addWidget(lstConfigs, 1);
    panLeftBottom = new QWidget(left);
    panLeftBottom->setFixedHeight(36);
    cxEdit = new QPushButton(tr("Edit"), panLeftBottom);
    cxDelete = new QPushButton(tr("Delete"), panLeftBottom);
    cxEdit->setGeometry(4, 4, 80, 28);
    cxDelete->resize(80, 28);
    lv->addWidget(panLeftBottom);
    row->addWidget(left);

    auto* right = new QWidget(this);
    auto* rv = new QVBoxLayout(right);
    rv->setContentsMargins(0, 0, 0, 0);
    panEdit = new QWidget(right);
    auto* ev = new QVBoxLayout(panEdit);
    ev->setContentsMargins(0, 0, 0, 0);
    ev->addWidget(new platform::GradientHeading(tr("Configuration"), panEdit));
    auto* form = new QFormLayout;
    txtName = new QLineEdit(panEdit);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(255);
    txtIdentifier = new QLineEdit(panEdit);
    txtIdentifier->setObjectName(QStringLiteral("txtIdentifier"));
    txtIdentifier->setMaxLength(1024);
    form->addRow(tr("Name:"), txtName);
    form->addRow(tr("1st Line of CSV File:"), txtIdentifier);
    ev->addLayout(form);
    auto* columns = new QGroupBox(tr("Columns"), panEdit);
    auto* grid = new QGridLayout(columns);
    QStringList letters;
    for (int c = -1; c <= 51; ++c)
        letters << columnLetter(c);
    for (int i = 0; i < 10; ++i) {
        cboCols[i] = new QComboBox(columns);
        cboCols[i]->addItems(letters);
        cboCols[i]->setMaxVisibleItems(20);
        grid->addWidget(new QLabel(tr(kPickerLabels[i]), columns), i % 5, (i / 5) * 2);
        grid->addWidget(cboCols[i], i % 5, (i / 5) * 2 + 1);
    }
    ev->addWidget(columns);
    panSaveCancel = new QWidget(panEdit);
    auto* sc = new QHBoxLayout(panSaveCancel);
    sc->addStretch(1);
    cxCancel = new QPushButton(tr("Cancel"), panSaveCancel);
    cxSave = new QPushButton(tr("Save"), panSaveCancel);
    sc->addWidget(cxCancel);
    sc->addWidget(cxSave);
    ev->addWidget(panSaveCancel);
    rv->addWidget(panEdit);
    rv->addStretch(1);

    auto* help = new QWidget(right);
    auto* hv = new QVBoxLayout(help);
    hv->addWidget(new platform::GradientHeading(tr("Confused?  Not sure what to do?"), help));
    labSupport = new QLabel(help);
    labSupport->setText(tr("Simply Email your file to: ") + QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(supportAddress()));
    labSupport->setTextFormat(Qt::RichText);
    hv->addWidget(labSupport);
    hv->addWidget(new QLabel(tr("We will send you code to enter below:"), help));
    memCode = new QPlainTextEdit(help);
    memCode->setObjectName(QStringLiteral("memCode"));
    memCode->setMaximumHeight(90);
    hv->addWidget(memCode);
    cxUseCode = new QPushButton(tr("Use Code"), help);
    hv->addWidget(cxUseCode, 0, Qt::AlignRight);
    rv->addWidget(help);
    row->addWidget(right, 1);

    auto click = [this](QPushButton* b, void (TfrmImportConfig::*fn)()) {
        connect(b, &QPushButton::clicked, this, [this, fn] { platform::guarded([this, fn] { (this->*fn)(); }); });
    };
    click(cxNew, &TfrmImportConfig::cxNewClick);
    click(cxEdit, &TfrmImportConfig::cxEditClick);
    click(cxDelete, &TfrmImportConfig::cxDeleteClick);
    click(cxSave, &TfrmImportConfig::cxSaveClick);
    click(cxCancel, &TfrmImportConfig::cxCancelClick);
    click(cxUseCode, &TfrmImportConfig::cxUseCodeClick);
    connect(labSupport, &QLabel::linkActivated, this, [this] { supportLinkClick(); });
    connect(lstConfigs, &QListWidget::itemSelectionChanged, this,
            [this] { platform::guarded([this] { lstConfigsClick(); }); });
    connect(lstConfigs, &QListWidget::itemDoubleClicked, this, [this] { platform::guarded([this] { cxEditClick(); }); });
    setMode(Mode::Browse);
    panEdit->hide();
}

void TfrmImportConfig::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    cxNew->setGeometry(4, 4, panLeftTop->width() - 18, 28);
    cxDelete->move(panLeftBottom->width() - 91, 4);
}

void TfrmImportConfig::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    cxNew->setGeometry(4, 4, panLeftTop->width() - 18, 28);
    cxDelete->move(panLeftBottom->width() - 91, 4);
    if (m_importMode)
        txtName->setFocus();
}

bool TfrmImportConfig::LookupType(const QString& headerLine) {
    QString unquoted = headerLine;
    unquoted.remove(QLatin1Char('"'));
    auto t = db()->RunQuery(QStringLiteral("SELECT * FROM importConfigs WHERE Identifier = ? OR "
                                           "Replace(Identifier,\"\"\"\",\"\") = ?"),
                            {headerLine, unquoted});
    if (t->RowCount() == 0)
        return false;
    // The configuration stored first wins.
    int best = 0;
    qint64 bestId = 0;
    const int idCol = t->columnIndex(QStringLiteral("ID"));
    for (int r = 0; r < t->RowCount(); ++r) {
        const qint64 id = t->value(r, idCol).toLongLong();
        if (r == 0 || id < bestId) {
            best = r;
            bestId = id;
        }
    }
    for (int r = 0; r < best; ++r)
        t->NextRow();
    ImportConfig c;
    c.name = t->FieldText(QStringLiteral("Name"));
    for (int i = 0; i < 10; ++i)
        c.cols[i] = toColumn(t->FieldText(QStringLiteral("Col%1").arg(i + 1)));
    m_current = c;
    return true;
}

void TfrmImportConfig::setEditable(bool editable) {
    txtName->setReadOnly(!editable);
    txtIdentifier->setReadOnly(!editable);
    for (QComboBox* c : cboCols)
        c->setEnabled(editable);
}

void TfrmImportConfig::setMode(Mode mode) {
    m_mode = mode;
    const bool browse = mode == Mode::Browse;
    lstConfigs->setEnabled(browse);
    cxNew->setVisible(browse);
    const bool selected = browse && !lstConfigs->selectedItems().isEmpty();
    cxEdit->setVisible(selected);
    cxDelete->setVisible(selected);
    panSaveCancel->setVisible(!browse);
    setEditable(!browse);
}

void TfrmImportConfig::clearFields() {
    txtName->clear();
    txtIdentifier->clear();
    for (QComboBox* c : cboCols)
        c->setCurrentIndex(0);
}

void TfrmImportConfig::openFromRibbon() {
    m_importMode = false;
    lstConfigs->clearSelection();
    setMode(Mode::Browse);
    panEdit->hide();
    refreshList();
    setMode(Mode::Browse);
    platform::Ui::instance().showModal(this);
}

void TfrmImportConfig::openForImport(const QString& headerLine) {
    m_importMode = true;
    cxNewClick();
    txtIdentifier->setText(headerLine);
    refreshList();
    platform::Ui::instance().showModal(this);
}

void TfrmImportConfig::refreshList() {
    const QSignalBlocker block(lstConfigs);
    lstConfigs->clear();
    lstIDs.clear();
    try {
        auto t = db()->RunQuery(QStringLiteral("SELECT [ID],[Name] FROM importConfigs ORDER BY [Name] COLLATE NOCASE"));
        for (int r = 0; r < t->RowCount(); ++r) {
            lstConfigs->addItem(t->FieldText(QStringLiteral("Name")));
            lstIDs << t->FieldText(QStringLiteral("ID"));
            t->NextRow();
        }
    } catch (const ESQLiteException& e) {
        lstConfigs->clear();
        lstIDs.clear();
        platform::Ui::instance().warning(QStringLiteral("Error reading from Database - please contact tech support.\r\n") +
                                         e.message());
    }
    if (m_mode == Mode::Browse) {
        cxEdit->hide();
        cxDelete->hide();
    }
}

void TfrmImportConfig::lstConfigsClick() {
    if (m_mode != Mode::Browse)
        return;
    if (lstConfigs->selectedItems().isEmpty()) {
        setMode(Mode::Browse);
        return;
    }
    showSelected();
}

void TfrmImportConfig::showSelected() {
    const int row = lstConfigs->currentRow();
    if (row < 0 || row >= lstIDs.size())
        return;
    try {
        auto t = db()->RunQuery(QStringLiteral("SELECT * FROM importConfigs WHERE ID = ") + lstIDs[row]);
        if (t->RowCount() > 0) {
            int cols[10];
            for (int i = 0; i < 10; ++i)
                cols[i] = toColumn(t->FieldText(QStringLiteral("Col%1").arg(i + 1)));
            txtName->setText(t->FieldText(QStringLiteral("Name")));
            txtIdentifier->setText(t->FieldText(QStringLiteral("Identifier")));
            for (int i = 0; i < 10; ++i)
                cboCols[i]->setCurrentIndex(cols[i] >= -1 && cols[i] <= 51 ? cols[i] + 1 : -1);
        }
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kWriteError + e.message());
    }
    panEdit->show();
    setMode(Mode::Browse);
}

void TfrmImportConfig::cxNewClick() {
    {
        const QSignalBlocker block(lstConfigs);
        lstConfigs->clearSelection();
        lstConfigs->setCurrentRow(-1);
    }
    clearFields();
    panEdit->show();
    setMode(Mode::Add);
    txtName->setFocus();
}

void TfrmImportConfig::cxEditClick() {
    if (m_mode != Mode::Browse || lstConfigs->selectedItems().isEmpty())
        return;
    panEdit->show();
    setMode(Mode::Edit);
    txtName->setFocus();
}

void TfrmImportConfig::selectId(qint64 id) {
    const int row = int(lstIDs.indexOf(QString::number(id)));
    if (row < 0)
        return;
    {
        const QSignalBlocker block(lstConfigs);
        lstConfigs->setCurrentRow(row);
    }
    showSelected();
}

void TfrmImportConfig::cxSaveClick() {
    auto& ui = platform::Ui::instance();
    QString errors;
    if (txtName->text().isEmpty())
        errors += QStringLiteral("* Name required\r\n");
    if (cboCols[1]->currentIndex() == 0 && cboCols[2]->currentIndex() == 0)
        errors += QStringLiteral("* Source URL OR Source Domain required\r\n");
    if (!errors.isEmpty()) {
        ui.warning(QStringLiteral("Please correct the following error(s)\r\n") + errors);
        return;
    }
    QStringList numbers;
    for (QComboBox* c : cboCols)
        numbers << QString::number(c->currentIndex() - 1);
    const bool wasImportMode = m_importMode;
    try {
        if (m_mode == Mode::Add) {
            db()->RunStatement(QStringLiteral("INSERT INTO importConfigs(Name,Identifier,Col1,Col2,Col3,Col4,Col5,Col6,"
                                              "Col7,Col8,Col9,Col10) VALUES (?,?,") +
                                   numbers.join(QLatin1Char(',')) + QStringLiteral(");"),
                               {txtName->text(), txtIdentifier->text()});
            setMode(Mode::Browse);
            const qint64 id = db()->LastInsertRowId();
            refreshList();
            selectId(id);
        } else if (m_mode == Mode::Edit) {
            const int row = lstConfigs->currentRow();
            QString sets;
            for (int i = 0; i < 10; ++i)
                sets += QStringLiteral(", Col%1 = %2").arg(i + 1).arg(numbers[i]);
            db()->RunStatement(QStringLiteral("UPDATE importConfigs SET Name = ?, Identifier = ?") + sets +
                                   QStringLiteral(" WHERE ID = ") + lstIDs.value(row) + QStringLiteral(";"),
                               {txtName->text(), txtIdentifier->text()});
            if (row >= 0)
                lstConfigs->item(row)->setText(txtName->text());
            setMode(Mode::Browse);
            showSelected();
        }
    } catch (const ESQLiteException& e) {
        ui.warning(kWriteError + e.message());
    }
    if (wasImportMode)
        close();
}

void TfrmImportConfig::cxCancelClick() {
    if (!platform::Ui::instance().ask(QStringLiteral("Are you sure that you want to abandon changes?"),
                                      platform::MsgKind::Warning))
        return;
    const bool adding = m_mode == Mode::Add;
    setMode(Mode::Browse);
    panEdit->hide();
    if (adding)
        clearFields();
    else if (!lstConfigs->selectedItems().isEmpty())
        showSelected();
    if (m_importMode)
        close();
}

void TfrmImportConfig::cxDeleteClick() {
    const int row = lstConfigs->currentRow();
    if (row < 0 || lstConfigs->selectedItems().isEmpty())
        return;
    const QString name = lstConfigs->item(row)->text();
    if (!platform::Ui::instance().ask(QStringLiteral("Are you sure that you want to delete ") + name +
                                      QStringLiteral("?")))
        return;
    try {
        db()->RunStatement(QStringLiteral("DELETE FROM importConfigs WHERE ID = ") + lstIDs[row]);
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kWriteError + e.message());
        return;
    }
    {
        const QSignalBlocker block(lstConfigs);
        delete lstConfigs->takeItem(row);
        lstIDs.removeAt(row);
        lstConfigs->clearSelection();
        lstConfigs->setCurrentRow(-1);
    }
    panEdit->hide();
    setMode(Mode::Browse);
}

void TfrmImportConfig::cxUseCodeClick() {
    const QString code = memCode->toPlainText();
    try {
        db()->RunStatement(code);
        setMode(Mode::Browse);
        const qint64 id = db()->LastInsertRowId();
        refreshList();
        selectId(id);
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(QStringLiteral("Error using code - please check and try again.\r\n") +
                                         e.message());
    }
    memCode->clear();
}

void TfrmImportConfig::supportLinkClick() { BrowseURL(QStringLiteral("mailto:") + supportAddress()); }
