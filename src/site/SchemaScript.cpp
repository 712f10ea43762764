#include "SchemaScript.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

// Resources of a static library are registered by hand.
static void initSchemaResource()
{
    Q_INIT_RESOURCE(schema);
}

namespace site {

QStringList splitScript(const QString &script)
{
    static const QRegularExpression setTerm(QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*(\\S+)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    QString terminator = QStringLiteral(";");
    QString current;
    const QStringList lines = script.split(u'\n');
    for (QString line : lines) {
        line.remove(u'\r');
        const QString trimmed = line.trimmed();
        if (current.trimmed().isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--"))))
            continue;
        if (current.trimmed().isEmpty()) {
            // "SET TERM ^ ;" ends with the old terminator; the new one is its first word.
            const auto m = setTerm.match(trimmed);
            if (m.hasMatch() && m.captured(2) == terminator) {
                terminator = m.captured(1);
                continue;
            }
        }
        current += line + u'\n';
        if (trimmed.endsWith(terminator)) {
            QString stmt = current.trimmed();
            stmt.chop(terminator.size());
            out << stmt.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

QStringList schemaStatements()
{
    initSchemaResource();
    QDir dir(QStringLiteral(":/schema"));
    QStringList out;
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out << splitScript(QString::fromUtf8(f.readAll()));
    }
    return out;
}

} // namespace site
