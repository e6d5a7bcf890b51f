#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QGridLayout;
class QVBoxLayout;
class TSQLiteDatabase;

// What the two batch checks share: one site per timer tick, STOP, CONTINUE and "Done".
class BatchWindow : public QDialog {
    Q_OBJECT
public:
    BatchWindow(const QString& caption, int intervalMs, QWidget* parent);

    void cxSTOPClick();
    void btnContinueClick();
    void doneClick() { close(); }
    virtual void timNextSiteTimer() = 0;
    bool running() const { return m_running; }

    QLabel* labURL;
    QProgressBar* ProgressBar1;
    QPushButton *cxSTOP, *btnContinue, *cxDone;
    QTimer* timNextSite;
    QWidget* panProgress;

protected:
    void closeEvent(QCloseEvent* e) override;
    QLabel* addCounter(const QString& caption, const QString& objectName, bool red = false);
    void finish();
    static TSQLiteDatabase* campaignDb();
    static qint64 countOf(const QString& sql);
    QVBoxLayout* m_progressLayout;
    QGridLayout* m_counters;
    bool m_running = false;
    bool m_stopped = false;
};
