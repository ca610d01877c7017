#include "install/FailedLine.h"

QString FailedLine(const QString& what) {
    return QStringLiteral("FAILED!!!: ") + what;
}

QString FailedLine(const Failure& failure) {
    return FailedLine(failure.path + QStringLiteral(" (") + failure.reason + ')');
}
