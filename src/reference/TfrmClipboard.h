#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// Where the manager stands the first time: the left edge, 290 wide, 48 short of the screen.
QRect clipboardManagerGeometry(const int stored[4], const QRect& screen);
// The widths and left edges of "Add", "Edit" and "Delete" in a bottom strip of the given width.
struct ClipboardButtons {
    int addLeft, addWidth, editLeft, editWidth, deleteLeft, deleteWidth;
};
ClipboardButtons clipboardButtons(int stripWidth);

// "Clipboard Manager": the campaign's text snippets; selecting one puts it on the clipboard.
class TfrmClipboard : public QWidget {
    Q_OBJECT
public:
    explicit TfrmClipboard(QWidget* parent = nullptr);

    void showManager();
    void FormShow();
    void FormClose();
    void FormActivate();
    void reloadList();
    void lstClipboardClick();
    void cxAddClick();
    void cxEditClick();
    void cxDeleteClick();
    void panBottomResize();
    int selectedIndex() const;
    void selectIndex(int index); // selects and copies, as a click does

    QStringList lstClipboardIDs;
    QString memCopy;
    QListWidget* lstClipboard;
    QLabel* labPreview;
    QWidget* panBottom;
    QPushButton *cxAdd, *cxEdit, *cxDelete;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool m_placed = false;
};

// "Update Clipboard Entry": adds or edits one snippet.
class TfrmClipboardUpdate : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    explicit TfrmClipboardUpdate(QWidget* parent = nullptr);
    void cxSaveClick();
    void cxCancelClick();

    Mode mode = Mode::Add;
    QLineEdit* txtTitle;
    QPlainTextEdit* memText;
    QPushButton *cxCancel, *cxSave;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool saveEdit();
};
