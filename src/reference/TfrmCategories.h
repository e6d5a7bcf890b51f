#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// "Site Category Management": adds, renames and deletes categories; IDs 1 to 4 are protected.
class TfrmCategories : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Adding, Editing };
    explicit TfrmCategories(QWidget* parent = nullptr);

    void prepare();
    void populateCatgories();
    void lstCategoriesClick();
    void cxEditClick();
    void cxAddNewClick();
    void cxDeleteClick();
    void cxCancelClick();
    void cxSaveClick();
    void HidePanels();
    static bool isProtected(const QString& id);

    Mode mode = Mode::Adding;
    QStringList lstIDs;
    QListWidget* lstCategories;
    QLabel* panCannotBeModified;
    QWidget *panEditDelete, *panNew;
    QPushButton *cxEdit, *cxAddNew, *cxDelete, *cxCancel, *cxSave;
    QLineEdit* txtCategory;
};
