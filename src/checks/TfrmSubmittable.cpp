#include "TfrmSubmittable.h"

#include "HttpClient.h"
#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "db/SQLiteTable.h"
#include "platform/Platform.h"
#include "platform/Skin.h"
#include "platform/TextFile.h"
#include "review/Helpers.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kReadError = QStringLiteral("Error reading from Database - please contact tech support.\r\n");
const QString kWriteError = QStringLiteral("Error writing to Database - please contact tech support.\r\n");
} // namespace

const QStringList& builtInKeyPhrases() {
    static const QStringList list = {
        QStringLiteral("/Submit"), QStringLiteral("Comments"), QStringLiteral("Suggest"), QStringLiteral("Add Link"),
        QStringLiteral("Add Site"), QStringLiteral("Add Website"), QStringLiteral("Add URL"),
        QStringLiteral("Add a Link"), QStringLiteral("Add a Site"), QStringLiteral("Add a Website"),
        QStringLiteral("Add a URL"), QStringLiteral("Add my Link"), QStringLiteral("Add my Site"),
        QStringLiteral("Add my Website"), QStringLiteral("Add my URL"), QStringLiteral("Add your Link"),
        QStringLiteral("Add your Site"), QStringLiteral("Add your Website"), QStringLiteral("Add your URL"),
        QStringLiteral("Submit Link"), QStringLiteral("Submit Site"), QStringLiteral("Submit Website"),
        QStringLiteral("Submit URL"), QStringLiteral("Submit a Link"), QStringLiteral("Submit a Site"),
        QStringLiteral("Submit a Website"), QStringLiteral("Submit a URL"), QStringLiteral("Submit my Link"),
        QStringLiteral("Submit my Site"), QStringLiteral("Submit my Website"), QStringLiteral("Submit my URL"),
        QStringLiteral("Submit to Site"), QStringLiteral("Submit your Link"), QStringLiteral("Submit your Site"),
        QStringLiteral("Submit your Website"), QStringLiteral("Submit your URL"), QStringLiteral("Suggest Link"),
        QStringLiteral("Suggest Site"), QStringLiteral("Suggest Website"), QStringLiteral("Suggest URL"),
        QStringLiteral("Suggest a Link"), QStringLiteral("Suggest a Site"), QStringLiteral("Suggest a Website"),
        QStringLiteral("Suggest a URL"), QStringLiteral("Suggest my Link"), QStringLiteral("Suggest my Site"),
        QStringLiteral("Suggest my Website"), QStringLiteral("Suggest my URL"), QStringLiteral("Suggest your Link"),
        QStringLiteral("Suggest your Site"), QStringLiteral("Suggest your Website"), QStringLiteral("Suggest your URL")};
    return list;
}

int searchKeyPhrases(const QString& page, const QStringList& phrases) {
    const QString text = LowerAscii(page);
    for (const QString& phrase : phrases) {
        if (phrase.isEmpty())
            continue;
        if (text.contains(LowerAscii(phrase)))
            return 1;
    }
    return 0;
}

QString TfrmSubmittable::phraseFilePath() { return platform::appDir() + QStringLiteral("phrases.txt"); }

TfrmSubmittable::TfrmSubmittable(QWidget* parent) : BatchWindow(QStringLiteral("Find Submittable Sites"), 5, parent) {
    setObjectName(QStringLiteral("frmSubmittable"));
    setFixedSize(560, 620);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new platform::GradientHeading(tr("Key Phrases to Search For (One Per Line)"), this));
    memKeyText = new QPlainTextEdit(this);
    memKeyText->setObjectName(QStringLiteral("memKeyText"));
    memKeyText->setLineWrapMode(QPlainTextEdit::NoWrap);
    memKeyText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memKeyText->setPlainText(builtInKeyPhrases().join(QLatin1Char('\n')));
    v->addWidget(memKeyText, 1);
    panStartBar = new QWidget(this);
    auto* sb = new QHBoxLayout(panStartBar);
    sb->setContentsMargins(0, 0, 0, 0);
    cxReset = new QPushButton(tr("Reset"), panStartBar);
    cxStart = new QPushButton(tr("Start"), panStartBar);
    sb->addWidget(cxReset);
    sb->addStretch(1);
    sb->addWidget(cxStart);
    v->addWidget(panStartBar);
    labProcessed = addCounter(tr("Domains Checked"), QStringLiteral("labProcessed"));
    labToBeProcessed = addCounter(tr("Domains to be Checked"), QStringLiteral("labToBeProcessed"));
    labKeyPhraseFound = addCounter(tr("Key Phrase Found"), QStringLiteral("labKeyPhraseFound"));
    labKeyPhraseNotFound = addCounter(tr("Key Phrase Not Found"), QStringLiteral("labKeyPhraseNotFound"));
    labErrors = addCounter(tr("Errors"), QStringLiteral("labErrors"), true);
    v->addWidget(panProgress);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cxDone);
    v->addLayout(bottom);
    connect(memKeyText, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            edited = true;
    });
    connect(cxStart, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxStartClick(); }); });
    connect(cxReset, &QPushButton::clicked, this, [this] { platform::guarded([this] { cxResetClick(); }); });
}

