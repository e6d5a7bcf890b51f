#pragma once

#include "BatchWindow.h"

#include <QStringList>

class QPlainTextEdit;

// 1 when a phrase occurs in the page (ASCII letters compared without case), else 0.
int searchKeyPhrases(const QString& page, const QStringList& phrases);
const QStringList& builtInKeyPhrases();

// "Find Submittable Sites": searches every unchecked site's home page for key phrases.
class TfrmSubmittable : public BatchWindow {
    Q_OBJECT
public:
    explicit TfrmSubmittable(QWidget* parent = nullptr);

    bool prepare(); // false when the window is not to open
    void loadKeyPhrases();
    void saveKeyPhrases();
    bool CountRecords();
    void cxStartClick();
    void cxResetClick();
    bool LookupNextSite();
    void timNextSiteTimer() override;
    void cxDoneClick() { doneClick(); }
    QStringList phrases() const;

    static QString phraseFilePath();
    long noDataSeconds = 100;
    bool edited = false;

    qint64 checked() const { return m_checked; }
    qint64 toBeChecked() const { return m_toBeChecked; }
    qint64 found() const { return m_found; }
    qint64 notFound() const { return m_notFound; }
    qint64 errors() const { return m_errors; }

    QPlainTextEdit* memKeyText;
    QWidget* panStartBar;
    QPushButton *cxReset, *cxStart;
    QLabel *labProcessed, *labToBeProcessed, *labKeyPhraseFound, *labKeyPhraseNotFound, *labErrors;
    QString lastPage; // the text of the page last fetched

private:
    void showCounters();
    qint64 m_checked = 0, m_toBeChecked = 0, m_found = 0, m_notFound = 0, m_errors = 0;
    bool m_loading = false;
    QStringList m_runPhrases; // fixed for the run: the box is disabled from Start on
};
