#include "Connection.h"

#include "NamedParams.h"

#include <ibase.h>

#include <QByteArray>
#include <QDateTime>
#include <cstring>
#include <list>
#include <vector>

namespace db {

namespace {

constexpr int kDialect = 3;
constexpr int kStatementCacheSize = 128;
constexpr int kConnectTimeoutSeconds = 10;
constexpr int kCharsetUtf8 = 4;

// Days between Firebird's day zero (1858-11-17) and the Julian day count.
constexpr qint64 kJulianOffset = 2400001;

const ISC_STATUS kLostConnectionCodes[] = {
    isc_network_error, isc_net_read_err,  isc_net_write_err, isc_lost_db_connection,
    isc_conn_lost,     isc_att_shutdown,  isc_shutdown,      isc_bad_db_handle,
};

bool statusHas(const ISC_STATUS *status, ISC_STATUS code)
{
    for (int i = 0; status[i] != isc_arg_end && i < ISC_STATUS_LENGTH - 1;) {
        const ISC_STATUS arg = status[i];
        if (arg == isc_arg_gds && status[i + 1] == code)
            return true;
        i += arg == isc_arg_cstring ? 3 : 2;
    }
    return false;
}

bool statusFailed(const ISC_STATUS *status)
{
    return status[0] == 1 && status[1] != 0;
}

DbError errorFrom(const ISC_STATUS *status, const QString &context = {})
{
    QStringList lines;
    char buf[1024];
    const ISC_STATUS *pv = status;
    while (fb_interpret(buf, sizeof buf, &pv) > 0)
        lines << QString::fromUtf8(buf);
    char state[6] = {};
    fb_sqlstate(state, status);
    bool lost = false;
    for (ISC_STATUS code : kLostConnectionCodes)
        lost = lost || statusHas(status, code);
    QString message = lines.join(u'\n');
    if (!context.isEmpty())
        message = context + u'\n' + message;
    return DbError(message, static_cast<long>(status[1]), static_cast<int>(isc_sqlcode(status)),
                   QString::fromLatin1(state, 5), lost);
}

void check(const ISC_STATUS *status, const QString &context = {})
{
    if (statusFailed(status))
        throw errorFrom(status, context);
}

struct Sqlda
{
    XSQLDA *p = nullptr;
    explicit Sqlda(int n = 1) { alloc(n); }
    ~Sqlda() { std::free(p); }
    Sqlda(const Sqlda &) = delete;
    Sqlda &operator=(const Sqlda &) = delete;
    void alloc(int n)
    {
        std::free(p);
        n = std::max(n, 1);
        p = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(n)));
        p->version = SQLDA_VERSION1;
        p->sqln = static_cast<ISC_SHORT>(n);
    }
};

void appendInt(std::string &buf, int tag, ISC_LONG value)
{
    buf += static_cast<char>(tag);
    buf += static_cast<char>(4);
    for (int i = 0; i < 4; ++i)
        buf += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void appendString(std::string &buf, int tag, const QByteArray &value)
{
    buf += static_cast<char>(tag);
    buf += static_cast<char>(std::min<qsizetype>(value.size(), 255));
    buf.append(value.constData(), std::min<qsizetype>(value.size(), 255));
}

std::string transactionParams(bool readOnly, int lockTimeout)
{
    std::string tpb;
    tpb += static_cast<char>(isc_tpb_version3);
    tpb += static_cast<char>(readOnly ? isc_tpb_read : isc_tpb_write);
    tpb += static_cast<char>(isc_tpb_read_committed);
    tpb += static_cast<char>(isc_tpb_rec_version);
    if (readOnly) {
        tpb += static_cast<char>(isc_tpb_nowait);
    } else {
        tpb += static_cast<char>(isc_tpb_wait);
        appendInt(tpb, isc_tpb_lock_timeout, std::max(1, lockTimeout));
    }
    return tpb;
}

QString fromFb(const char *data, int len)
{
    return QString::fromUtf8(data, len);
}

ISC_DATE toIscDate(const QDate &d)
{
    return static_cast<ISC_DATE>(d.toJulianDay() - kJulianOffset);
}

QDate fromIscDate(ISC_DATE d)
{
    return QDate::fromJulianDay(static_cast<qint64>(d) + kJulianOffset);
}

ISC_TIME toIscTime(const QTime &t)
{
    return static_cast<ISC_TIME>(t.msecsSinceStartOfDay()) * 10;
}

QTime fromIscTime(ISC_TIME t)
{
    // Firebird keeps tenths of milliseconds; Qt keeps milliseconds.
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(t / 10));
}

} // namespace

int ResultSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

struct Prepared
{
    QString key;
    isc_stmt_handle handle = 0;
    ParsedStatement parsed;
    Sqlda in;
    Sqlda out;
    int type = 0;
    QList<Column> columns;
};

struct Connection::Impl
{
    QString database;
    QString user = QStringLiteral("SYSDBA");
    QString password;
    int lockTimeout = 10;
    isc_db_handle db = 0;
    isc_tr_handle explicitTr = 0;
    std::list<Prepared> cache; // most recently used first

    ~Impl() { dropAttachment(); }

    void attach()
    {
        std::string dpb;
        dpb += static_cast<char>(isc_dpb_version1);
        appendString(dpb, isc_dpb_user_name, user.toUtf8());
        appendString(dpb, isc_dpb_password, password.toUtf8());
        appendString(dpb, isc_dpb_lc_ctype, QByteArrayLiteral("UTF8"));
        appendInt(dpb, isc_dpb_connect_timeout, kConnectTimeoutSeconds);
        ISC_STATUS_ARRAY st;
        const QByteArray path = database.toUtf8();
        isc_db_handle h = 0;
        isc_attach_database(st, 0, path.constData(), &h, static_cast<short>(dpb.size()), dpb.data());
        if (statusFailed(st))
            throw errorFrom(st);
        db = h;
    }

    void freeStatement(Prepared &p) noexcept
    {
        if (p.handle) {
            ISC_STATUS_ARRAY st;
            isc_dsql_free_statement(st, &p.handle, DSQL_drop);
            p.handle = 0;
        }
    }

    void clearCache() noexcept
    {
        for (Prepared &p : cache)
            freeStatement(p);
        cache.clear();
    }

    // Forgets the attachment without asking a server that may be gone.
    void dropAttachment() noexcept
    {
        ISC_STATUS_ARRAY st;
        clearCache();
        if (explicitTr) {
            isc_rollback_transaction(st, &explicitTr);
            explicitTr = 0;
        }
        if (db) {
            isc_detach_database(st, &db);
            db = 0;
        }
    }

    isc_tr_handle startTransaction(bool readOnly)
    {
        const std::string tpb = transactionParams(readOnly, lockTimeout);
        ISC_STATUS_ARRAY st;
        isc_tr_handle tr = 0;
        isc_start_transaction(st, &tr, 1, &db, static_cast<unsigned short>(tpb.size()), tpb.data());
        check(st);
        return tr;
    }

    static void rollbackQuietly(isc_tr_handle &tr) noexcept
    {
        if (tr) {
            ISC_STATUS_ARRAY st;
            isc_rollback_transaction(st, &tr);
            tr = 0;
        }
    }

    // The cached statement for this text, moved to the front; nullptr when not prepared yet.
    Prepared *cached(const QString &sql)
    {
        for (auto it = cache.begin(); it != cache.end(); ++it) {
            if (it->key == sql) {
                cache.splice(cache.begin(), cache, it);
                return &cache.front();
            }
        }
        return nullptr;
    }

    Prepared &prepare(const QString &sql, isc_tr_handle tr)
    {
        cache.emplace_front();
        Prepared &p = cache.front();
        p.key = sql;
        try {
            p.parsed = parseNamedParams(sql);
            ISC_STATUS_ARRAY st;
            isc_dsql_allocate_statement(st, &db, &p.handle);
            check(st);
            const QByteArray text = p.parsed.sql.toUtf8();
            isc_dsql_prepare(st, &tr, &p.handle, 0, text.constData(), kDialect, p.out.p);
            check(st);
            if (p.out.p->sqld > p.out.p->sqln) {
                p.out.alloc(p.out.p->sqld);
                isc_dsql_describe(st, &p.handle, kDialect, p.out.p);
                check(st);
            }
            isc_dsql_describe_bind(st, &p.handle, kDialect, p.in.p);
            check(st);
            if (p.in.p->sqld > p.in.p->sqln) {
                p.in.alloc(p.in.p->sqld);
                isc_dsql_describe_bind(st, &p.handle, kDialect, p.in.p);
                check(st);
            }
            p.type = statementType(p.handle);
            describeColumns(p);
        } catch (...) {
            freeStatement(p);
            cache.pop_front();
            throw;
        }
        while (static_cast<int>(cache.size()) > kStatementCacheSize) {
            freeStatement(cache.back());
            cache.pop_back();
        }
        return p;
    }