QStringList TfrmSubmittable::phrases() const { return platform::splitLines(memKeyText->toPlainText()); }

void TfrmSubmittable::loadKeyPhrases() {
    const QString path = phraseFilePath();
    if (QFileInfo::exists(path)) {
        QStringList lines;
        if (platform::readLines(path, lines)) {
            m_loading = true;
            memKeyText->setPlainText(lines.join(QLatin1Char('\n')));
            m_loading = false;
        } else {
            platform::Ui::instance().warning(QStringLiteral("Unable to Load phrase file: ") + path +
                                             QStringLiteral("\r\n\r\nPlease check file permissions!"));
        }
    }
    edited = false;
}

void TfrmSubmittable::saveKeyPhrases() {
    if (!edited)
        return;
    const QString path = phraseFilePath();
    if (!platform::writeLines(path, phrases()))
        platform::Ui::instance().warning(QStringLiteral("Unable to Save phrase file: ") + path +
                                         QStringLiteral("\r\n\r\nPlease check file permissions!"));
}

void TfrmSubmittable::showCounters() {
    labProcessed->setText(FormatCount(m_checked));
    labToBeProcessed->setText(FormatCount(m_toBeChecked));
    labKeyPhraseFound->setText(FormatCount(m_found));
    labKeyPhraseNotFound->setText(FormatCount(m_notFound));
    labErrors->setText(FormatCount(m_errors));
}

bool TfrmSubmittable::CountRecords() {
    try {
        const qint64 all = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links"));
        m_checked = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links WHERE FoundKeyText<>-1"));
        m_found = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links WHERE FoundKeyText=1"));
        m_notFound = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links WHERE FoundKeyText=0"));
        m_errors = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links WHERE FoundKeyText=-2"));
        m_toBeChecked = all - m_checked;
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kReadError + e.message());
        return false;
    }
    showCounters();
    return true;
}

bool TfrmSubmittable::prepare() {
    panProgress->show();
    cxSTOP->hide();
    btnContinue->hide();
    cxDone->hide();
    panStartBar->show();
    memKeyText->setEnabled(true);
    loadKeyPhrases();
    if (!CountRecords())
        return false;
    cxStart->setVisible(m_toBeChecked > 0);
    ProgressBar1->hide();
    labURL->show();
    labURL->clear();
    m_running = false;
    m_stopped = false;
    return true;
}

void TfrmSubmittable::cxStartClick() {
    forms().frmMain->SetDirty();
    panStartBar->hide();
    ProgressBar1->setRange(0, int(m_toBeChecked));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    cxSTOP->show();
    memKeyText->setEnabled(false);
    m_runPhrases = phrases();
    m_running = true;
    m_stopped = false;
    timNextSite->start();
}

void TfrmSubmittable::cxResetClick() {
    if (!platform::Ui::instance().ask(QStringLiteral("Are you sure that you want to Reset all records?")))
        return;
    try {
        campaignDb()->RunStatement(QStringLiteral("UPDATE links SET FoundKeyText=-1"));
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kWriteError + e.message());
        return;
    }
    m_toBeChecked += m_checked;
    m_checked = m_found = m_notFound = m_errors = 0;
    showCounters();
    // Every record can be checked again.
    cxStart->setVisible(m_toBeChecked > 0);
}

void TfrmSubmittable::timNextSiteTimer() {
    platform::Ui::instance().processEvents();
    if (m_stopped || !m_running)
        return;
    timNextSite->stop();
    if (!LookupNextSite()) {
        close();
        return;
    }
    if (m_toBeChecked > 0) {
        if (!m_stopped)
            timNextSite->start();
    } else {
        finish();
    }
}

bool TfrmSubmittable::LookupNextSite() {
    auto& ui = platform::Ui::instance();
    QString id, domain;
    try {
        auto t = campaignDb()->RunQuery(
            QStringLiteral("SELECT ID,SourceDomain FROM links WHERE FoundKeyText = -1 LIMIT 1"));
        if (t->RowCount() == 0) {
            m_toBeChecked = 0;
            showCounters();
            return true;
        }
        id = t->FieldText(QStringLiteral("ID"));
        domain = t->FieldText(QStringLiteral("SourceDomain"));
    } catch (const ESQLiteException& e) {
        ui.warning(kReadError + e.message());
        return false;
    }
    labURL->setText(domain);
    ui.repaintPending();
    QStringList lines;
    int result = -2;
    if (HttpGetTextURL(domain, lines, noDataSeconds)) {
        lastPage = lines.join(QStringLiteral("\r\n"));
        result = searchKeyPhrases(lastPage, m_runPhrases);
    }
    try {
        campaignDb()->RunStatement(QStringLiteral("UPDATE links SET FoundKeyText=") + QString::number(result) +
                                   QStringLiteral(" WHERE ID=") + id);
    } catch (const ESQLiteException& e) {
        ui.warning(kWriteError + e.message());
        return false;
    }
    if (result == 1)
        ++m_found;
    else if (result == 0)
        ++m_notFound;
    else
        ++m_errors;
    ++m_checked;
    --m_toBeChecked;
    ProgressBar1->setValue(ProgressBar1->maximum() - int(m_toBeChecked));
    showCounters();
    return true;
}
