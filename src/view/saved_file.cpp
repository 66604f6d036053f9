#include "saved_file.h"

#include <QSaveFile>

namespace kvor {

QString SaveWholeFile(const QString& file, const std::function<QString(QIODevice&)>& write) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    if (const QString reason = write(out); !reason.isEmpty()) {
        out.cancelWriting();
        return reason;
    }
    if (!out.commit()) return out.errorString();
    return {};
}

} // namespace kvor