    static int statementType(isc_stmt_handle &h)
    {
        ISC_STATUS_ARRAY st;
        const char items[] = {isc_info_sql_stmt_type};
        char buf[16] = {};
        isc_dsql_sql_info(st, &h, sizeof items, items, sizeof buf, buf);
        check(st);
        if (buf[0] != isc_info_sql_stmt_type)
            return 0;
        const short len = static_cast<short>(isc_vax_integer(buf + 1, 2));
        return static_cast<int>(isc_vax_integer(buf + 3, len));
    }

    static void describeColumns(Prepared &p)
    {
        p.columns.clear();
        for (int i = 0; i < p.out.p->sqld; ++i) {
            const XSQLVAR &v = p.out.p->sqlvar[i];
            Column c;
            c.name = QString::fromUtf8(v.aliasname, v.aliasname_length);
            if (c.name.isEmpty())
                c.name = QString::fromUtf8(v.sqlname, v.sqlname_length);
            c.relation = QString::fromUtf8(v.relname, v.relname_length);
            c.field = QString::fromUtf8(v.sqlname, v.sqlname_length);
            c.sqlType = v.sqltype & ~1;
            c.scale = -v.sqlscale;
            c.length = v.sqllen;
            if ((c.sqlType == SQL_VARYING || c.sqlType == SQL_TEXT) && (v.sqlsubtype & 0xFF) == kCharsetUtf8)
                c.length = v.sqllen / 4;
            p.columns << c;
        }
    }

    static qint64 rowsAffected(isc_stmt_handle &h, int type)
    {
        ISC_STATUS_ARRAY st;
        const char items[] = {isc_info_sql_records};
        char buf[64] = {};
        isc_dsql_sql_info(st, &h, sizeof items, items, sizeof buf, buf);
        if (statusFailed(st) || buf[0] != isc_info_sql_records)
            return -1;
        const char *q = buf + 3;
        qint64 total = 0;
        while (*q != isc_info_end) {
            const char item = *q++;
            const short len = static_cast<short>(isc_vax_integer(q, 2));
            q += 2;
            const ISC_LONG n = isc_vax_integer(q, len);
            q += len;
            if ((type == isc_info_sql_stmt_insert && item == isc_info_req_insert_count)
                || (type == isc_info_sql_stmt_update && item == isc_info_req_update_count)
                || (type == isc_info_sql_stmt_delete && item == isc_info_req_delete_count))
                total += n;
        }
        return total;
    }

