// Category management and the clipboard manager.
#include "reference/TfrmCategories.h"
#include "reference/TfrmClipboard.h"
#include "support/AppFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

class Categories : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUp();
    }
    TfrmCategories* win() const { return forms().frmCategories; }
    int rowOf(const QString& name) const {
        for (int i = 0; i < win()->lstCategories->count(); ++i)
            if (win()->lstCategories->item(i)->text() == name)
                return i;
        return -1;
    }
    void edit(const std::function<void()>& script) {
        ui.onModal(QStringLiteral("frmCategories"), [this, script](QDialog*) {
            script();
            win()->close();
        });
        main()->dxSiteCategoryManagementClick();
    }
    bool shown(QWidget* w) const { return w->isVisibleTo(win()); }
    QStringList mainFilterTicks() const {
        QStringList names;
        for (int i = 0; i < main()->chkCategories->count(); ++i)
            if (main()->chkCategories->item(i)->checkState() == Qt::Checked)
                names << main()->chkCategories->item(i)->text();
        return names;
    }
};

TEST_F(Categories, ProtectedCategoriesCannotBeTouched) {
    edit([this] {
        win()->lstCategories->setCurrentRow(rowOf(QStringLiteral("Unreviewed")));
        EXPECT_TRUE(shown(win()->panCannotBeModified));
        EXPECT_FALSE(shown(win()->cxEdit));
        EXPECT_FALSE(shown(win()->cxDelete));
        win()->cxEditClick();
        EXPECT_FALSE(shown(win()->panNew));
        win()->lstCategories->setCurrentRow(rowOf(QStringLiteral("Spammy")));
        EXPECT_FALSE(shown(win()->panCannotBeModified));
        EXPECT_TRUE(shown(win()->cxEdit));
    });
}

TEST_F(Categories, AddEditDeleteWithTheirQuestions) {
    edit([this] {
        win()->cxAddNewClick();
        win()->cxSaveClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Category Name cannot be blank!"});
        EXPECT_TRUE(shown(win()->panNew));
        win()->txtCategory->setText(QStringLiteral("A \"quoted\" ID"));
        win()->cxSaveClick();
        EXPECT_FALSE(shown(win()->panNew));
        EXPECT_EQ(win()->lstCategories->item(win()->lstCategories->count() - 1)->text(), QStringLiteral("A \"quoted\" ID"));
        EXPECT_EQ(win()->lstIDs.last(), QStringLiteral("15"));
        // Edit in place.
        win()->lstCategories->setCurrentRow(rowOf(QStringLiteral("Spammy")));
        win()->cxEditClick();
        EXPECT_FALSE(win()->lstCategories->isEnabled());
        win()->txtCategory->setText(QStringLiteral("Very Spammy"));
        ui.answer(false);
        win()->cxCancelClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Are you sure you want to cancel any changes?"});
        win()->cxSaveClick();
        EXPECT_GE(rowOf(QStringLiteral("Very Spammy")), 0);
        // Delete the largest ID: the next one added gets it again.
        win()->lstCategories->setCurrentRow(rowOf(QStringLiteral("A \"quoted\" ID")));
        ui.answer(true);
        win()->cxDeleteClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Are you sure that you want to delete \"A \"quoted\" ID\" category?"});
        EXPECT_EQ(rowOf(QStringLiteral("A \"quoted\" ID")), -1);
        EXPECT_FALSE(shown(win()->cxEdit));
        win()->cxAddNewClick();
        win()->txtCategory->setText(QStringLiteral("   "));
        win()->cxSaveClick();
        EXPECT_EQ(win()->lstIDs.last(), QStringLiteral("15"));
    });
    auto t = main()->managementDb()->RunQuery(QStringLiteral("SELECT Category FROM categories WHERE ID = 7"));
    EXPECT_EQ(t->FieldText(QStringLiteral("Category")), QStringLiteral("Very Spammy"));
}

