#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

// Pieces that most screens share, built one way.

// The caption of a screen's own title bar: bold, white, at the given size.
QLabel *titleLabel(QWidget *parent, const QString &objectName, const QString &text, int pointSize = 12);
// The "X" close button of a screen's own title bar; it never takes the focus or Enter.
QPushButton *titleCloseButton(QWidget *parent, const QString &objectName);
// A push button with its object name; its caption is its accessible name.
QPushButton *namedButton(QWidget *parent, const QString &objectName, const QString &caption);
// A caption and its edit box: the caption is the box's buddy and accessible name.
QLineEdit *captionedEdit(QWidget *parent, QLabel *&caption, const QString &captionName, const QString &text,
                         const QString &editName);

} // namespace ui
