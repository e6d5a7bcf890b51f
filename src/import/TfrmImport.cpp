#include "TfrmImport.h"

#include "CsvReader.h"
#include "Domains.h"
#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "platform/Platform.h"
#include "review/Helpers.h"

#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

TSQLiteDatabase* campaignDb() {
    TSQLiteDatabase* d = forms().frmMain ? forms().frmMain->campaignDb() : nullptr;
    if (!d)
        throw ESQLiteException(QStringLiteral("No campaign is open"));
    return d;
}

QString keyOf(const QString& domain) { return domain.toLower(); }

// Events are handled this often while rows are imported, and pending records committed this often.
constexpr qint64 kEventsEveryMs = 40;
constexpr qint64 kCommitEveryMs = 200;

} // namespace

TfrmImport::TfrmImport(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import Backlinks"));
    setModal(true);
    resize(620, 330);
    auto* v = new QVBoxLayout(this);
    panProgress = new QWidget(this);
    auto* pv = new QVBoxLayout(panProgress);
    labFile = new QLabel(panProgress);
    labFile->setObjectName(QStringLiteral("labFile"));
    labFile->setWordWrap(true);
    pv->addWidget(labFile);
    ProgressBar1 = new QProgressBar(panProgress);
    ProgressBar1->setTextVisible(false);
    pv->addWidget(ProgressBar1);
    labConfig = new QLabel(panProgress);
    labConfig->setObjectName(QStringLiteral("labConfig"));
    labConfig->setAlignment(Qt::AlignCenter);
    QFont big = labConfig->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 8);
    labConfig->setFont(big);
    pv->addWidget(labConfig);
    auto* counters = new QHBoxLayout;
    auto* grid = new QGridLayout;
    auto counter = [&](const QString& caption, int row) {
        auto* n = new QLabel(QStringLiteral("0"), panProgress);
        QFont f = n->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 4);
        n->setFont(f);
        n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        n->setMinimumWidth(140);
        grid->addWidget(n, row, 0);
        grid->addWidget(new QLabel(caption, panProgress), row, 1);
        return n;
    };
    labProcessed = counter(tr("Records Processed"), 0);
    labDuplicates = counter(tr("Duplicate Domains Found"), 1);
    labNew = counter(tr("New Domains Found"), 2);
    labProcessed->setObjectName(QStringLiteral("labProcessed"));
    labDuplicates->setObjectName(QStringLiteral("labDuplicates"));
    labNew->setObjectName(QStringLiteral("labNew"));
    counters->addLayout(grid);
    counters->addStretch(1);
    cxSTOP = new QPushButton(tr("STOP"), panProgress);
    cxSTOP->setMinimumSize(100, 44);
    cxSTOP->setStyleSheet(QStringLiteral("QPushButton{background:#8c1c1c;color:white;font-weight:bold;}"));
    counters->addWidget(cxSTOP);
    pv->addLayout(counters);
    v->addWidget(panProgress);
    v->addStretch(1);
    auto* end = new QHBoxLayout;
    end->addStretch(1);
    cxImportAnother = new QPushButton(tr("Import Another"), this);
    cxDone = new QPushButton(tr("Done"), this);
    end->addWidget(cxImportAnother);
    end->addWidget(cxDone);
    v->addLayout(end);
    connect(cxSTOP, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxSTOPClick(); }); });
    connect(cxImportAnother, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { cxImportAnotherClick(); }); });
    connect(cxDone, &QPushButton::clicked, this, [this] { cxDoneClick(); });
    panProgress->hide();
    cxImportAnother->hide();
    cxDone->hide();
}

void TfrmImport::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    panProgress->hide();
    cxImportAnother->hide();
    cxDone->hide();
    // Once drawn, the window loads what the campaign holds and asks for a file.
    QTimer::singleShot(10, this, [this] { platform::guarded([this] { FormShowTimer(); }); });
}

void TfrmImport::FormShowTimer() {
    if (!isVisible())
        return;
    if (loadKnownDomains())
        chooseFile();
}

