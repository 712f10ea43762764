#include "NamedParams.h"

namespace db {

QStringList ParsedStatement::names() const
{
    QStringList out;
    for (const QString &n : positions)
        if (!out.contains(n))
            out << n;
    return out;
}

ParsedStatement parseNamedParams(const QString &sql)
{
    ParsedStatement out;
    out.sql.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        // Literals, quoted names and comments pass through untouched.
        if (c == u'\'' || c == u'"') {
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out.sql += sql.mid(i, stop - i);
            i = stop - 1;
            // A doubled quote inside a literal is handled by the next pass of the loop.
            continue;
        }
        if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            out.sql += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out.sql += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == u':' && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == u'_')) {
            qsizetype j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_' || sql[j] == u'$'))
                ++j;
            out.positions << sql.mid(i + 1, j - i - 1).toUpper();
            out.sql += u'?';
            i = j - 1;
            continue;
        }
        out.sql += c;
    }
    return out;
}

} // namespace db
