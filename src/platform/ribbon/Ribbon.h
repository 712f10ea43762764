#pragma once

#include <QWidget>

class QAction;
class QHBoxLayout;
class QStackedWidget;
class QTabBar;

namespace platform {

// A ribbon: tabs of command groups, each command a large button (icon over caption)
// bound to an action whose objectName is the command's name. The ribbon also keeps
// commands that no group shows, so all of them are enabled or disabled by name.
class Ribbon : public QWidget
{
    Q_OBJECT
public:
    enum class Accent { Blue, Green, Orange, Purple, Yellow };

    class Group;
    class Tab;

    explicit Ribbon(QWidget *parent = nullptr);

    Tab *addTab(const QString &caption);
    // A command of the ribbon's command set; place it on a group with Group::addCommand.
    QAction *addCommand(const QString &name, const QString &caption, const QIcon &icon = {});
    QAction *command(const QString &name) const; // case-insensitive; nullptr when absent
    QList<QAction *> commands() const { return m_commands; }

    int tabCount() const;
    QString tabCaption(int index) const;
    Tab *tab(int index) const;
    void setCurrentTab(int index);
    int currentTab() const;

    // Enables the named commands (case-insensitive) and disables every other one,
    // as one batch update.
    void enableOnly(const QStringList &names);

    void setAccent(Accent accent);
    Accent accent() const { return m_accent; }
    static QColor accentColour(Accent accent);

    class Group : public QWidget
    {
    public:
        Group(const QString &caption, QWidget *parent);
        QString caption() const { return m_caption; }
        void addCommand(QAction *action);
        QList<QAction *> commands() const { return m_actions; }

    private:
        QString m_caption;
        QHBoxLayout *m_buttons;
        QList<QAction *> m_actions;
    };

    class Tab : public QWidget
    {
    public:
        explicit Tab(const QString &caption, QWidget *parent);
        QString caption() const { return m_caption; }
        Group *addGroup(const QString &caption);
        QList<Group *> groups() const { return m_groups; }

    private:
        QString m_caption;
        QHBoxLayout *m_layout;
        QList<Group *> m_groups;
    };

private:
    void applyAccent();

    QTabBar *m_tabBar;
    QStackedWidget *m_pages;
    QList<Tab *> m_tabs;
    QList<QAction *> m_commands;
    Accent m_accent = Accent::Blue;
};

} // namespace platform
