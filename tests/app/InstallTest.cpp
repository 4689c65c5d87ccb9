// `cmake --install` of this build into a temporary prefix, then the installed
// executables run with HOME and XDG_DATA_HOME in a temporary folder.
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
        const ProgramRun install = runProgram(QStringLiteral(ZOR_CMAKE_COMMAND),
                                              {"--install", buildDir, "--prefix", prefix()},
                                              QProcessEnvironment::systemEnvironment(), 120000);
        ASSERT_EQ(install.exitCode, 0) << qPrintable(install.out + install.err);
    }

    QString prefix() const { return root_.filePath("prefix"); }
    QString home() const { return root_.filePath("home"); }
    QString defaults() const { return prefix() + "/share/zor-rds/Daten"; }

    // A home of the operator's own, XDG_DATA_HOME set when not empty.
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

private:
    QTemporaryDir root_;
};

// Every installed file lands in its place and no test comes along; without
// the installed defaults the tool says so once and still runs its command.
TEST_F(InstallTest, EverythingLandsInItsPlaceAndNoTestIsInstalled)
{
    QStringList expected = {"bin/zor-rds", "bin/zor-rds-cli", "bin/zor-sim",
                            ZOR_INSTALL_LIBDIR "/zor-rds/libzor-gpib-sim.so",
                            "share/applications/zor-rds.desktop",
                            "share/man/man1/zor-rds-cli.1.gz", "share/man/man1/zor-rds.1.gz",
                            "share/man/man1/zor-sim.1.gz"};
    for (const char* size : {"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        expected << QStringLiteral("share/icons/hicolor/%1/apps/zor-rds.png").arg(size);
    for (const QString& name : filesBelow(ZOR_SOURCE_DATA_DIR))
        expected << "share/zor-rds/Daten/" + name;
    expected.sort();
    EXPECT_EQ(filesBelow(prefix()), expected);
    const QByteArray desktop = bytesOf(prefix() + "/share/applications/zor-rds.desktop");
    EXPECT_TRUE(desktop.contains("\nExec=zor-rds\n"));
    EXPECT_TRUE(desktop.contains("\nIcon=zor-rds\n"));

    ASSERT_TRUE(QDir(defaults()).removeRecursively());
    const ProgramRun run = cli({"ini", "set", "RDS_Allg.INI", "Sprache", "Sprache", "englisch"},
                               home() + "/xdg");
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.err.count(QDir::toNativeSeparators(defaults())), 1) << qPrintable(run.err);
    EXPECT_TRUE(bytesOf(home() + "/xdg/zor-rds/Daten/RDS_Allg.INI").contains("Sprache=englisch"));
}

// The first start of either program fills the per-user folder from the defaults;
// later starts keep the operator's changes and bring back only what is missing.
TEST_F(InstallTest, TheProgramsFillThePerUserFolderAndKeepTheOperatorsChanges)
{
    const QString xdg = home() + "/xdg";
    const QString user = xdg + "/zor-rds/Daten";

    ProgramRun run = cli({"ini", "get", "RDS_Allg.INI", "Sprache", "Sprache"}, xdg);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "deutsch\n");
    EXPECT_EQ(run.err, "");
    const QStringList installed = filesBelow(defaults());
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(filesBelow(user), installed);
    for (const QString& name : installed)
        EXPECT_EQ(bytesOf(user + "/" + name), bytesOf(defaults() + "/" + name)) << qPrintable(name);

    run = cli({"ini", "set", "RDS_Allg.INI", "Sprache", "Sprache", "englisch"}, xdg);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QByteArray changed = bytesOf(user + "/RDS_Allg.INI");
    ASSERT_TRUE(QFile::remove(user + "/Event.txt"));

    run = cli({"ini", "get", "RDS_Allg.INI", "Sprache", "Sprache"}, xdg);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "englisch\n");
    EXPECT_EQ(bytesOf(user + "/RDS_Allg.INI"), changed);
    EXPECT_EQ(bytesOf(user + "/Event.txt"), bytesOf(defaults() + "/Event.txt"));

    // Without XDG_DATA_HOME the window fills ~/.local/share, and empties the log
    // once the window is built; it rewrites settings, so only presence counts.
    const QString perUser = home() + "/.local/share/zor-rds/Daten";
    QProcess program;
    QProcessEnvironment env = environment({});
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(prefix() + "/bin/zor-rds");
    ASSERT_TRUE(program.waitForStarted(10000));
    const QString log = perUser + "/RDS_Log.txt";
    for (int i = 0; i < 600 && !QFile::exists(log) && program.state() == QProcess::Running; ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(log)) << program.readAllStandardError().toStdString();
    EXPECT_FALSE(program.waitForFinished(300)) << program.readAllStandardError().toStdString();
    for (const QString& name : installed)
        EXPECT_TRUE(QFile::exists(perUser + "/" + name)) << qPrintable(name);
    program.kill();
    program.waitForFinished();
}

} // namespace
} // namespace zor
