#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace report {

enum class Align { Left, Center, Right };

// A text or a line inside a band; lengths in millimetres from the band's top left.
struct ReportObject
{
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    QString text;          // fixed text mixed with [references]
    double x = 0;
    double y = 0;
    double width = -1;     // -1: up to the band's right edge
    double height = -1;    // -1: one line of the object's font (a line: 0, horizontal)
    Align align = Align::Left;
    double fontSize = 0;   // 0: the template's
    bool bold = false;
    bool wrap = false;     // grows downwards to hold the whole text
    bool frame = false;    // a box around the text
};

struct Band
{
    double height = 0;     // at least this; objects may make it taller
    QList<ReportObject> objects;
    bool isEmpty() const { return height <= 0 && objects.isEmpty(); }
};

enum class PageKind { A4, Roll58, Roll80 };

struct Template
{
    PageKind page = PageKind::A4;
    QString fontFamily = QStringLiteral("DejaVu Sans");
    double fontSize = 8;
    QString data;          // the data source with one detail band per row
    QString groupBy;       // a field of that source; a new group starts where it changes

    Band pageHeader, columnHeader, groupHeader, detail, groupFooter, summary, pageFooter;

    // nullopt with the reason in `error` when the text is not a valid template.
    static std::optional<Template> parse(const QByteArray &json, QString *error = nullptr);
};

// Where the template of that name is: the working folder first, then the installed
// templates folder; empty when neither has it. An absolute path is taken as it is.
QString locateTemplate(const QString &name);

} // namespace report
