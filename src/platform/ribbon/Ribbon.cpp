#include "Ribbon.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform {

Ribbon::Ribbon(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dxRibbon"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabBar = new QTabBar(this);
    m_tabBar->setObjectName(QStringLiteral("ribbonTabs"));
    m_tabBar->setAccessibleName(QStringLiteral("Abas"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("ribbonPages"));
    layout->addWidget(m_tabBar);
    layout->addWidget(m_pages);
    connect(m_tabBar, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    setAutoFillBackground(true);
    applyAccent();
}

Ribbon::Tab *Ribbon::addTab(const QString &caption)
{
    auto *tab = new Tab(caption, m_pages);
    m_tabs << tab;
    m_pages->addWidget(tab);
    m_tabBar->addTab(caption);
    return tab;
}

QAction *Ribbon::addCommand(const QString &name, const QString &caption, const QIcon &icon)
{
    auto *action = new QAction(icon, caption, this);
    action->setObjectName(name);
    m_commands << action;
    return action;
}

QAction *Ribbon::command(const QString &name) const
{
    for (QAction *a : m_commands)
        if (a->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return a;
    return nullptr;
}

int Ribbon::tabCount() const { return static_cast<int>(m_tabs.size()); }
QString Ribbon::tabCaption(int index) const { return m_tabs.value(index) ? m_tabs[index]->caption() : QString(); }
Ribbon::Tab *Ribbon::tab(int index) const { return m_tabs.value(index); }
void Ribbon::setCurrentTab(int index) { m_tabBar->setCurrentIndex(index); }
int Ribbon::currentTab() const { return m_tabBar->currentIndex(); }

void Ribbon::enableOnly(const QStringList &names)
{
    setUpdatesEnabled(false);
    for (QAction *a : std::as_const(m_commands)) {
        bool keep = false;
        for (const QString &n : names)
            keep = keep || a->objectName().compare(n, Qt::CaseInsensitive) == 0;
        a->setEnabled(keep);
    }
    setUpdatesEnabled(true);
}

QColor Ribbon::accentColour(Accent accent)
{
    switch (accent) {
    case Accent::Green:
        return QColor(46, 125, 50);
    case Accent::Orange:
        return QColor(230, 126, 34);
    case Accent::Purple:
        return QColor(106, 27, 154);
    case Accent::Yellow:
        return QColor(241, 196, 15);
    case Accent::Blue:
        break;
    }
    return QColor(0, 105, 148);
}

void Ribbon::setAccent(Accent accent)
{
    m_accent = accent;
    applyAccent();
}

void Ribbon::applyAccent()
{
    const QColor c = accentColour(m_accent);
    setStyleSheet(QStringLiteral(
                      "QTabBar#ribbonTabs { background: %1; }"
                      "QTabBar#ribbonTabs::tab { color: white; padding: 6px 18px; border: none; background: %1; }"
                      "QTabBar#ribbonTabs::tab:selected { color: %1; background: #f5f8fb; font-weight: bold; }"
                      "QStackedWidget#ribbonPages { background: #f5f8fb; border-bottom: 1px solid %2; }"
                      "QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px; }"
                      "QToolButton:hover { border-color: %1; background: %3; }"
                      "QLabel#ribbonGroupCaption { color: #4a5568; }")
                      .arg(c.name(), c.darker(130).name(), c.lighter(190).name()));
}

Ribbon::Group::Group(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption)
{
    setObjectName(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    m_buttons = new QHBoxLayout;
    m_buttons->setSpacing(2);
    layout->addLayout(m_buttons, 1);
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("ribbonGroupCaption"));
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
}

void Ribbon::Group::addCommand(QAction *action)
{
    auto *button = new QToolButton(this);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setMinimumWidth(72);
    // Captions are never cut: the group grows to its buttons.
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    button->setAutoRaise(true);
    button->setAccessibleName(action->text().trimmed());
    m_buttons->addWidget(button);
    m_actions << action;
}

Ribbon::Tab::Tab(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption)
{
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(4, 4, 4, 2);
    m_layout->setSpacing(4);
    m_layout->addStretch();
}

Ribbon::Group *Ribbon::Tab::addGroup(const QString &caption)
{
    auto *group = new Group(caption, this);
    if (!m_groups.isEmpty()) {
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        m_layout->insertWidget(m_layout->count() - 1, line);
    }
    m_layout->insertWidget(m_layout->count() - 1, group);
    m_groups << group;
    return group;
}

} // namespace platform
