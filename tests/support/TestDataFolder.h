#pragma once

#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Texts show as text when an expectation fails.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zor::test {

// The data folder of one test: a temporary folder, empty or a copy of the
// bundled data folder, with its files read and written as the program does.
class TestDataFolder {
public:
    static QString bundled() {
        return qEnvironmentVariable("ZOR_SOURCE_DIR") + QStringLiteral("/data/Daten");
    }

    // Copies the bundled files over what the folder holds.
    void copyBundled() const {
        const QDir from(bundled());
        ASSERT_TRUE(from.exists()) << from.path().toStdString();
        for (const QString& name : from.entryList(QDir::Files)) {
            QFile::remove(path(name));
            ASSERT_TRUE(QFile::copy(from.filePath(name), path(name))) << name.toStdString();
        }
    }

    DataFolder data() const { return DataFolder(dir_.path()); }
    QString path(const QString& name = {}) const {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }

    QString read(const char* file, const char* section, const char* key) const {
        return Ini_Lesen(QLatin1String(section), QLatin1String(key), path(QLatin1String(file)));
    }
    void write(const char* file, const char* section, const char* key,
               const QString& value) const {
        ASSERT_TRUE(Ini_Schreiben(QLatin1String(section), QLatin1String(key), value,
                                  path(QLatin1String(file))));
    }

    QByteArray bytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Writes a file, with the folders it lies in.
    void put(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(name)).absolutePath()));
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A folder in the place of a file can be neither read nor replaced, by
    // whoever runs the test.
    void block(const char* file) const {
        QFile::remove(path(QLatin1String(file)));
        ASSERT_TRUE(QDir(path()).mkdir(QLatin1String(file)));
    }

    // Every entry of the folder, sorted by name.
    QStringList entries() const {
        return QDir(path()).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir dir_;
};

} // namespace zor::test
