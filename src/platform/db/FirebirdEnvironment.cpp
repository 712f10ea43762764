#include "FirebirdEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QtGlobal>

#include <sys/stat.h>

#ifndef TREV_FIREBIRD_ROOT
#define TREV_FIREBIRD_ROOT ""
#endif

namespace db {

void prepareFirebirdEnvironment(const QString &programDir)
{
    if (qEnvironmentVariableIsEmpty("FIREBIRD")) {
        // Installed beside the program, else the build tree's own.
        const QStringList candidates = {
            programDir + QStringLiteral("/../share/trevandoria/firebird"),
            programDir + QStringLiteral("/../firebird"),
            QStringLiteral(TREV_FIREBIRD_ROOT),
        };
        for (const QString &c : candidates) {
            if (!c.isEmpty() && QFileInfo::exists(c + QStringLiteral("/firebird.conf"))) {
                qputenv("FIREBIRD", QFileInfo(c).canonicalFilePath().toLocal8Bit());
                break;
            }
        }
    }
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
        // The system's lock folder belongs to the firebird user. One folder for every
        // user of this computer: two processes sharing a database must share its lock
        // table, or the file is damaged; a user who cannot write there gets an error.
        const QString dir = QDir::tempPath() + QStringLiteral("/trevandoria-firebird");
        if (QDir().mkpath(dir))
            ::chmod(QFile::encodeName(dir).constData(), 01777);
        qputenv("FIREBIRD_LOCK", QFile::encodeName(dir));
    }
}

} // namespace db
