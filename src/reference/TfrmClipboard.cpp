#include "TfrmClipboard.h"

#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "db/SQLiteTable.h"
#include "platform/Platform.h"
#include "platform/Skin.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const QString kWriteError = QStringLiteral("Error Writing to Database - please contact tech support.\r\n");
const QString kReadError = QStringLiteral("Error Reading from Database - please contact tech support.\r\n");

TSQLiteDatabase* db() {
    TSQLiteDatabase* d = forms().frmMain ? forms().frmMain->campaignDb() : nullptr;
    if (!d)
        throw ESQLiteException(QStringLiteral("No campaign is open"));
    return d;
}

constexpr Qt::WindowFlags kToolFlags = Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint;

} // namespace

QRect clipboardManagerGeometry(const int g[4], const QRect& screen) {
    if ((g[0] == -1 && g[1] == -1 && g[2] == -1 && g[3] == -1) || g[2] < 74 || g[3] < 74)
        return QRect(0, 0, 290, screen.height() - 48);
    return QRect(g[0], g[1], g[2], g[3]);
}

ClipboardButtons clipboardButtons(int w) {
    ClipboardButtons b;
    b.addWidth = (w - 16) / 3;
    b.deleteWidth = (w - 16) / 3;
    b.editWidth = w - 16 - b.addWidth - b.deleteWidth;
    b.addLeft = 4;
    b.editLeft = b.addLeft + b.addWidth + 4;
    b.deleteLeft = b.editLeft + b.editWidth + 4;
    return b;
}

TfrmClipboard::TfrmClipboard(QWidget* parent) : QWidget(parent, kToolFlags) {
    setObjectName(QStringLiteral("frmClipboard"));
    setWindowTitle(QStringLiteral("Clipboard Manager"));
    setMinimumSize(74, 74);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(2, 2, 2, 2);
    labPreview = new QLabel(this);
    labPreview->setObjectName(QStringLiteral("labPreview"));
    labPreview->setWordWrap(true);
    labPreview->setAlignment(Qt::AlignCenter);
    labPreview->setMinimumHeight(60);
    labPreview->setStyleSheet(QStringLiteral("QLabel{background:#2a2a2d;border:1px solid #55555a;padding:4px;}"));
    v->addWidget(labPreview);
    lstClipboard = new QListWidget(this);
    lstClipboard->setObjectName(QStringLiteral("lstClipboard"));
    v->addWidget(lstClipboard, 1);
    panBottom = new QWidget(this);
    panBottom->setFixedHeight(34);
    cxAdd = new QPushButton(tr("Add"), panBottom);
    cxEdit = new QPushButton(tr("Edit"), panBottom);
    cxDelete = new QPushButton(tr("Delete"), panBottom);
    panBottom->installEventFilter(this);
    v->addWidget(panBottom);
    connect(lstClipboard, &QListWidget::itemSelectionChanged, this,
            [this] { platform::guarded([this] { lstClipboardClick(); }); });
    connect(cxAdd, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxAddClick(); }); });
    connect(cxEdit, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxEditClick(); }); });
    connect(cxDelete, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxDeleteClick(); }); });
    cxEdit->setEnabled(false);
    cxDelete->setEnabled(false);
}

bool TfrmClipboard::eventFilter(QObject* watched, QEvent* e) {
    if (watched == panBottom && e->type() == QEvent::Resize)
        panBottomResize();
    return QWidget::eventFilter(watched, e);
}

void TfrmClipboard::panBottomResize() {
    const ClipboardButtons b = clipboardButtons(panBottom->width());
    cxAdd->setGeometry(b.addLeft, 3, b.addWidth, 28);
    cxEdit->setGeometry(b.editLeft, 3, b.editWidth, 28);
    cxDelete->setGeometry(b.deleteLeft, 3, b.deleteWidth, 28);
}

void TfrmClipboard::showManager() {
    if (!isVisible())
        FormShow();
    show();
    raise();
    activateWindow();
    // Activation may not arrive on every desktop; the list must be current all the same.
    FormActivate();
}

