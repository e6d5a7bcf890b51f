#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

class QAction;
class QHBoxLayout;
class QListWidget;
class QToolButton;
class QVBoxLayout;

namespace platform {

// A caption for a large button: without its accelerator mark, broken onto two lines.
QString wrapCaption(const QString& caption);

// The application menu: commands on the left, the recent files in a side pane on the right.
class ApplicationMenu : public QFrame {
    Q_OBJECT
public:
    explicit ApplicationMenu(QWidget* parent = nullptr);
    void addAction(QAction* action);
    void addSeparator();
    void setRecentItems(const QStringList& items);
    QStringList recentItems() const;
    QListWidget* recentPane() const { return m_recent; }
    void popupAt(const QPoint& globalPos);

signals:
    void recentItemClicked(int index);

private:
    QVBoxLayout* m_items;
    QListWidget* m_recent;
};

// A one-tab command ribbon with large buttons in captioned groups and a quick-access bar.
class Ribbon : public QWidget {
    Q_OBJECT
public:
    Ribbon(const QString& tabTitle, QWidget* parent = nullptr);
    void addGroup(const QString& title, const QList<QAction*>& actions);
    void addQuickAccess(QAction* action);
    ApplicationMenu* applicationMenu() const { return m_menu; }
    QToolButton* applicationButton() const { return m_appButton; }
    QStringList groupTitles() const { return m_groupTitles; }

private:
    QToolButton* m_appButton;
    QHBoxLayout* m_quick;
    QHBoxLayout* m_groups;
    ApplicationMenu* m_menu;
    QStringList m_groupTitles;
};

} // namespace platform
