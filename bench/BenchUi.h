#pragma once

#include "platform/Platform.h"

#include <QStringList>

#include <deque>
#include <functional>

// Scripted answers for the benchmarks: no dialog waits for a person.
class BenchUi : public platform::Ui {
public:
    std::deque<QString> files;
    std::function<bool(QDialog*)> finished; // true once a modal window's work is done
    QStringList shown;

    void showModal(QDialog* dialog) override;
    bool shellOpen(const QString&) override { return true; }
    void setClipboardText(const QString& t) override { m_clip = t; }
    QString clipboardText() override { return m_clip; }
    void setBusyCursor(bool) override {}

protected:
    bool showMessage(platform::MsgKind, const QString& text, bool) override {
        shown << text;
        return false; // "No" to every question: no configuring, no STOP
    }
    QString askFileName(bool, QWidget*, const QString&, const QString&) override {
        if (files.empty())
            return QString();
        QString f = files.front();
        files.pop_front();
        return f;
    }

private:
    QString m_clip;
};

// Starts the program's windows in folder, as a normal start does.
void startProgram(const QString& folder, BenchUi& ui);
double medianMs(std::vector<double> v);

struct ImportFigures {
    qint64 processed = 0, duplicates = 0, added = 0;
    double ms = 0;
};
// Runs the import window's own code on a fresh campaign whose program folder is folder.
ImportFigures runImport(const QString& file, const QString& folder);