void TfrmClipboard::FormShow() {
    const QScreen* s = QGuiApplication::primaryScreen();
    const QRect screen = s ? s->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QRect g = clipboardManagerGeometry(forms().frmMain->clipboardGeometry, screen);
    setGeometry(g);
}

void TfrmClipboard::FormClose() {
    const QRect g = geometry();
    int* stored = forms().frmMain->clipboardGeometry;
    stored[0] = g.left();
    stored[1] = g.top();
    stored[2] = g.width();
    stored[3] = g.height();
}

void TfrmClipboard::closeEvent(QCloseEvent* e) {
    FormClose();
    QWidget::closeEvent(e);
}

bool TfrmClipboard::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        platform::guarded([this] { FormActivate(); });
    return QWidget::event(e);
}

void TfrmClipboard::FormActivate() {
    try {
        if (!db()->HasTable(QStringLiteral("clipboard"))) {
            db()->RunStatement(QStringLiteral(
                "CREATE TABLE clipboard ([ID] INTEGER PRIMARY KEY,[Title] VARCHAR (255),[Data] TEXT COLLATE NOCASE)"));
            db()->RunStatement(QStringLiteral("CREATE INDEX clipboardTitle ON [clipboard]([Title]);"));
        }
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kWriteError + e.message());
        return;
    }
    reloadList();
}

void TfrmClipboard::reloadList() {
    {
        const QSignalBlocker block(lstClipboard);
        lstClipboard->clear();
    }
    lstClipboardIDs.clear();
    cxEdit->setEnabled(false);
    cxDelete->setEnabled(false);
    try {
        auto t = db()->RunQuery(QStringLiteral("SELECT [ID],[Title] FROM clipboard ORDER BY [Title] COLLATE NOCASE;"));
        const QSignalBlocker block(lstClipboard);
        for (int r = 0; r < t->RowCount(); ++r) {
            lstClipboard->addItem(t->FieldText(QStringLiteral("Title")));
            lstClipboardIDs << t->FieldText(QStringLiteral("ID"));
            t->NextRow();
        }
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kReadError + e.message());
    }
}

int TfrmClipboard::selectedIndex() const {
    const int row = lstClipboard->currentRow();
    if (row < 0 || lstClipboard->selectedItems().isEmpty() || row >= lstClipboardIDs.size())
        return -1;
    return row;
}

void TfrmClipboard::selectIndex(int index) {
    if (index < 0)
        lstClipboard->clearSelection();
    else
        lstClipboard->setCurrentRow(index);
}

void TfrmClipboard::lstClipboardClick() {
    auto& ui = platform::Ui::instance();
    const int row = selectedIndex();
    if (row < 0) {
        ui.setClipboardText(QString());
        labPreview->clear();
        cxEdit->setEnabled(false);
        cxDelete->setEnabled(false);
        return;
    }
    try {
        auto t = db()->RunQuery(QStringLiteral("SELECT [Data] FROM clipboard WHERE ID = ") + lstClipboardIDs[row]);
        if (t->RowCount() > 0)
            memCopy = t->FieldText(QStringLiteral("Data"));
    } catch (const ESQLiteException& e) {
        ui.warning(kReadError + e.message());
    }
    ui.setClipboardText(memCopy);
    labPreview->setText(memCopy);
    cxEdit->setEnabled(true);
    cxDelete->setEnabled(true);
}

void TfrmClipboard::cxAddClick() {
    auto* editor = forms().frmClipboardUpdate;
    editor->mode = TfrmClipboardUpdate::Mode::Add;
    editor->txtTitle->clear();
    editor->memText->clear();
    platform::Ui::instance().showModal(editor);
    FormActivate();
}

void TfrmClipboard::cxEditClick() {
    const int row = selectedIndex();
    if (row < 0)
        return;
    auto* editor = forms().frmClipboardUpdate;
    editor->mode = TfrmClipboardUpdate::Mode::Edit;
    editor->txtTitle->setText(lstClipboard->item(row)->text());
    editor->memText->setPlainText(memCopy);
    platform::Ui::instance().showModal(editor);
    FormActivate();
}

