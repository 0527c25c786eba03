#include "register/transferlock.h"

#include "app/logging.h"
#include "register/cycleregister.h"
#include "register/sqldialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>

TransferLock::TransferLock(CycleRegister &to) : to(to)
{
    if (!to.location().isServer() && to.location().isValid()) {
        file = std::make_unique<QLockFile>(to.location().path() + QLatin1String(".transfer-lock"));
        // Stale only when its process is gone: a long transfer keeps it.
        file->setStaleLockTime(0);
        locked = file->lock();
        if (!locked)
            error = QCoreApplication::translate("TransferLock", "The lock file %1 cannot be made.")
                        .arg(QDir::toNativeSeparators(to.location().path() + QLatin1String(".transfer-lock")));
        return;
    }
    QSqlQuery query(to.database());
    locked = to.dialect().transferLock.isEmpty() || query.exec(to.dialect().transferLock);
    if (!locked)
        error = query.lastError().text();
}

TransferLock::~TransferLock()
{
    if (!locked || file)
        return;
    QSqlQuery query(to.database());
    if (!to.dialect().transferUnlock.isEmpty() && !query.exec(to.dialect().transferUnlock))
        qCDebug(lcRegister) << "the transfer lock was not given back:" << query.lastError().text();
}
