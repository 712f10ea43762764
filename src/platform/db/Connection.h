#pragma once

#include "DbError.h"
#include "Value.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace db {

// Column of a result, as Firebird describes it.
struct Column
{
    QString name;     // alias, upper case as Firebird gives it
    QString relation; // table it comes from, empty for expressions
    QString field;    // column of that table
    int sqlType = 0;  // Firebird's SQL_* code without the nullable bit
    int scale = 0;    // digits after the point for exact numerics
    int length = 0;   // characters for text, bytes otherwise
};

// What a statement gave back. Rows are read whole: a select's transaction
// ends with the statement, so no open cursor holds the database back.
struct ResultSet
{
    QList<Column> columns;
    QList<QList<QVariant>> rows;
    qint64 rowsAffected = -1; // insert/update/delete only
    int columnIndex(const QString &name) const; // case-insensitive; -1 when absent
};

using Params = QHash<QString, BoundValue>; // keys in upper case

// One attachment to a Firebird database, embedded (a plain path) or through a
// server ("host:path"). Outside an explicit transaction every statement runs in a
// read-committed transaction of its own and is committed before execute() returns;
// a select reads in a read-only one. Not thread-safe: one user-interface thread.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void setDatabase(const QString &databaseString);
    QString database() const;
    void setCredentials(const QString &user, const QString &password);
    // Seconds a statement waits for a row locked by another terminal before it fails.
    void setLockTimeout(int seconds);
    int lockTimeout() const;

    void open();            // throws DbError
    void close() noexcept;
    bool isOpen() const;

    // Runs one statement; connects first when the connection is closed. Parameters
    // absent from `params` are bound as null. Throws DbError; after a lost
    // connection the error says so, and the next statement connects again.
    ResultSet execute(const QString &sql, const Params &params = {});

    void beginTransaction(); // read committed, read-write, with the lock timeout
    void commit();
    void rollback() noexcept;
    bool inTransaction() const;

    // Creates a new database file (path or host:path) with UTF8 as its character set.
    static void createDatabase(const QString &databaseString, const QString &user,
                               const QString &password, int pageSize = 8192);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace db
