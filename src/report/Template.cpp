#include "Template.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {

namespace {

struct ParseError
{
    QString message;
};

// A misspelt key would otherwise be silently ignored and the author left guessing.
void checkKeys(const QJsonObject &o, const QStringList &known, const QString &where)
{
    for (const QString &key : o.keys())
        if (!known.contains(key))
            throw ParseError{QStringLiteral("%1: unknown key \"%2\"").arg(where, key)};
}

ReportObject parseObject(const QJsonObject &o, const QString &where)
{
    checkKeys(o, {"text", "line", "x", "y", "width", "height", "align", "size", "bold", "wrap", "frame"}, where);
    ReportObject r;
    if (o.value(QLatin1String("line")).toBool()) {
        r.kind = ReportObject::Kind::Line;
        r.height = 0;
    }
    r.text = o.value(QLatin1String("text")).toString();
    r.x = o.value(QLatin1String("x")).toDouble(0);
    r.y = o.value(QLatin1String("y")).toDouble(0);
    r.width = o.value(QLatin1String("width")).toDouble(-1);
    r.height = o.value(QLatin1String("height")).toDouble(r.height);
    const QString align = o.value(QLatin1String("align")).toString(QStringLiteral("left"));
    if (align == QLatin1String("left"))
        r.align = Align::Left;
    else if (align == QLatin1String("center"))
        r.align = Align::Center;
    else if (align == QLatin1String("right"))
        r.align = Align::Right;
    else
        throw ParseError{QStringLiteral("%1: align must be left, center or right").arg(where)};
    r.fontSize = o.value(QLatin1String("size")).toDouble(0);
    r.bold = o.value(QLatin1String("bold")).toBool();
    r.wrap = o.value(QLatin1String("wrap")).toBool();
    r.frame = o.value(QLatin1String("frame")).toBool();
    return r;
}

Band parseBand(const QJsonValue &value, const QString &name)
{
    Band band;
    if (value.isUndefined())
        return band;
    // A band may be given as its list of objects alone.
    const QJsonObject o = value.isArray() ? QJsonObject{{QStringLiteral("objects"), value}} : value.toObject();
    checkKeys(o, {"height", "objects"}, name);
    band.height = o.value(QLatin1String("height")).toDouble(0);
    const QJsonArray objects = o.value(QLatin1String("objects")).toArray();
    for (int i = 0; i < objects.size(); ++i)
        band.objects << parseObject(objects[i].toObject(), QStringLiteral("%1[%2]").arg(name).arg(i));
    return band;
}

} // namespace

std::optional<Template> Template::parse(const QByteArray &json, QString *error)
{
    QJsonParseError jsonError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &jsonError);
    try {
        if (!doc.isObject())
            throw ParseError{jsonError.error != QJsonParseError::NoError
                                 ? QStringLiteral("offset %1: %2").arg(jsonError.offset).arg(jsonError.errorString())
                                 : QStringLiteral("the template is not a JSON object")};
        const QJsonObject o = doc.object();
        checkKeys(o, {"page", "font", "data", "group", "bands"}, QStringLiteral("template"));
        Template t;
        const QString page = o.value(QLatin1String("page")).toString(QStringLiteral("a4"));
        if (page == QLatin1String("a4"))
            t.page = PageKind::A4;
        else if (page == QLatin1String("roll58"))
            t.page = PageKind::Roll58;
        else if (page == QLatin1String("roll80"))
            t.page = PageKind::Roll80;
        else
            throw ParseError{QStringLiteral("page must be a4, roll58 or roll80")};
        const QJsonObject font = o.value(QLatin1String("font")).toObject();
        t.fontFamily = font.value(QLatin1String("family")).toString(t.fontFamily);
        t.fontSize = font.value(QLatin1String("size")).toDouble(t.fontSize);
        t.data = o.value(QLatin1String("data")).toString();
        t.groupBy = o.value(QLatin1String("group")).toString();
        if (!t.groupBy.isEmpty() && t.data.isEmpty())
            throw ParseError{QStringLiteral("group needs data")};

        const QJsonObject bands = o.value(QLatin1String("bands")).toObject();
        const std::pair<const char *, Band Template::*> names[] = {
            {"pageHeader", &Template::pageHeader},   {"columnHeader", &Template::columnHeader},
            {"groupHeader", &Template::groupHeader}, {"detail", &Template::detail},
            {"groupFooter", &Template::groupFooter}, {"summary", &Template::summary},
            {"pageFooter", &Template::pageFooter}};
        QStringList unknown = bands.keys();
        for (const auto &[name, member] : names) {
            const QString key = QString::fromLatin1(name);
            t.*member = parseBand(bands.value(key), key);
            unknown.removeAll(key);
        }
        if (!unknown.isEmpty())
            throw ParseError{QStringLiteral("unknown band \"%1\"").arg(unknown.first())};
        return t;
    } catch (const ParseError &e) {
        if (error)
            *error = e.message;
        return std::nullopt;
    }
}

QString locateTemplate(const QString &name)
{
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? name : QString();
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/trevandoria/reports");
    const QStringList folders = {QDir::currentPath(), installed, QStringLiteral(TREV_REPORTS_DIR)};
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

} // namespace report
