#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The import configuration the backlink import reads its columns from.
struct ImportConfig {
    QString name;
    int cols[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// "File Configurations": lists, creates, edits and deletes import configurations.
class TfrmImportConfig : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Browse, Add, Edit };
    explicit TfrmImportConfig(QWidget* parent = nullptr);

    bool LookupType(const QString& headerLine);
    const ImportConfig& currentConfig() const { return m_current; }

    void openFromRibbon();
    void openForImport(const QString& headerLine);
    void refreshList();
    void showSelected();
    void lstConfigsClick();
    void cxNewClick();
    void cxEditClick();
    void cxDeleteClick();
    void cxSaveClick();
    void cxCancelClick();
    void cxUseCodeClick();
    void supportLinkClick();

    static QString columnLetter(int column); // -1 "Not Used", 0 "A" .. 51 "AZ"
    static QString supportAddress() { return QStringLiteral("support@vantorel.example.com"); }

    Mode mode() const { return m_mode; }
    bool importMode() const { return m_importMode; }
    QStringList lstIDs;

    QPushButton *cxNew, *cxEdit, *cxDelete, *cxSave, *cxCancel, *cxUseCode;
    QListWidget* lstConfigs;
    QLineEdit *txtName, *txtIdentifier;
    QComboBox* cboCols[10];
    QPlainTextEdit* memCode;
    QWidget *panEdit, *panSaveCancel, *panLeftTop, *panLeftBottom;
    QLabel* labSupport;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void setMode(Mode mode);
    void setEditable(bool editable);
    void clearFields();
    void selectId(qint64 id);
    Mode m_mode = Mode::Browse;
    bool m_importMode = false;
    ImportConfig m_current;
};
