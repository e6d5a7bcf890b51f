#pragma once

#include "CsvReader.h"
#include "TfrmImportConfig.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QSet>
#include <QStringList>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// "Import Backlinks": reads a CSV report and adds one link record per new linking domain.
class TfrmImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget* parent = nullptr);

    void FormShowTimer();
    bool loadKnownDomains();
    void chooseFile();
    void importData(const QString& path);
    void processData(); // the rows of the file read last
    QString ReadValue(int column) const;
    void cxSTOPClick();
    void cxImportAnotherClick();
    void cxDoneClick();

    qint64 processed() const { return m_processed; }
    qint64 duplicates() const { return m_duplicates; }
    qint64 added() const { return m_new; }
    bool isKnown(const QString& domain) const;

    QWidget* panProgress;
    QLabel *labFile, *labConfig, *labProcessed, *labDuplicates, *labNew;
    QProgressBar* ProgressBar1;
    QPushButton *cxSTOP, *cxImportAnother, *cxDone;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void showCounters();
    void showEndState();
    void resetCounters();
    void commitPending();
    QSet<QString> m_known;
    QString m_text;
    CsvReader m_reader{m_text}; // record boundaries of m_text, found once per file
    QStringList m_fields;
    qint64 m_processed = 0, m_duplicates = 0, m_new = 0;
    bool m_running = false;
    bool m_stop = false;
    bool m_closePending = false;
};
