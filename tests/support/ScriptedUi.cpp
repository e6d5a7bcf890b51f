#include "ScriptedUi.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

bool waitFor(const std::function<bool()>& pred, int ms) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

std::vector<ScriptedUi::Shown> ScriptedUi::take() {
    std::vector<Shown> out;
    out.swap(m_shown);
    return out;
}

QStringList ScriptedUi::takeTexts() {
    QStringList out;
    for (const Shown& s : take())
        out << s.text;
    return out;
}

bool ScriptedUi::showMessage(platform::MsgKind kind, const QString& text, bool yesNo) {
    m_shown.push_back({kind, text});
    if (!yesNo)
        return true;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool a = m_answers.front();
    m_answers.pop_front();
    return a;
}

QString ScriptedUi::askFileName(bool, QWidget*, const QString& title, const QString& filter) {
    fileTitles << title;
    fileFilters << filter;
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return QString();
    }
    const QString f = m_files.front();
    m_files.pop_front();
    return f;
}

void ScriptedUi::showModal(QDialog* dialog) {
    modals << dialog->objectName();
    dialog->setModal(false);
    dialog->show();
    for (auto it = m_modal.begin(); it != m_modal.end(); ++it) {
        if (it->first.isEmpty() || it->first == dialog->objectName()) {
            auto script = std::move(it->second);
            m_modal.erase(it);
            script(dialog);
            break;
        }
    }
    if (!waitFor([dialog] { return !dialog->isVisible(); })) {
        ADD_FAILURE() << "window stayed open: " << dialog->objectName().toStdString();
        dialog->hide();
    }
}

bool ScriptedUi::shellOpen(const QString& target) {
    opened << target;
    return shellResult;
}

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{";
    for (const QString& s : l)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}