void TfrmClipboard::cxDeleteClick() {
    const int row = selectedIndex();
    if (row < 0)
        return;
    auto& ui = platform::Ui::instance();
    if (!ui.ask(QStringLiteral("Are you sure that you wish to delete [") + lstClipboard->item(row)->text() +
                QStringLiteral("]?")))
        return;
    try {
        db()->RunStatement(QStringLiteral("DELETE FROM clipboard WHERE ID = ") + lstClipboardIDs[row]);
    } catch (const ESQLiteException& e) {
        ui.warning(kWriteError + e.message());
        return;
    }
    reloadList();
    memCopy.clear();
    labPreview->clear();
    cxEdit->setEnabled(false);
    cxDelete->setEnabled(false);
    forms().frmMain->SetDirty();
}

TfrmClipboardUpdate::TfrmClipboardUpdate(QWidget* parent) : QDialog(parent, kToolFlags) {
    setObjectName(QStringLiteral("frmClipboardUpdate"));
    setWindowTitle(QStringLiteral("Update Clipboard Entry"));
    setModal(true);
    setFixedSize(460, 340);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new platform::GradientHeading(tr("Title"), this));
    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setMaxLength(75);
    v->addWidget(txtTitle);
    v->addWidget(new platform::GradientHeading(tr("Text"), this));
    memText = new QPlainTextEdit(this);
    memText->setObjectName(QStringLiteral("memText"));
    memText->setLineWrapMode(QPlainTextEdit::NoWrap);
    v->addWidget(memText, 1);
    auto* b = new QHBoxLayout;
    cxCancel = new QPushButton(tr("       Cancel"), this);
    cxSave = new QPushButton(tr("Save       "), this);
    b->addStretch(1);
    b->addWidget(cxCancel);
    b->addWidget(cxSave);
    v->addLayout(b);
    connect(cxSave, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxSaveClick(); }); });
    connect(cxCancel, &QPushButton::clicked, this, &TfrmClipboardUpdate::cxCancelClick);
}

void TfrmClipboardUpdate::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    txtTitle->setFocus();
}

void TfrmClipboardUpdate::cxCancelClick() { close(); }

bool TfrmClipboardUpdate::saveEdit() {
    TfrmClipboard* manager = forms().frmClipboard;
    const int row = manager->selectedIndex();
    if (row < 0)
        return false;
    try {
        db()->RunStatement(QStringLiteral("UPDATE clipboard SET Title = ?, Data=? WHERE ID = ") +
                               manager->lstClipboardIDs[row],
                           {txtTitle->text(), memText->toPlainText()});
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kWriteError + e.message());
        return false;
    }
    manager->lstClipboard->item(row)->setText(txtTitle->text());
    manager->memCopy = memText->toPlainText();
    manager->labPreview->setText(manager->memCopy);
    forms().frmMain->SetDirty();
    close();
    return true;
}

void TfrmClipboardUpdate::cxSaveClick() {
    auto& ui = platform::Ui::instance();
    if (txtTitle->text().isEmpty()) {
        ui.warning(QStringLiteral("Please enter a title"));
        txtTitle->setFocus();
        return;
    }
    TfrmClipboard* manager = forms().frmClipboard;
    if (mode == Mode::Edit) {
        saveEdit();
        return;
    }
    int existing = -1;
    for (int i = 0; i < manager->lstClipboard->count(); ++i) {
        if (manager->lstClipboard->item(i)->text().compare(txtTitle->text(), Qt::CaseInsensitive) == 0) {
            existing = i;
            break;
        }
    }
    if (existing < 0) {
        try {
            db()->RunStatement(QStringLiteral("INSERT INTO clipboard (Title,Data) VALUES (?,?)"),
                               {txtTitle->text(), memText->toPlainText()});
        } catch (const ESQLiteException& e) {
            ui.warning(kWriteError + e.message());
            return;
        }
        manager->reloadList();
        forms().frmMain->SetDirty();
        close();
        return;
    }
    if (!ui.ask(txtTitle->text() + QStringLiteral(" already exists - edit original record?")))
        return;
    {
        // Selecting the existing entry is not a copy: the system clipboard stays as it is.
        const QSignalBlocker block(manager->lstClipboard);
        manager->lstClipboard->setCurrentRow(existing);
    }
    mode = Mode::Edit;
    saveEdit();
}
