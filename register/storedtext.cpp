#include "register/storedtext.h"

#include <QCoreApplication>

QString StoredText::shown(const QString &stored)
{
    return QCoreApplication::translate("StoredText", stored.toUtf8().constData());
}
