#include "platform/Resources.h"

#include <QDir>
#include <QFile>

namespace {
const QString kResourceDir = QStringLiteral(":/res");
}

QString ResourcePath(const QString& AName) {
    if (AName.isEmpty()) {
        return {};
    }
    const QString exact = kResourceDir + QLatin1Char('/') + AName;
    if (QFile::exists(exact)) {
        return exact;
    }
    const QStringList entries = QDir(kResourceDir).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(AName, Qt::CaseInsensitive) == 0) {
            return kResourceDir + QLatin1Char('/') + entry;
        }
    }
    return {};
}

QByteArray LoadResourceData(const QString& AName) {
    const QString path = ResourcePath(AName);
    if (path.isEmpty()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}
