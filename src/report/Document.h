#pragma once

#include "DataSource.h"
#include "Template.h"

#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <memory>

namespace report {

// Space between a frame and its text, in millimetres.
inline constexpr double kFramePadding = 0.5;

// One laid-out object; lengths in millimetres from the page's top left.
struct Item
{
    ReportObject::Kind kind = ReportObject::Kind::Text;
    QRectF rect;           // a line runs from its top left to its bottom right
    QString text;
    QFont font;
    Align align = Align::Left;
    bool wrap = false;
    bool frame = false;
};

struct Page
{
    QSizeF size;           // millimetres
    QList<Item> items;
};

// A report laid out on pages, ready to paint or to read back as text.
struct Document
{
    QList<Page> pages;

    // Each page's texts as lines: texts whose tops line up, left to right, joined by " | ".
    QList<QStringList> text() const;
};

// Keys in lower case: names match without regard to case.
using Sources = QHash<QString, std::shared_ptr<const DataSource>>;
using Variables = QHash<QString, QVariant>;

Document layOut(const Template &tmpl, const Sources &sources, const Variables &variables,
                const QDateTime &printed);

} // namespace report