bool TfrmImport::loadKnownDomains() {
    m_known.clear();
    auto& ui = platform::Ui::instance();
    ui.setBusyCursor(true);
    try {
        auto t = campaignDb()->RunQuery(QStringLiteral("SELECT SourceDomain FROM links"));
        m_known.reserve(t->RowCount());
        for (int r = 0; r < t->RowCount(); ++r)
            m_known.insert(keyOf(t->value(r, 0).toString()));
    } catch (const ESQLiteException& e) {
        ui.setBusyCursor(false);
        ui.warning(QStringLiteral("Error reading from Database - please contact tech support.\r\n") + e.message());
        close();
        return false;
    }
    ui.setBusyCursor(false);
    return true;
}

bool TfrmImport::isKnown(const QString& domain) const { return m_known.contains(keyOf(domain)); }

void TfrmImport::chooseFile() {
    panProgress->hide();
    cxImportAnother->hide();
    cxDone->hide();
    const QString path =
        platform::Ui::instance().openFileName(this, tr("Import Backlinks"), QStringLiteral("CSV Files|*.csv"),
                                              QStringLiteral(".csv"));
    if (path.isEmpty()) {
        close();
        return;
    }
    importData(path);
}

void TfrmImport::resetCounters() {
    m_processed = m_duplicates = m_new = 0;
    showCounters();
}

void TfrmImport::showCounters() {
    labProcessed->setText(FormatCount(m_processed));
    labDuplicates->setText(FormatCount(m_duplicates));
    labNew->setText(FormatCount(m_new));
}

void TfrmImport::showEndState() {
    panProgress->show();
    cxSTOP->hide();
    cxImportAnother->show();
    cxDone->show();
}

void TfrmImport::importData(const QString& path) {
    auto& ui = platform::Ui::instance();
    for (;;) {
        labFile->setText(path);
        labConfig->clear();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            ui.warning(QStringLiteral(
                "Error Reading File - please ensure it is not open in another application (e.g. Excel)"));
            close();
            return;
        }
        const QByteArray bytes = f.readAll();
        if (f.error() != QFile::NoError) {
            ui.warning(QStringLiteral(
                "Error Reading File - please ensure it is not open in another application (e.g. Excel)"));
            close();
            return;
        }
        m_text = decodeReport(bytes);
        if (m_reader.scan() == 0) {
            ui.warning(QStringLiteral("File is empty, please try another"));
            resetCounters();
            showEndState();
            return;
        }
        const QString header = trimControl(m_reader.rawRecord(0));
        if (header.isEmpty()) {
            ui.warning(QStringLiteral("File Header is empty, please try another"));
            resetCounters();
            showEndState();
            return;
        }
        // A failure of the lookup itself goes to the general error box.
        if (forms().frmImportConfig->LookupType(header)) {
            labConfig->setText(forms().frmImportConfig->currentConfig().name);
            processData();
            return;
        }
        if (!ui.ask(QStringLiteral("Unable to identify file type, configure?"))) {
            resetCounters();
            showEndState();
            return;
        }
        forms().frmImportConfig->openForImport(header);
        resetCounters();
        showEndState();
        if (!isVisible())
            return;
    }
}

QString TfrmImport::ReadValue(int column) const {
    if (column < 0 || column > 51 || column >= m_fields.size())
        return QString();
    return m_fields[column];
}

void TfrmImport::commitPending() {
    TSQLiteDatabase* db = forms().frmMain ? forms().frmMain->campaignDb() : nullptr;
    if (db && db->InTransaction()) {
        try {
            db->Commit();
        } catch (const ESQLiteException&) {
            // A failed commit surfaces with the next statement.
        }
    }
}

