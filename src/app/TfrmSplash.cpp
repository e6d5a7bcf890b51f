#include "TfrmSplash.h"

#include "Forms.h"
#include "TfrmMain.h"
#include "platform/Platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

TfrmSplash::TfrmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(577, 402);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("labMessage"));
    m_message->setGeometry(0, 350, 577, 28);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setStyleSheet(QStringLiteral("QLabel{color:white;font-weight:bold;font-size:14px;}"));
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    timClose = new QTimer(this);
    timClose->setInterval(5000);
    connect(timClose, &QTimer::timeout, this, &TfrmSplash::timCloseTimer);
    timClose->start();
}

void TfrmSplash::setMessage(const QString& text) { m_message->setText(text); }
QString TfrmSplash::message() const { return m_message->text(); }

void TfrmSplash::timCloseTimer() {
    timClose->stop();
    m_elapsed = true;
    if (Tag == 1)
        close();
}

void TfrmSplash::splashClick() {
    if (Tag == 1 || Tag == -2)
        close();
}

void TfrmSplash::mousePressEvent(QMouseEvent*) { splashClick(); }

void TfrmSplash::keyPressEvent(QKeyEvent* e) {
    // Escape must not close the splash while the start-up runs.
    if (e->key() == Qt::Key_Escape && Tag != -2 && Tag != 1)
        return;
    QDialog::keyPressEvent(e);
}

void TfrmSplash::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    if (Tag == 1) {
        Tag = 0;
        if (TfrmMain* main = forms().frmMain)
            platform::guarded([main] { main->splashClosedAfterStartup(); });
    }
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, QColor(58, 58, 62));
    bg.setColorAt(1, QColor(16, 16, 18));
    p.fillRect(rect(), bg);
    QRadialGradient glow(QPointF(width() / 2.0, 150), 260);
    glow.setColorAt(0, QColor(214, 138, 36, 120));
    glow.setColorAt(1, QColor(214, 138, 36, 0));
    p.fillRect(rect(), glow);
    // A chain of links, the program's mark.
    p.setPen(QPen(QColor(230, 150, 50), 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(190, 90, 120, 60), 30, 30);
    p.drawRoundedRect(QRectF(267, 90, 120, 60), 30, 30);
    QFont title = font();
    title.setPointSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 170, width(), 80), Qt::AlignCenter, QStringLiteral("Vantorel"));
    QFont sub = font();
    sub.setPointSize(12);
    p.setFont(sub);
    p.setPen(QColor(200, 200, 200));
    p.drawText(QRect(0, 250, width(), 30), Qt::AlignCenter, tr("Work through your backlinks, one site at a time"));
    p.setPen(QColor(90, 90, 95));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