    // Fills the input descriptor from the bound values. `storage` owns the bytes.
    static void bind(Prepared &p, const Params &params, std::vector<QByteArray> &storage)
    {
        XSQLDA *in = p.in.p;
        storage.assign(static_cast<size_t>(in->sqld) * 2, QByteArray());
        // Types as described by the server, kept so a null keeps a sensible type.
        for (int i = 0; i < in->sqld; ++i) {
            XSQLVAR &v = in->sqlvar[i];
            const QString name = i < p.parsed.positions.size() ? p.parsed.positions[i] : QString();
            const BoundValue value = params.value(name);
            QByteArray &data = storage[2 * i];
            QByteArray &ind = storage[2 * i + 1];
            ind = QByteArray(sizeof(short), 0);
            v.sqlind = reinterpret_cast<short *>(ind.data());
            auto put = [&](int type, int len, int scale, const void *bytes) {
                v.sqltype = static_cast<ISC_SHORT>(type | 1);
                v.sqllen = static_cast<ISC_SHORT>(len);
                v.sqlscale = static_cast<ISC_SHORT>(scale);
                data = QByteArray(static_cast<const char *>(bytes), len);
                v.sqldata = data.data();
            };
            switch (value.type) {
            case ParamType::Null: {
                v.sqltype = static_cast<ISC_SHORT>(v.sqltype | 1);
                data = QByteArray(v.sqllen + 2, 0);
                v.sqldata = data.data();
                *v.sqlind = -1;
                break;
            }
            case ParamType::Integer: {
                const ISC_LONG x = value.value.toInt();
                put(SQL_LONG, sizeof x, 0, &x);
                break;
            }
            case ParamType::BigInt: {
                const ISC_INT64 x = value.value.toLongLong();
                put(SQL_INT64, sizeof x, 0, &x);
                break;
            }
            case ParamType::Float: {
                const float x = value.value.toFloat();
                put(SQL_FLOAT, sizeof x, 0, &x);
                break;
            }
            case ParamType::Double: {
                const double x = value.value.toDouble();
                put(SQL_DOUBLE, sizeof x, 0, &x);
                break;
            }
            case ParamType::Decimal: {
                const Decimal dec = value.value.value<Decimal>();
                const ISC_INT64 x = dec.units();
                put(SQL_INT64, sizeof x, -dec.scale(), &x);
                break;
            }
            case ParamType::Boolean: {
                const char x = value.value.toBool() ? 1 : 0;
                put(SQL_BOOLEAN, 1, 0, &x);
                break;
            }
            case ParamType::Date: {
                const ISC_DATE x = toIscDate(value.value.toDate());
                put(SQL_TYPE_DATE, sizeof x, 0, &x);
                break;
            }
            case ParamType::Time: {
                const ISC_TIME x = toIscTime(value.value.toTime());
                put(SQL_TYPE_TIME, sizeof x, 0, &x);
                break;
            }
            case ParamType::Timestamp: {
                const QDateTime dt = value.value.toDateTime();
                ISC_TIMESTAMP x;
                x.timestamp_date = toIscDate(dt.date());
                x.timestamp_time = toIscTime(dt.time());
                put(SQL_TIMESTAMP, sizeof x, 0, &x);
                break;
            }
            case ParamType::String: {
                const QByteArray utf8 = value.value.toString().toUtf8();
                if (utf8.size() > 32765)
                    throw DbError(QStringLiteral("Texto longo demais para o parâmetro %1 (%2 bytes)")
                                      .arg(name)
                                      .arg(utf8.size()));
                QByteArray buf(2 + utf8.size(), 0);
                const short len = static_cast<short>(utf8.size());
                std::memcpy(buf.data(), &len, 2);
                std::memcpy(buf.data() + 2, utf8.constData(), utf8.size());
                put(SQL_VARYING, utf8.size(), 0, buf.constData());
                data = buf;
                v.sqldata = data.data();
                v.sqlsubtype = kCharsetUtf8;
                break;
            }
            }
        }
    }

    static void allocateOutput(Prepared &p, std::vector<QByteArray> &storage)
    {
        XSQLDA *out = p.out.p;
        storage.assign(static_cast<size_t>(out->sqld) * 2, QByteArray());
        for (int i = 0; i < out->sqld; ++i) {
            XSQLVAR &v = out->sqlvar[i];
            const int type = v.sqltype & ~1;
            int len = v.sqllen;
            if (type == SQL_VARYING)
                len += 2;
            storage[2 * i] = QByteArray(std::max(len, 1) + 8, 0);
            storage[2 * i + 1] = QByteArray(sizeof(short), 0);
            v.sqldata = storage[2 * i].data();
            v.sqlind = reinterpret_cast<short *>(storage[2 * i + 1].data());
        }
    }

    QVariant readBlob(const XSQLVAR &v, isc_tr_handle &tr)
    {
        ISC_STATUS_ARRAY st;
        isc_blob_handle blob = 0;
        ISC_QUAD id;
        std::memcpy(&id, v.sqldata, sizeof id);
        isc_open_blob2(st, &db, &tr, &blob, &id, 0, nullptr);
        check(st);
        QByteArray bytes;
        char seg[8192];
        for (;;) {
            unsigned short got = 0;
            const ISC_STATUS rc = isc_get_segment(st, &blob, &got, sizeof seg, seg);
            if (rc != 0 && rc != isc_segment)
                break;
            bytes.append(seg, got);
        }
        isc_close_blob(st, &blob);
        if (v.sqlsubtype == 1)
            return QString::fromUtf8(bytes);
        return bytes;
    }

