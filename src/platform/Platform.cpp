#include "Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include <exception>

namespace platform {

namespace {
DesktopUi& desktop() {
    static DesktopUi ui;
    return ui;
}
Ui* g_ui = nullptr;
QString g_appDir;
} // namespace

Ui& Ui::instance() { return g_ui ? *g_ui : desktop(); }
void Ui::install(Ui* ui) { g_ui = ui; }

QString qtFilter(const QString& filter) {
    // "Vantorel Campaigns|*.vtc" becomes "Vantorel Campaigns (*.vtc)".
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QStringLiteral(")");
    return out.join(QStringLiteral(";;"));
}

QString applyDefaultExtension(const QString& fileName, const QString& defaultExt) {
    if (fileName.isEmpty() || defaultExt.isEmpty())
        return fileName;
    QString ext = defaultExt;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    if (QFileInfo(fileName).suffix().isEmpty())
        return fileName + QLatin1Char('.') + ext;
    return fileName;
}

QString Ui::openFileName(QWidget* parent, const QString& title, const QString& filter, const QString& defaultExt) {
    return applyDefaultExtension(askFileName(false, parent, title, qtFilter(filter)), defaultExt);
}

QString Ui::saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& defaultExt) {
    return applyDefaultExtension(askFileName(true, parent, title, qtFilter(filter)), defaultExt);
}

void Ui::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Ui::repaintPending() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}

void Ui::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QUrl urlForTarget(const QString& target) {
    if (target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return QUrl(target);
    if (QFileInfo::exists(target))
        return QUrl::fromLocalFile(target);
    // Reports store addresses without a scheme ("example.org/page"); the browser needs one.
    return QUrl::fromUserInput(target);
}

bool DesktopUi::showMessage(MsgKind kind, const QString& text, bool yesNo) {
    QMessageBox::Icon icon = QMessageBox::Warning;
    switch (kind) {
    case MsgKind::Warning: icon = QMessageBox::Warning; break;
    case MsgKind::Information: icon = QMessageBox::Information; break;
    case MsgKind::Confirmation: icon = QMessageBox::Question; break;
    case MsgKind::Error: icon = QMessageBox::Critical; break;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, applicationTitle(), shown,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, QApplication::activeWindow());
    return box.exec() != QMessageBox::No;
}

QString DesktopUi::askFileName(bool save, QWidget* parent, const QString& title, const QString& filter) {
    if (save)
        return QFileDialog::getSaveFileName(parent, title, QString(), filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

void DesktopUi::showModal(QDialog* dialog) { dialog->exec(); }

bool DesktopUi::shellOpen(const QString& target) { return QDesktopServices::openUrl(urlForTarget(target)); }

void DesktopUi::setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
QString DesktopUi::clipboardText() { return QGuiApplication::clipboard()->text(); }

QString appDir() {
    if (g_appDir.isEmpty()) {
        g_appDir = QCoreApplication::applicationDirPath();
        if (!g_appDir.endsWith(QLatin1Char('/')))
            g_appDir += QLatin1Char('/');
    }
    return g_appDir;
}

void setAppDir(const QString& dir) {
    g_appDir = QDir::cleanPath(dir);
    if (!g_appDir.endsWith(QLatin1Char('/')))
        g_appDir += QLatin1Char('/');
}

QString applicationTitle() { return QStringLiteral("Vantorel"); }

void reportUncaught(const QString& message) { Ui::instance().error(message); }

void guarded(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        reportUncaught(QString::fromUtf8(e.what()));
    } catch (...) {
        reportUncaught(QStringLiteral("Unknown error"));
    }
}

} // namespace platform
