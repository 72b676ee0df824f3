// The settings file: an INI file of sections and keys whose values are
// decimal text. When the file cannot be written where it was asked for (the
// program's folder is read-only), it lives in the user's configuration
// folder instead, starting from a copy of the original, so that preferences
// are kept.
#pragma once

#include <QSettings>
#include <QString>

namespace vn::ui {

class IniFile {
public:
    explicit IniFile(const QString& path);

    // The key's leading decimal number (with an optional sign); the default
    // when the key is missing, 0 when its text does not begin with a number.
    int ReadInteger(const char* section, const char* key, int defaultValue) const;
    void WriteInteger(const char* section, const char* key, int value);
    // The key's text; the default when the key is missing.
    QString ReadString(const char* section, const char* key, const QString& defaultValue) const;
    void WriteString(const char* section, const char* key, const QString& value);

    // Writes what is pending to the file; false when that failed.
    bool Flush();

    // The file actually read and written.
    QString Path() const { return settings_.fileName(); }

private:
    QSettings settings_;
};

// The file that IniFile uses for the path asked for: the path itself when it
// can be written, else the same name in the user's configuration folder.
QString WritableSettingsPath(const QString& path);

// The settings file of the program at programPath, named after it with the
// extension "ini": beside the program when a file of that name is there (a
// portable copy is known by it), else in the user's configuration folder.
QString SettingsPathFor(const QString& programPath);

// GetPrivateProfileInt's reading of a value's text.
int LeadingInteger(const QString& text);

}  // namespace vn::ui