    QVariant readValue(const XSQLVAR &v, isc_tr_handle &tr)
    {
        if ((v.sqltype & 1) && *v.sqlind < 0)
            return QVariant();
        const char *d = v.sqldata;
        const int scale = -v.sqlscale;
        switch (v.sqltype & ~1) {
        case SQL_VARYING: {
            short len;
            std::memcpy(&len, d, 2);
            return fromFb(d + 2, len);
        }
        case SQL_TEXT: {
            QString s = fromFb(d, v.sqllen);
            // CHAR(n) in UTF8 is padded to 4n bytes; keep its n characters.
            if ((v.sqlsubtype & 0xFF) == kCharsetUtf8 && s.size() > v.sqllen / 4)
                s.truncate(v.sqllen / 4);
            return s;
        }
        case SQL_SHORT: {
            short x;
            std::memcpy(&x, d, sizeof x);
            return scale > 0 ? QVariant::fromValue(Decimal(x, scale)) : QVariant(static_cast<int>(x));
        }
        case SQL_LONG: {
            ISC_LONG x;
            std::memcpy(&x, d, sizeof x);
            return scale > 0 ? QVariant::fromValue(Decimal(x, scale)) : QVariant(static_cast<int>(x));
        }
        case SQL_INT64: {
            ISC_INT64 x;
            std::memcpy(&x, d, sizeof x);
            return scale > 0 ? QVariant::fromValue(Decimal(x, scale)) : QVariant(static_cast<qlonglong>(x));
        }
        case SQL_FLOAT: {
            float x;
            std::memcpy(&x, d, sizeof x);
            return QVariant(x);
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            double x;
            std::memcpy(&x, d, sizeof x);
            return QVariant(x);
        }
        case SQL_TYPE_DATE: {
            ISC_DATE x;
            std::memcpy(&x, d, sizeof x);
            return QVariant(fromIscDate(x));
        }
        case SQL_TYPE_TIME: {
            ISC_TIME x;
            std::memcpy(&x, d, sizeof x);
            return QVariant(fromIscTime(x));
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP x;
            std::memcpy(&x, d, sizeof x);
            return QVariant(QDateTime(fromIscDate(x.timestamp_date), fromIscTime(x.timestamp_time)));
        }
        case SQL_BOOLEAN:
            return QVariant(*d != 0);
        case SQL_BLOB:
            return readBlob(v, tr);
        default:
            return QVariant();
        }
    }

    ResultSet run(const QString &sql, const Params &params)
    {
        // Preparing needs a transaction; a short read-only one does, also inside an explicit one.
        isc_tr_handle prepTr = explicitTr;
        Prepared *p = cached(sql);
        if (!p) {
            bool ownPrepTr = false;
            if (!prepTr) {
                prepTr = startTransaction(true);
                ownPrepTr = true;
            }
            try {
                p = &prepare(sql, prepTr);
            } catch (...) {
                if (ownPrepTr)
                    rollbackQuietly(prepTr);
                throw;
            }
            if (ownPrepTr) {
                ISC_STATUS_ARRAY st;
                isc_commit_transaction(st, &prepTr);
                if (statusFailed(st))
                    rollbackQuietly(prepTr);
            }
        }

        if (p->type == isc_info_sql_stmt_ddl) {
            // Cached statements may name the table being changed; let them go first.
            while (cache.size() > 1) {
                freeStatement(cache.back());
                cache.pop_back();
            }
        }

        const bool isSelect = p->type == isc_info_sql_stmt_select || p->type == isc_info_sql_stmt_select_for_upd;
        // GEN_ID advances a generator: not a read-only transaction's business.
        const bool readOnly = p->type == isc_info_sql_stmt_select
                              && !p->parsed.sql.contains(QLatin1String("gen_id"), Qt::CaseInsensitive);
        const bool own = explicitTr == 0;
        isc_tr_handle tr = own ? startTransaction(readOnly) : explicitTr;

        ResultSet rs;
        rs.columns = p->columns;
        std::vector<QByteArray> inStorage, outStorage;
        ISC_STATUS_ARRAY st;
        try {
            bind(*p, params, inStorage);
            allocateOutput(*p, outStorage);
            if (isSelect) {
                isc_dsql_execute(st, &tr, &p->handle, kDialect, p->in.p->sqld ? p->in.p : nullptr);
                check(st);
                for (;;) {
                    const ISC_STATUS rc = isc_dsql_fetch(st, &p->handle, kDialect, p->out.p);
                    if (rc == 100)
                        break;
                    if (rc != 0) {
                        const DbError e = errorFrom(st);
                        isc_dsql_free_statement(st, &p->handle, DSQL_close);
                        throw e;
                    }
                    QList<QVariant> row;
                    row.reserve(p->out.p->sqld);
                    for (int i = 0; i < p->out.p->sqld; ++i)
                        row << readValue(p->out.p->sqlvar[i], tr);
                    rs.rows << row;
                }
                isc_dsql_free_statement(st, &p->handle, DSQL_close);
            } else {
                const bool returnsRow = p->out.p->sqld > 0;
                isc_dsql_execute2(st, &tr, &p->handle, kDialect, p->in.p->sqld ? p->in.p : nullptr,
                                  returnsRow ? p->out.p : nullptr);
                check(st);
                if (returnsRow) {
                    QList<QVariant> row;
                    for (int i = 0; i < p->out.p->sqld; ++i)
                        row << readValue(p->out.p->sqlvar[i], tr);
                    rs.rows << row;
                }
                rs.rowsAffected = rowsAffected(p->handle, p->type);
            }
            if (own) {
                isc_commit_transaction(st, &tr);
                check(st);
            }
        } catch (DbError &) {
            if (own)
                rollbackQuietly(tr);
            if (p->type == isc_info_sql_stmt_ddl) {
                freeStatement(cache.front());
                cache.pop_front();
            }
            throw;
        }
        if (p->type == isc_info_sql_stmt_ddl) {
            freeStatement(cache.front());
            cache.pop_front();
        }
        return rs;
    }
};

