#pragma once

#include <QString>
#include <functional>

class QDialog;
class QUrl;
class QWidget;

namespace platform {

enum class MsgKind { Warning, Information, Confirmation, Error };

// Everything the program asks of the desktop goes through this one interface, so that the
// test suite can script the user's answers and record what the program showed.
class Ui {
public:
    virtual ~Ui() = default;

    static Ui& instance();
    // Installs a replacement (the test double); nullptr restores the desktop implementation.
    static void install(Ui* ui);

    void warning(const QString& text) { showMessage(MsgKind::Warning, text, false); }
    void information(const QString& text) { showMessage(MsgKind::Information, text, false); }
    // A confirmation-kind box that only informs (an OK button).
    void confirmation(const QString& text) { showMessage(MsgKind::Confirmation, text, false); }
    void error(const QString& text) { showMessage(MsgKind::Error, text, false); }
    // Yes and No; true on Yes.
    bool ask(const QString& text, MsgKind kind = MsgKind::Confirmation) { return showMessage(kind, text, true); }

    // Filters are written "Description|*.ext"; a name typed without an extension gets defaultExt.
    QString openFileName(QWidget* parent, const QString& title, const QString& filter, const QString& defaultExt);
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& defaultExt);

    // Shows a window modally and returns when it has been closed.
    virtual void showModal(QDialog* dialog) = 0;
    // Opens a document, URL or mail address with its registered program; false when that failed.
    virtual bool shellOpen(const QString& target) = 0;

    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;

    // Lets pending window events be handled from inside a long piece of work.
    virtual void processEvents();
    // Repaints only: no user input is handled.
    virtual void repaintPending();
    virtual void setBusyCursor(bool busy);

protected:
    // Returns true for Yes (yesNo) or for the OK button.
    virtual bool showMessage(MsgKind kind, const QString& text, bool yesNo) = 0;
    virtual QString askFileName(bool save, QWidget* parent, const QString& title, const QString& qtFilter) = 0;
};

// The desktop implementation on Qt's own dialogs and services.
class DesktopUi : public Ui {
public:
    void showModal(QDialog* dialog) override;
    bool shellOpen(const QString& target) override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;

protected:
    bool showMessage(MsgKind kind, const QString& text, bool yesNo) override;
    QString askFileName(bool save, QWidget* parent, const QString& title, const QString& qtFilter) override;
};

QString qtFilter(const QString& filter);
QString applyDefaultExtension(const QString& fileName, const QString& defaultExt);
QUrl urlForTarget(const QString& target);

// The executable's directory, ending with a separator. Tests point it elsewhere.
QString appDir();
void setAppDir(const QString& dir);

QString applicationTitle();

// Runs fn and turns an escaping exception into the application's general error box.
void guarded(const std::function<void()>& fn);
void reportUncaught(const QString& message);

} // namespace platform
