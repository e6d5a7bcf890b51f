#include "BatchWindow.h"

#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "db/SQLiteTable.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

BatchWindow::BatchWindow(const QString& caption, int intervalMs, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setModal(true);
    panProgress = new QWidget(this);
    m_progressLayout = new QVBoxLayout(panProgress);
    labURL = new QLabel(panProgress);
    labURL->setObjectName(QStringLiteral("labURL"));
    labURL->setAlignment(Qt::AlignCenter);
    QFont big = labURL->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 6);
    labURL->setFont(big);
    m_progressLayout->addWidget(labURL);
    ProgressBar1 = new QProgressBar(panProgress);
    ProgressBar1->setTextVisible(false);
    m_progressLayout->addWidget(ProgressBar1);
    auto* row = new QHBoxLayout;
    m_counters = new QGridLayout;
    row->addLayout(m_counters);
    row->addStretch(1);
    auto* buttons = new QVBoxLayout;
    cxSTOP = new QPushButton(tr("STOP"), panProgress);
    cxSTOP->setMinimumSize(110, 40);
    cxSTOP->setStyleSheet(QStringLiteral("QPushButton{background:#8c1c1c;color:white;font-weight:bold;}"));
    btnContinue = new QPushButton(tr("CONTINUE"), panProgress);
    btnContinue->setMinimumSize(110, 40);
    buttons->addWidget(cxSTOP);
    buttons->addWidget(btnContinue);
    buttons->addStretch(1);
    row->addLayout(buttons);
    m_progressLayout->addLayout(row);
    cxDone = new QPushButton(tr("Done"), this);
    cxDone->setMinimumWidth(90);
    timNextSite = new QTimer(this);
    timNextSite->setInterval(intervalMs);
    timNextSite->setSingleShot(true);
    connect(timNextSite, &QTimer::timeout, this, [this] { platform::guarded([this] { timNextSiteTimer(); }); });
    connect(cxSTOP, &QPushButton::clicked, this, &BatchWindow::cxSTOPClick);
    connect(btnContinue, &QPushButton::clicked, this, &BatchWindow::btnContinueClick);
    connect(cxDone, &QPushButton::clicked, this, &BatchWindow::doneClick);
}

QLabel* BatchWindow::addCounter(const QString& caption, const QString& objectName, bool red) {
    const int row = m_counters->rowCount();
    auto* n = new QLabel(QStringLiteral("0"), panProgress);
    n->setObjectName(objectName);
    QFont f = n->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    n->setFont(f);
    n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    n->setMinimumWidth(120);
    auto* c = new QLabel(caption, panProgress);
    if (red) {
        n->setStyleSheet(QStringLiteral("color:#ff5050;"));
        c->setStyleSheet(QStringLiteral("color:#ff5050;"));
    }
    m_counters->addWidget(n, row, 0);
    m_counters->addWidget(c, row, 1);
    return n;
}

void BatchWindow::cxSTOPClick() {
    timNextSite->stop();
    m_stopped = true;
    cxSTOP->hide();
    btnContinue->show();
    cxDone->show();
}

void BatchWindow::btnContinueClick() {
    m_stopped = false;
    cxSTOP->show();
    btnContinue->hide();
    cxDone->hide();
    timNextSite->start();
}

void BatchWindow::finish() {
    m_running = false;
    cxDone->show();
    cxSTOP->hide();
    btnContinue->hide();
}

void BatchWindow::closeEvent(QCloseEvent* e) {
    // Closing the window ends the run; a site in progress has already been written.
    timNextSite->stop();
    m_stopped = true;
    m_running = false;
    QDialog::closeEvent(e);
}

TSQLiteDatabase* BatchWindow::campaignDb() {
    TSQLiteDatabase* d = forms().frmMain ? forms().frmMain->campaignDb() : nullptr;
    if (!d)
        throw ESQLiteException(QStringLiteral("No campaign is open"));
    return d;
}

qint64 BatchWindow::countOf(const QString& sql) {
    return campaignDb()->RunQuery(sql)->FieldInteger(QStringLiteral("id"));
}
