// The installed program: `cmake --install` of this build into a temporary
// prefix, then the installed executables run with HOME and XDG_DATA_HOME in a
// temporary folder, as an operator's first and later starts would.
#include "support/ProgramRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace zor {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file below `folder`, by its path relative to it.
QStringList filesBelow(const QString& folder)
{
    QStringList names;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        names << QDir(folder).relativeFilePath(files.next());
    names.sort();
    return names;
}

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        const QString buildDir = QDir(qEnvironmentVariable("ZOR_BIN_DIR") + "/..").absolutePath();
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(ZOR_CMAKE_COMMAND),
                      {"--install", buildDir, "--prefix", prefix()});
        ASSERT_TRUE(install.waitForFinished(120000)) << "cmake --install did not finish";
        ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    }

    QString prefix() const { return root_.filePath("prefix"); }
    QString home() const { return root_.filePath("home"); }
    QString defaults() const { return prefix() + "/share/zor-rds/Daten"; }

    // The operator's environment: a home of their own, XDG_DATA_HOME set
    // when `xdgDataHome` is not empty.
    QProcessEnvironment environment(const QString& xdgDataHome) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home());
        env.remove("XDG_DATA_HOME");
        if (!xdgDataHome.isEmpty())
            env.insert("XDG_DATA_HOME", xdgDataHome);
        return env;
    }

    ProgramRun cli(const QStringList& arguments, const QString& xdgDataHome = {})
    {
        return runProgram(prefix() + "/bin/zor-rds-cli", arguments, environment(xdgDataHome));
    }

    void expectFilledFrom(const QString& userFolder)
    {
        const QStringList installed = filesBelow(defaults());
        ASSERT_FALSE(installed.isEmpty());
        EXPECT_EQ(filesBelow(userFolder), installed);
        for (const QString& name : installed)
            EXPECT_EQ(bytesOf(userFolder + "/" + name), bytesOf(defaults() + "/" + name)) << qPrintable(name);
    }

private:
    QTemporaryDir root_;
};

TEST_F(InstallTest, EverythingLandsInItsPlaceAndNoTestIsInstalled)
{
    const QString libraryFolder = QStringLiteral(ZOR_INSTALL_LIBDIR);
    QStringList expected = {"bin/zor-rds", "bin/zor-rds-cli", "bin/zor-sim",
                            libraryFolder + "/zor-rds/libzor-gpib-sim.so",
                            "share/applications/zor-rds.desktop",
                            "share/man/man1/zor-rds-cli.1.gz", "share/man/man1/zor-rds.1.gz",
                            "share/man/man1/zor-sim.1.gz"};
    for (const char* size : {"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        expected << QStringLiteral("share/icons/hicolor/%1/apps/zor-rds.png").arg(size);
    for (const QString& name : filesBelow(ZOR_SOURCE_DATA_DIR))
        expected << "share/zor-rds/Daten/" + name;
    expected.sort();
    EXPECT_EQ(filesBelow(prefix()), expected);

    const QFileInfo desktop(prefix() + "/share/applications/zor-rds.desktop");
    EXPECT_TRUE(bytesOf(desktop.filePath()).contains("\nExec=zor-rds\n"));
    EXPECT_TRUE(bytesOf(desktop.filePath()).contains("\nIcon=zor-rds\n"));
}

TEST_F(InstallTest, TheCliFillsThePerUserFolderAndKeepsTheOperatorsChanges)
{
    const QString xdg = home() + "/xdg";
    const QString user = xdg + "/zor-rds/Daten";

    ProgramRun run = cli({"ini", "get", "RDS_Allg.INI", "Sprache", "Sprache"}, xdg);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "deutsch\n");
    EXPECT_EQ(run.err, "");
    expectFilledFrom(user);

    run = cli({"ini", "set", "RDS_Allg.INI", "Sprache", "Sprache", "englisch"}, xdg);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QByteArray changed = bytesOf(user + "/RDS_Allg.INI");
    ASSERT_TRUE(QFile::remove(user + "/Event.txt"));

    run = cli({"ini", "get", "RDS_Allg.INI", "Sprache", "Sprache"}, xdg);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "englisch\n");
    EXPECT_EQ(bytesOf(user + "/RDS_Allg.INI"), changed);
    EXPECT_EQ(bytesOf(user + "/Event.txt"), bytesOf(defaults() + "/Event.txt"));

    // Without XDG_DATA_HOME the folder lies below ~/.local/share.
    run = cli({"ini", "get", "Rs232.ini", "38xx", "ComPort"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    expectFilledFrom(home() + "/.local/share/zor-rds/Daten");

    // --data-dir names the folder and nothing is copied into it.
    ASSERT_TRUE(QDir().mkpath(home() + "/given"));
    run = cli({"--data-dir", home() + "/given", "ini", "get", "RDS_Allg.INI", "Sprache", "Sprache"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "\n");
    EXPECT_TRUE(filesBelow(home() + "/given").isEmpty());
}

TEST_F(InstallTest, MissingDefaultsAreReportedOnceAndTheCommandStillRuns)
{
    ASSERT_TRUE(QDir(defaults()).removeRecursively());
    const ProgramRun run = cli({"ini", "set", "RDS_Allg.INI", "Sprache", "Sprache", "englisch"},
                        home() + "/xdg");
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.err.count(QDir::toNativeSeparators(defaults())), 1) << qPrintable(run.err);
    EXPECT_TRUE(bytesOf(home() + "/xdg/zor-rds/Daten/RDS_Allg.INI").contains("Sprache=englisch"));
}

TEST_F(InstallTest, TheInstalledWindowProgramStartsOnTheOffscreenPlatform)
{
    QProcess window;
    QProcessEnvironment env = environment({});
    env.insert("QT_QPA_PLATFORM", "offscreen");
    window.setProcessEnvironment(env);
    window.start(prefix() + "/bin/zor-rds");
    ASSERT_TRUE(window.waitForStarted(10000));

    // The command log is emptied late in the start-up, after the data
    // folder was filled and the window built.
    const QString log = home() + "/.local/share/zor-rds/Daten/RDS_Log.txt";
    for (int i = 0; i < 600 && !QFile::exists(log) && window.state() == QProcess::Running; ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(log)) << window.readAllStandardError().toStdString();
    EXPECT_FALSE(window.waitForFinished(300)) << window.readAllStandardError().toStdString();
    EXPECT_EQ(window.state(), QProcess::Running);
    // The start-up rewrites some settings files, so only their presence counts.
    for (const QString& name : filesBelow(defaults()))
        EXPECT_TRUE(QFile::exists(home() + "/.local/share/zor-rds/Daten/" + name)) << qPrintable(name);

    window.terminate();
    if (!window.waitForFinished(10000)) {
        window.kill();
        window.waitForFinished(5000);
    }
}

} // namespace
} // namespace zor
