#pragma once

#include "platform/Platform.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class QDialog;

// Scripted answers for every box and dialog, and a record of everything shown. An unexpected
// question or file dialog fails the test.
class ScriptedUi : public platform::Ui {
public:
    struct Shown {
        platform::MsgKind kind;
        QString text;
    };

    void answer(bool yes) { m_answers.push_back(yes); }
    void nextFileName(const QString& name) { m_files.push_back(name); }
    void onModal(std::function<void(QDialog*)> script) { m_modal.push_back({QString(), std::move(script)}); }
    // A script for the next showing of the window with this object name only.
    void onModal(const QString& window, std::function<void(QDialog*)> script) {
        m_modal.push_back({window, std::move(script)});
    }
    // Everything shown since the last call; the fixture fails on anything left unchecked.
    std::vector<Shown> take();
    QStringList takeTexts();
    const std::vector<Shown>& pending() const { return m_shown; }

    QStringList opened;      // shell opens
    QStringList modals;      // object names of windows shown modally
    QStringList fileTitles;  // titles of file dialogs
    QStringList fileFilters; // their filters
    bool shellResult = true;
    QString clipboard;
    size_t unansweredQuestions() const { return m_answers.size(); }

    void showModal(QDialog* dialog) override;
    bool shellOpen(const QString& target) override;
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    void setBusyCursor(bool) override {}

protected:
    bool showMessage(platform::MsgKind kind, const QString& text, bool yesNo) override;
    QString askFileName(bool save, QWidget* parent, const QString& title, const QString& filter) override;

private:
    std::deque<bool> m_answers;
    std::deque<QString> m_files;
    std::deque<std::pair<QString, std::function<void(QDialog*)>>> m_modal;
    std::vector<Shown> m_shown;
};

// Waits, handling events, until pred holds or the time runs out.
bool waitFor(const std::function<bool()>& pred, int ms = 10000);

#include <ostream>
// Readable QString values in test failures.
void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QStringList& l, std::ostream* os);
