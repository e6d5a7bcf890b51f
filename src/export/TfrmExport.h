#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// One CSV field: every double quote doubled, the whole in double quotes.
QString EscapeStringCSV(const QString& text);

// "Export Backlinks": writes the records of the chosen categories to a CSV file.
class TfrmExport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExport(QWidget* parent = nullptr);

    bool prepare(); // fills the filter and counts; false when the window is not to open
    bool PopulateFilterCategories();
    QString generateFilterSQL(bool countOnly) const;
    bool countFilteredRecords();
    void chkCategoriesClick();
    void cxExportClick();
    bool exportData(const QString& path);
    void cxDoneClick() { close(); }
    static QString headerLine();

    QStringList lstCategoryIDs;
    QStringList lstCategorySelected;
    QListWidget* chkCategories;
    QCheckBox* chkSubmittable;
    QLabel* labMatching;
    QPushButton *cxDone, *cxExport;

private:
    bool m_filling = false;
};
