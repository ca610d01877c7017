#include "install/FailedLine.h"

#include <QCoreApplication>

QString FailedLine(const QString& what) {
    return QCoreApplication::translate("FailedLine", "FAILED!!!: %1").arg(what);
}

QString FailedLine(const Failure& failure) {
    return FailedLine(failure.path + QStringLiteral(" (") + failure.reason + ')');
}
