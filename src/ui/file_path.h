#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>

namespace kvor::ui {

// A path as the system's file functions take it (in the encoding of file names), and back.
inline std::filesystem::path ToPath(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}
inline QString FromPath(const std::filesystem::path& file) {
    return QFile::decodeName(QByteArray::fromStdString(file.native()));
}

} // namespace kvor::ui
