#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zor::test {

// A temporary folder for the settings files of one test, with the bytes of
// its files at hand.
class SettingsFolder : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("Datenset1.INI")) const {
        return dir_.filePath(name);
    }

    void put(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(name)).absolutePath()));
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray bytesOf(const QString& name = QStringLiteral("Datenset1.INI")) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every entry of the folder, sorted by name.
    QStringList entries() const {
        return QDir(dir_.path()).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir_;
};

} // namespace zor::test
