#include "Ribbon.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform {

QString wrapCaption(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('&'));
    if (text.size() < 12)
        return text;
    // Break at the blank nearest the middle.
    int best = -1;
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char(' ') && (best < 0 || qAbs(i - text.size() / 2) < qAbs(best - text.size() / 2)))
            best = i;
    if (best > 0)
        text[best] = QLatin1Char('\n');
    return text;
}

ApplicationMenu::ApplicationMenu(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("applicationMenu"));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    auto* left = new QWidget(this);
    m_items = new QVBoxLayout(left);
    m_items->setContentsMargins(0, 0, 0, 0);
    m_items->setSpacing(2);
    m_items->addStretch(1);
    row->addWidget(left);
    auto* right = new QVBoxLayout;
    auto* caption = new QLabel(tr("Recent Campaigns"), this);
    QFont f = caption->font();
    f.setBold(true);
    caption->setFont(f);
    right->addWidget(caption);
    m_recent = new QListWidget(this);
    m_recent->setObjectName(QStringLiteral("recentPane"));
    m_recent->setMinimumWidth(380);
    m_recent->setMinimumHeight(260);
    right->addWidget(m_recent);
    row->addLayout(right, 1);
    connect(m_recent, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = m_recent->row(item);
        hide();
        emit recentItemClicked(index);
    });
}

void ApplicationMenu::addAction(QAction* action) {
    auto* b = new QToolButton(this);
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    b->setMinimumWidth(190);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(b, &QToolButton::triggered, this, &QWidget::hide);
    m_items->insertWidget(m_items->count() - 1, b);
}

void ApplicationMenu::addSeparator() {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_items->insertWidget(m_items->count() - 1, line);
}

void ApplicationMenu::setRecentItems(const QStringList& items) {
    m_recent->clear();
    m_recent->addItems(items);
}

QStringList ApplicationMenu::recentItems() const {
    QStringList out;
    for (int i = 0; i < m_recent->count(); ++i)
        out << m_recent->item(i)->text();
    return out;
}

void ApplicationMenu::popupAt(const QPoint& globalPos) {
    adjustSize();
    move(globalPos);
    show();
}

Ribbon::Ribbon(const QString& tabTitle, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ribbon"));
    setAutoFillBackground(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 2, 4, 2);
    outer->setSpacing(2);

    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    m_appButton = new QToolButton(this);
    m_appButton->setObjectName(QStringLiteral("applicationButton"));
    m_appButton->setText(QStringLiteral("V"));
    m_appButton->setToolTip(tr("Application Menu"));
    m_appButton->setFixedSize(34, 30);
    m_appButton->setStyleSheet(QStringLiteral(
        "QToolButton{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #e59a3a,stop:1 #b66a12);"
        "color:black;font-weight:bold;font-size:15px;border-radius:15px;}"));
    top->addWidget(m_appButton);
    m_quick = new QHBoxLayout;
    m_quick->setSpacing(0);
    top->addLayout(m_quick);
    top->addSpacing(12);
    auto* tab = new QLabel(tabTitle, this);
    tab->setObjectName(QStringLiteral("ribbonTab"));
    tab->setStyleSheet(QStringLiteral(
        "QLabel{padding:3px 16px;border:1px solid #5a5a5e;border-bottom:none;background:#46464a;"
        "border-top-left-radius:4px;border-top-right-radius:4px;font-weight:bold;}"));
    top->addWidget(tab);
    top->addStretch(1);
    outer->addLayout(top);

    auto* body = new QFrame(this);
    body->setObjectName(QStringLiteral("ribbonBody"));
    body->setStyleSheet(QStringLiteral("#ribbonBody{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,"
                                       "stop:0 #4a4a4e,stop:1 #303033);border:1px solid #5a5a5e;}"));
    m_groups = new QHBoxLayout(body);
    m_groups->setContentsMargins(4, 2, 4, 2);
    m_groups->setSpacing(4);
    m_groups->addStretch(1);
    outer->addWidget(body);

    m_menu = new ApplicationMenu(this);
    connect(m_appButton, &QToolButton::clicked, this,
            [this] { m_menu->popupAt(m_appButton->mapToGlobal(QPoint(0, m_appButton->height()))); });
}

void Ribbon::addGroup(const QString& title, const QList<QAction*>& actions) {
    m_groupTitles << title;
    auto* group = new QWidget(this);
    auto* v = new QVBoxLayout(group);
    v->setContentsMargins(2, 2, 2, 0);
    v->setSpacing(0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    for (QAction* a : actions) {
        auto* b = new QToolButton(group);
        b->setObjectName(a->objectName() + QStringLiteral("Button"));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(32, 32));
        b->setAutoRaise(true);
        b->setMinimumWidth(72);
        b->setMinimumHeight(72);
        // Large buttons show their caption on up to two lines, as a ribbon does.
        auto sync = [b, a] {
            b->setText(wrapCaption(a->text()));
            b->setIcon(a->icon());
            b->setToolTip(a->toolTip());
            b->setEnabled(a->isEnabled());
        };
        sync();
        connect(a, &QAction::changed, b, sync);
        connect(b, &QToolButton::clicked, a, &QAction::trigger);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    auto* caption = new QLabel(title, group);
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("QLabel{color:#b8b8b8;font-size:11px;}"));
    v->addWidget(caption);
    m_groups->insertWidget(m_groups->count() - 1, group);
    if (m_groups->count() > 2) {
        auto* sep = new QFrame(this);
        sep->setFrameShape(QFrame::VLine);
        sep->setStyleSheet(QStringLiteral("color:#5a5a5e;"));
        m_groups->insertWidget(m_groups->count() - 2, sep);
    }
}

void Ribbon::addQuickAccess(QAction* action) {
    auto* b = new QToolButton(this);
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    m_quick->addWidget(b);
}

} // namespace platform
