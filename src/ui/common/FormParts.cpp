#include "FormParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

QLabel *titleLabel(QWidget *parent, const QString &objectName, const QString &text, int pointSize)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QPushButton *titleCloseButton(QWidget *parent, const QString &objectName)
{
    auto *button = new QPushButton(QStringLiteral("X"), parent);
    button->setObjectName(objectName);
    button->setAccessibleName(QStringLiteral("Fechar"));
    button->setToolTip(QStringLiteral("Fechar"));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(30, 26);
    return button;
}

QPushButton *namedButton(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

QLineEdit *captionedEdit(QWidget *parent, QLabel *&caption, const QString &captionName, const QString &text,
                         const QString &editName)
{
    caption = new QLabel(text, parent);
    caption->setObjectName(captionName);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(editName);
    caption->setBuddy(edit);
    edit->setAccessibleName(text);
    return edit;
}

} // namespace ui
