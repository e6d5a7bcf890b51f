#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// Covers the main window while the start-up runs; also serves as the About window.
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
    // 0 while the start-up runs, 1 once it has finished, -2 while serving as the About window.
    int Tag = 0;
    QTimer* timClose;
    bool timerElapsed() const { return m_elapsed; }
    void setMessage(const QString& text);
    QString message() const;
    void timCloseTimer();
    void splashClick();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* m_message;
    bool m_elapsed = false;
};