TEST_F(Categories, MainFilterKeepsTicksAcrossRenamesAndLosesDeletedOnes) {
    const qint64 link = addLink(QStringLiteral("kept.example"), 8);
    for (int i = 0; i < main()->chkCategories->count(); ++i) {
        const QString id = main()->lstCategoryIDs[i];
        main()->chkCategories->item(i)->setCheckState(id == "7" || id == "8" ? Qt::Checked : Qt::Unchecked);
    }
    edit([this] {
        win()->lstCategories->setCurrentRow(rowOf(QStringLiteral("Spammy")));
        win()->cxEditClick();
        win()->txtCategory->setText(QStringLiteral("Junk"));
        win()->cxSaveClick();
        win()->lstCategories->setCurrentRow(rowOf(QStringLiteral("Unrelated")));
        ui.answer(true);
        win()->cxDeleteClick();
        ui.take();
    });
    EXPECT_EQ(mainFilterTicks(), QStringList{"Junk"});
    EXPECT_EQ(field(link, QStringLiteral("Category")), QStringLiteral("8")); // records keep the deleted ID
    // Unticking everything brings "Unreviewed" back after the editor.
    for (int i = 0; i < main()->chkCategories->count(); ++i)
        main()->chkCategories->item(i)->setCheckState(Qt::Unchecked);
    edit([] {});
    EXPECT_EQ(mainFilterTicks(), QStringList{"Unreviewed"});
}

class Clipboard : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        startUp();
    }
    TfrmClipboard* mgr() const { return forms().frmClipboard; }
    TfrmClipboardUpdate* editor() const { return forms().frmClipboardUpdate; }
    // Adds an entry through the editor.
    void add(const QString& title, const QString& text) {
        ui.onModal(QStringLiteral("frmClipboardUpdate"), [this, title, text](QDialog*) {
            editor()->txtTitle->setText(title);
            editor()->memText->setPlainText(text);
            editor()->cxSaveClick();
        });
        mgr()->cxAddClick();
    }
    int rowOf(const QString& title) const {
        for (int i = 0; i < mgr()->lstClipboard->count(); ++i)
            if (mgr()->lstClipboard->item(i)->text() == title)
                return i;
        return -1;
    }
    qint64 entries() { return campaign().RunQuery(QStringLiteral("SELECT COUNT(*) AS n FROM clipboard"))->FieldInteger(QStringLiteral("n")); }
};

TEST_F(Clipboard, GeometryRulesAndBottomStrip) {
    const QRect screen(0, 0, 1600, 1000);
    const int unset[4] = {-1, -1, -1, -1};
    const int small[4] = {10, 10, 73, 500};
    const int stored[4] = {100, 50, 300, 600};
    EXPECT_EQ(clipboardManagerGeometry(unset, screen), QRect(0, 0, 290, 952));
    EXPECT_EQ(clipboardManagerGeometry(small, screen), QRect(0, 0, 290, 952));
    EXPECT_EQ(clipboardManagerGeometry(stored, screen), QRect(100, 50, 300, 600));
    const ClipboardButtons b = clipboardButtons(290);
    EXPECT_EQ(b.addWidth, 91);
    EXPECT_EQ(b.deleteWidth, 91);
    EXPECT_EQ(b.editWidth, 92);
    EXPECT_EQ(b.editLeft, 99);
    EXPECT_EQ(b.deleteLeft, 195);
}

TEST_F(Clipboard, TableIsCreatedLazilyAndSelectingCopies) {
    EXPECT_FALSE(campaign().HasTable(QStringLiteral("clipboard")));
    mgr()->showManager();
    EXPECT_TRUE(campaign().HasTable(QStringLiteral("clipboard")));
    EXPECT_FALSE(main()->isDirty());
    const QString text = QStringLiteral("it's \"quoted\"\nsecond line");
    add(QStringLiteral("Data"), text);
    add(QStringLiteral("alpha"), QStringLiteral("first"));
    EXPECT_EQ(mgr()->lstClipboard->item(0)->text(), QStringLiteral("alpha"));
    EXPECT_TRUE(main()->isDirty());
    mgr()->selectIndex(rowOf(QStringLiteral("Data")));
    EXPECT_EQ(ui.clipboard, text);
    EXPECT_EQ(mgr()->labPreview->text(), text);
    EXPECT_TRUE(mgr()->cxEdit->isEnabled());
    mgr()->selectIndex(-1);
    EXPECT_EQ(ui.clipboard, QString());
    EXPECT_FALSE(mgr()->cxDelete->isEnabled());
}

