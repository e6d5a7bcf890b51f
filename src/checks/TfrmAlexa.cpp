#include "TfrmAlexa.h"

#include "HttpClient.h"
#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "db/SQLiteTable.h"
#include "platform/Platform.h"
#include "review/Helpers.h"

#include <QDomDocument>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

QDomElement firstChildNamed(const QDomElement& parent, const QString& name) {
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        if (e.tagName().compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return {};
}

int wholeNumber(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || text.isEmpty() || text.back().isSpace())
        throw std::runtime_error(QStringLiteral("'%1' is not a valid integer value.").arg(text).toStdString());
    return v;
}

const QString kReadError = QStringLiteral("Error reading from Database - please contact tech support.\r\n");

} // namespace

bool parseRankingAnswer(const QString& xml, RankingAnswer& a, QString& error) {
    QDomDocument doc;
    QString msg;
    int line = 0, column = 0;
    if (!doc.setContent(xml, &msg, &line, &column)) {
        error = QStringLiteral("%1 (line %2, column %3)").arg(msg).arg(line).arg(column);
        return false;
    }
    const QDomElement root = doc.documentElement();
    if (root.isNull()) {
        error = QStringLiteral("The answer has no root element");
        return false;
    }
    a = RankingAnswer();
    for (QDomElement section = root.firstChildElement(); !section.isNull(); section = section.nextSiblingElement()) {
        QDomElement e;
        if (!(e = firstChildNamed(section, QStringLiteral("LINKSIN"))).isNull())
            a.backlinks = e.attribute(QStringLiteral("NUM"));
        if (!(e = firstChildNamed(section, QStringLiteral("POPULARITY"))).isNull())
            a.rank = e.attribute(QStringLiteral("TEXT"));
        if (!(e = firstChildNamed(section, QStringLiteral("REACH"))).isNull())
            a.reach = e.attribute(QStringLiteral("RANK"));
        if (!(e = firstChildNamed(section, QStringLiteral("RANK"))).isNull())
            a.delta = e.attribute(QStringLiteral("DELTA"));
        if (a.description.isEmpty() && !(e = firstChildNamed(section, QStringLiteral("TITLE"))).isNull())
            a.description = e.attribute(QStringLiteral("TEXT"));
        if (!(e = firstChildNamed(section, QStringLiteral("SITE"))).isNull())
            a.description = e.attribute(QStringLiteral("DESC"));
    }
    return true;
}

TfrmAlexa::TfrmAlexa(QWidget* parent) : BatchWindow(QStringLiteral("Lookup Alexa Rank"), 50, parent) {
    setObjectName(QStringLiteral("frmAlexa"));
    setFixedSize(520, 270);
    labProcessed = addCounter(tr("Domains Checked"), QStringLiteral("labProcessed"));
    labToBeProcessed = addCounter(tr("Domains to be Checked"), QStringLiteral("labToBeProcessed"));
    memAlexaXML = new QPlainTextEdit(this);
    memAlexaXML->hide();
    auto* v = new QVBoxLayout(this);
    v->addWidget(panProgress);
    v->addStretch(1);
    auto* panOK = new QHBoxLayout;
    panOK->addStretch(1);
    panOK->addWidget(cxDone);
    v->addLayout(panOK);
}

void TfrmAlexa::showCounters() {
    labProcessed->setText(FormatCount(m_checked));
    labToBeProcessed->setText(FormatCount(m_toBeChecked));
}

bool TfrmAlexa::CountRecords() {
    try {
        const qint64 all = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links"));
        m_checked = countOf(QStringLiteral("SELECT COUNT(*) AS id FROM links WHERE Alexa<>50000001"));
        m_toBeChecked = all - m_checked;
    } catch (const ESQLiteException& e) {
        platform::Ui::instance().warning(kReadError + e.message());
        return false;
    }
    showCounters();
    return true;
}

bool TfrmAlexa::start() {
    panProgress->show();
    cxSTOP->show();
    btnContinue->hide();
    cxDone->hide();
    labURL->clear();
    if (!CountRecords())
        return false;
    if (m_toBeChecked < 1) {
        platform::Ui::instance().warning(QStringLiteral("All Sites Already Checked"));
        return false;
    }
    forms().frmMain->SetDirty();
    ProgressBar1->setRange(0, int(m_toBeChecked));
    ProgressBar1->setValue(0);
    m_running = true;
    m_stopped = false;
    timNextSite->start();
    return true;
}

void TfrmAlexa::timNextSiteTimer() {
    timNextSite->stop();
    platform::Ui::instance().processEvents();
    if (m_stopped || !m_running)
        return;
    if (!LookupNextSite()) {
        close();
        return;
    }
    if (m_toBeChecked <= 0) {
        finish();
        return;
    }
    if (!m_stopped)
        timNextSite->start();
}

bool TfrmAlexa::LookupNextSite() {
    auto& ui = platform::Ui::instance();
    QString id, domain;
    try {
        auto t = campaignDb()->RunQuery(
            QStringLiteral("SELECT ID,SourceDomain FROM links WHERE Alexa = 50000001 LIMIT 1"));
        if (t->RowCount() == 0) {
            // The count included records without a rank value; nothing selectable is left.
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
    if (!HttpGetTextURL(serviceAddress + QStringLiteral("/data?cli=10&dat=s&url=") + domain, lines, noDataSeconds)) {
        ui.information(QStringLiteral("Unable to connect to Alexa Free API - It may be down, or perhaps you are having "
                                      "problems with your Internet connection\r\nPlease check and try again later"));
        return false;
    }
    memAlexaXML->setPlainText(lines.join(QStringLiteral("\r\n")));
    RankingAnswer a;
    QString error;
    if (!parseRankingAnswer(lines.join(QStringLiteral("\r\n")), a, error)) {
        ui.warning(QStringLiteral("Error reading from Alexa Response - please contact tech support.\r\n") + error);
        return false;
    }
    if (a.rank.isEmpty() || a.rank == QLatin1String("0"))
        a.rank = QStringLiteral("50000000");
    if (a.backlinks.isEmpty())
        a.backlinks = QStringLiteral("0");
    // Not a whole number: the general error box, and the run halts on this site.
    const int rank = wholeNumber(a.rank);
    const int backlinks = wholeNumber(a.backlinks);
    try {
        campaignDb()->RunStatement(QStringLiteral("UPDATE links SET Alexa=") + QString::number(rank) +
                                       QStringLiteral(", Backlinks=") + QString::number(backlinks) +
                                       QStringLiteral(",  Reach=?,  Delta=?, Description=? WHERE ID=") + id,
                                   {a.reach, a.delta, a.description});
    } catch (const ESQLiteException& e) {
        ui.warning(QStringLiteral("Error writing to Database - please contact tech support.\r\n") + e.message());
        return false;
    }
    ++m_checked;
    --m_toBeChecked;
    showCounters();
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    return true;
}