Connection::Connection() : d(std::make_unique<Impl>()) {}
Connection::~Connection() = default;

void Connection::setDatabase(const QString &databaseString)
{
    if (databaseString != d->database)
        close();
    d->database = databaseString;
}

QString Connection::database() const { return d->database; }

void Connection::setCredentials(const QString &user, const QString &password)
{
    d->user = user;
    d->password = password;
}

void Connection::setLockTimeout(int seconds) { d->lockTimeout = seconds; }
int Connection::lockTimeout() const { return d->lockTimeout; }

void Connection::open()
{
    if (d->db)
        return;
    d->attach();
}

void Connection::close() noexcept { d->dropAttachment(); }

bool Connection::isOpen() const { return d->db != 0; }

ResultSet Connection::execute(const QString &sql, const Params &params)
{
    if (!d->db)
        d->attach();
    try {
        return d->run(sql, params);
    } catch (DbError &e) {
        if (e.connectionLost())
            d->dropAttachment();
        throw;
    }
}

void Connection::beginTransaction()
{
    if (d->explicitTr)
        throw DbError(QStringLiteral("Já existe uma transação em andamento nesta conexão."));
    if (!d->db)
        d->attach();
    try {
        d->explicitTr = d->startTransaction(false);
    } catch (DbError &e) {
        if (e.connectionLost())
            d->dropAttachment();
        throw;
    }
}

void Connection::commit()
{
    if (!d->explicitTr)
        throw DbError(QStringLiteral("Nenhuma transação em andamento."));
    ISC_STATUS_ARRAY st;
    isc_commit_transaction(st, &d->explicitTr);
    if (statusFailed(st)) {
        const DbError e = errorFrom(st);
        Impl::rollbackQuietly(d->explicitTr);
        if (e.connectionLost())
            d->dropAttachment();
        throw e;
    }
    d->explicitTr = 0;
}

void Connection::rollback() noexcept { Impl::rollbackQuietly(d->explicitTr); }

bool Connection::inTransaction() const { return d->explicitTr != 0; }

void Connection::createDatabase(const QString &databaseString, const QString &user, const QString &password,
                                int pageSize)
{
    auto quoted = [](QString s) { return u'\'' + s.replace(u'\'', QStringLiteral("''")) + u'\''; };
    const QString sql = QStringLiteral("CREATE DATABASE %1 USER %2 PASSWORD %3 PAGE_SIZE %4 DEFAULT CHARACTER SET UTF8")
                            .arg(quoted(databaseString), quoted(user), quoted(password))
                            .arg(pageSize);
    const QByteArray text = sql.toUtf8();
    ISC_STATUS_ARRAY st;
    isc_db_handle h = 0;
    isc_tr_handle tr = 0;
    isc_dsql_execute_immediate(st, &h, &tr, 0, text.constData(), kDialect, nullptr);
    check(st);
    isc_detach_database(st, &h);
}

} // namespace db