TEST_F(Clipboard, DuplicateTitleOffersToEditTheOriginal) {
    mgr()->showManager();
    add(QStringLiteral("Bio"), QStringLiteral("old"));
    ui.answer(false);
    ui.onModal(QStringLiteral("frmClipboardUpdate"), [this](QDialog*) {
        editor()->txtTitle->setText(QStringLiteral("BIO"));
        editor()->memText->setPlainText(QStringLiteral("new"));
        editor()->cxSaveClick();
        EXPECT_TRUE(editor()->isVisible()); // No: the editor stays open
        ui.answer(true);
        editor()->cxSaveClick();
    });
    mgr()->cxAddClick();
    EXPECT_EQ(ui.takeTexts(), (QStringList{"BIO already exists - edit original record?", "BIO already exists - edit original record?"}));
    EXPECT_EQ(entries(), 1);
    auto t = campaign().RunQuery(QStringLiteral("SELECT Title, Data FROM clipboard"));
    EXPECT_EQ(t->FieldText(QStringLiteral("Title")), QStringLiteral("BIO"));
    EXPECT_EQ(t->FieldText(QStringLiteral("Data")), QStringLiteral("new"));
}

TEST_F(Clipboard, EmptyTitleEditAndDeleteKeepsTheSystemClipboard) {
    mgr()->showManager();
    ui.onModal(QStringLiteral("frmClipboardUpdate"), [this](QDialog*) {
        editor()->cxSaveClick();
        EXPECT_EQ(ui.takeTexts(), QStringList{"Please enter a title"});
        editor()->cxCancelClick();
    });
    mgr()->cxAddClick();
    EXPECT_EQ(entries(), 0);
    EXPECT_EQ(editor()->txtTitle->maxLength(), 75);
    add(QStringLiteral("Sig"), QStringLiteral("one"));
    mgr()->selectIndex(0);
    ui.onModal(QStringLiteral("frmClipboardUpdate"), [this](QDialog*) {
        EXPECT_EQ(editor()->memText->toPlainText(), QStringLiteral("one"));
        editor()->memText->setPlainText(QStringLiteral("two"));
        editor()->cxSaveClick();
    });
    mgr()->cxEditClick();
    EXPECT_EQ(mgr()->labPreview->text(), QStringLiteral("two"));
    EXPECT_EQ(ui.clipboard, QStringLiteral("one")); // until selected again
    mgr()->selectIndex(0);
    ui.answer(true);
    mgr()->cxDeleteClick();
    EXPECT_EQ(ui.takeTexts(), QStringList{"Are you sure that you wish to delete [Sig]?"});
    EXPECT_EQ(mgr()->lstClipboard->count(), 0);
    EXPECT_EQ(ui.clipboard, QStringLiteral("two"));
}

TEST_F(Clipboard, EntriesFollowTheOpenedCampaignAndGeometryIsKept) {
    mgr()->showManager();
    add(QStringLiteral("Mine"), QStringLiteral("x"));
    main()->SetClean();
    main()->dxNewProjectClick(true);
    mgr()->FormActivate();
    EXPECT_EQ(rowOf(QStringLiteral("Mine")), 0); // a new campaign keeps them
    {
        auto other = TSQLiteDatabase::OpenDatabase(path(QStringLiteral("other.vtc")));
        other->RunStatement(QStringLiteral("CREATE TABLE links (ID INTEGER PRIMARY KEY, SourceDomain, Alexa)"));
    }
    main()->OpenProjectFile(path(QStringLiteral("other.vtc")));
    ui.take();
    mgr()->FormActivate();
    EXPECT_EQ(mgr()->lstClipboard->count(), 0);
    mgr()->setGeometry(40, 60, 250, 400);
    main()->close();
    const QStringList lines = QString::fromUtf8(readFile(path(QStringLiteral("settings.txt")))).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(5, 4), (QStringList{"40", "60", "250", "400"}));
}

TEST_F(Clipboard, LaunchWithClipboardTickedShowsTheManager) {
    addLink(QStringLiteral("l.example"));
    refresh();
    main()->chkClipboard->setChecked(true);
    main()->dxBrowseClick();
    EXPECT_TRUE(mgr()->isVisible());
    EXPECT_EQ(ui.opened.size(), 1);
    EXPECT_EQ(mgr()->windowFlags() & Qt::WindowStaysOnTopHint, Qt::WindowStaysOnTopHint);
    EXPECT_EQ(mgr()->parentWidget(), nullptr);
}