void TfrmImport::processData() {
    auto& ui = platform::Ui::instance();
    const int records = m_reader.recordCount();
    const int data = records - 1;
    ProgressBar1->setRange(0, qMax(0, data));
    ProgressBar1->setValue(0);
    resetCounters();
    panProgress->show();
    cxSTOP->show();
    cxImportAnother->hide();
    cxDone->hide();
    m_stop = false;
    m_running = true;

    const ImportConfig cfg = forms().frmImportConfig->currentConfig();
    TSQLiteDatabase* db = nullptr;
    std::unique_ptr<TSQLiteDatabase::Prepared> insert;
    try {
        db = campaignDb();
        insert = std::make_unique<TSQLiteDatabase::Prepared>(
            *db, QStringLiteral("INSERT INTO links (DateLinkFound,SourceURL,SourceDomain,DestinationURL,AnchorText,"
                                "LinkAge,FlagMetaNoFollow,FlagMetaNoIndex,FlagRelNoFollow,FlagRefNoReferrer,Category,"
                                "Notes,LiveURL,Alexa,Backlinks,Reach,Delta,Description,FoundKeyText) VALUES "
                                "(?,?,?,?,?,?,?,?,?,?,1,\"\",\"\",50000001,-1,\"\",\"\",\"\",-1)"));
    } catch (const ESQLiteException& e) {
        m_running = false;
        ui.warning(QStringLiteral("Error writing to Database - please contact tech support.\r\n") + e.message());
        return;
    }

    QElapsedTimer sinceEvents, sinceCommit;
    sinceEvents.start();
    sinceCommit.start();
    bool failed = false;
    SqlParams values(10);
    for (int r = 1; r < records; ++r) {
        if (!db->InTransaction())
            db->BeginTransaction();
        m_fields = m_reader.fields(r);
        const QString sourceUrl = LowerAscii(ReadValue(cfg.cols[1]));
        QString domain = LowerAscii(ReadValue(cfg.cols[2]));
        if (domain.isEmpty())
            domain = ExtractDomain(sourceUrl);
        if (domain.isEmpty() || isKnown(domain) || isKnown(CheckWWWVariations(domain))) {
            ++m_duplicates;
        } else {
            for (int i = 0; i < 10; ++i)
                values[size_t(i)] = i == 1 ? sourceUrl : i == 2 ? domain : LowerAscii(ReadValue(cfg.cols[i]));
            try {
                insert->run(values);
            } catch (const ESQLiteException& e) {
                // What was stored before this line stays in the campaign.
                commitPending();
                showCounters();
                ui.warning(QStringLiteral("Error writing to Database - please contact tech support.\r\n") +
                           e.message());
                failed = true;
                break;
            }
            m_known.insert(keyOf(domain));
            forms().frmMain->SetDirty();
            ++m_new;
        }
        ++m_processed;
        if (sinceCommit.elapsed() >= kCommitEveryMs) {
            commitPending();
            sinceCommit.restart();
        }
        if (sinceEvents.elapsed() >= kEventsEveryMs) {
            ProgressBar1->setValue(int(m_processed));
            showCounters();
            ui.processEvents();
            sinceEvents.restart();
        }
        if (m_stop)
            break;
    }
    insert.reset();
    commitPending();
    m_running = false;
    if (failed) {
        // Halted: the window keeps its state until it is closed by its frame.
        cxSTOP->setEnabled(false);
        return;
    }
    ProgressBar1->setValue(int(m_processed));
    showCounters();
    showEndState();
    if (m_closePending) {
        m_closePending = false;
        close();
    }
}

void TfrmImport::cxSTOPClick() {
    if (!m_running)
        return;
    commitPending();
    if (platform::Ui::instance().ask(QStringLiteral("Are you sure you want to abandon import?")))
        m_stop = true;
}

void TfrmImport::cxImportAnotherClick() { chooseFile(); }

void TfrmImport::cxDoneClick() { close(); }

void TfrmImport::closeEvent(QCloseEvent* e) {
    if (m_running) {
        // The remaining lines are still imported; the window closes when the loop ends.
        m_closePending = true;
        e->ignore();
        return;
    }
    cxSTOP->setEnabled(true);
    QDialog::closeEvent(e);
}

void TfrmImport::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && m_running)
        return;
    QDialog::keyPressEvent(e);
}
