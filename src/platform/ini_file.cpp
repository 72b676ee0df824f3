#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <climits>

namespace vn::ui {
namespace {

QString KeyPath(const char* section, const char* key) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

bool CanWrite(const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) return file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

}  // namespace

QString WritableSettingsPath(const QString& path) {
    if (CanWrite(path)) return path;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) return path;
    const QString fallback = QDir(folder).filePath(QFileInfo(path).fileName());
    if (!QFileInfo::exists(fallback) && QFileInfo::exists(path) && QFile::copy(path, fallback)) {
        QFile::setPermissions(fallback, QFile::permissions(fallback) | QFile::WriteOwner);
    }
    return fallback;
}

QString SettingsPathFor(const QString& programPath) {
    const QFileInfo program(programPath);
    const QString name = program.completeBaseName() + QStringLiteral(".ini");
    const QString beside = program.dir().filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

int LeadingInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() && (trimmed[end] == QLatin1Char('-') || trimmed[end] == QLatin1Char('+'))) ++end;
    while (end < trimmed.size() && trimmed[end].isDigit() && trimmed[end].unicode() < 128) ++end;
    bool ok = false;
    const long long value = trimmed.left(end).toLongLong(&ok);
    if (!ok) return 0;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

IniFile::IniFile(const QString& path) : settings_(WritableSettingsPath(path), QSettings::IniFormat) {}

int IniFile::ReadInteger(const char* section, const char* key, int defaultValue) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) return defaultValue;
    return LeadingInteger(value.toString());
}

void IniFile::WriteInteger(const char* section, const char* key, int value) {
    settings_.setValue(KeyPath(section, key), QString::number(value));
}

QString IniFile::ReadString(const char* section, const char* key, const QString& defaultValue) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void IniFile::WriteString(const char* section, const char* key, const QString& value) {
    settings_.setValue(KeyPath(section, key), value);
}

bool IniFile::Flush() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

}  // namespace vn::ui
