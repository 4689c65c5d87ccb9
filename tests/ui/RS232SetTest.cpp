// The serial settings dialog over a real settings file and the program's
// real serial port, with the operator's messages recorded.
#include "ui/RS232Set.h"

#include "settings/SerialSettings.h"
#include "translate/Clock.h"
#include "translate/InstrumentLink.h"
#include "panel/PageFixture.h"
#include "settings/IniFile.h"
#include "support/SimProcess.h"

#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace zor {
namespace {

class RS232SetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::offscreenApp(); }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const char* stored[][2] = {{"ComPort", "1"},  {"Baud", "9600"},   {"Datenbits", "8"},
                                   {"Paritaet", "N"}, {"Stoppbit", "1"},  {"Handshake", "0"},
                                   {"Echo", "0"},     {"Demo", "nodemo"}, {"Adresse", "0"}};
        for (const auto& [key, value] : stored)
            store(key, QLatin1String(value));
    }

    QString file() const { return folder.filePath(QStringLiteral("Rs232.ini")); }
    void store(const char* key, const QString& value) {
        ASSERT_TRUE(Ini_Schreiben(QStringLiteral("38xx"), QLatin1String(key), value, file()));
    }
    QString stored(const char* key) const {
        return Ini_Lesen(QStringLiteral("38xx"), QLatin1String(key), file());
    }
    QByteArray fileBytes() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The program's link over the folder, with the serial settings it loads
    // when the serial interface is chosen.
    InstrumentLink& link() {
        if (!link_) {
            link_ = std::make_unique<InstrumentLink>(DataFolder(folder.path()), texts, messages,
                                                     current, systemClock());
            link_->useInterface(Interface::Serial);
        }
        return *link_;
    }
    SerialSettings& settings() { return link().serialSettings(); }

    RS232Set& dialog() {
        if (!dialog_) {
            dialog_ = std::make_unique<RS232Set>(link(), messages);
            dialog_->show();
        }
        return *dialog_;
    }

    QTemporaryDir folder;
    Captions texts;
    CurrentValues current;
    test::RecordedMessages messages;

private:
    std::unique_ptr<InstrumentLink> link_;
    std::unique_ptr<RS232Set> dialog_;
};

TEST_F(RS232SetTest, OpeningShowsTheStoredChoicesAndWritesNothing) {
    store("Baud", QStringLiteral("2400"));
    store("Paritaet", QStringLiteral("E"));
    store("Datenbits", QStringLiteral("7"));
    store("Stoppbit", QStringLiteral("2"));
    store("Handshake", QStringLiteral("3"));
    store("ComPort", QStringLiteral("3"));
    store("Port3", QStringLiteral("/dev/zor-test-line"));
    const QByteArray before = fileBytes();

    RS232Set& d = dialog();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Communication Parameter"));
    EXPECT_TRUE(d.Baud24()->isChecked());
    EXPECT_TRUE(d.EvenParity()->isChecked());
    EXPECT_TRUE(d.Data7()->isChecked());
    EXPECT_TRUE(d.Stop2()->isChecked());
    EXPECT_TRUE(d.BothFlow()->isChecked());
    EXPECT_TRUE(d.ComPort(3)->isChecked());
    EXPECT_EQ(d.ComPort(3)->objectName(), QStringLiteral("ComPort(3)"));
    EXPECT_TRUE(d.EchoOff()->isChecked());
    EXPECT_FALSE(d.EchoOn()->isEnabled());
    EXPECT_TRUE(d.Option_Demo_Nein()->isChecked());
    EXPECT_EQ(d.ComPort_Geraet()->text(), QStringLiteral("/dev/zor-test-line"));
    EXPECT_TRUE(d.ComPort(1)->toolTip().endsWith(usualSerialDevice(1)));
    EXPECT_EQ(link().serialPortNumber(), 3);
    EXPECT_EQ(settings().lineSettings(), QStringLiteral("2400,E,7,2"));
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(RS232SetTest, ValuesWithoutAnOptionLeaveTheirGroupEmptyAndAreWrittenBack) {
    store("Baud", QStringLiteral("19200"));
    store("Echo", QStringLiteral("True"));
    RS232Set& d = dialog();
    EXPECT_EQ(d.Baud96()->group()->checkedButton(), nullptr);
    EXPECT_TRUE(d.EchoOn()->isChecked());
    EXPECT_FALSE(d.EchoOn()->isEnabled());

    d.OKButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(stored("Baud"), QStringLiteral("19200"));
    EXPECT_EQ(stored("Echo"), QStringLiteral("True"));
}

TEST_F(RS232SetTest, OkWithTheSamePortStoresAndAppliesTheChoices) {
    RS232Set& d = dialog();
    d.Baud48()->click();
    d.OddParity()->click();
    d.Data7()->click();
    d.Stop2()->click();
    d.XonFlow()->click();
    d.Option_Demo_ja()->click();
    d.OKButton()->click();

    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(stored("Baud"), QStringLiteral("4800"));
    EXPECT_EQ(stored("Paritaet"), QStringLiteral("O"));
    EXPECT_EQ(stored("Datenbits"), QStringLiteral("7"));
    EXPECT_EQ(stored("Stoppbit"), QStringLiteral("2"));
    EXPECT_EQ(stored("Handshake"), QStringLiteral("1"));
    EXPECT_EQ(stored("Demo"), QStringLiteral("demo"));
    EXPECT_EQ(stored("Adresse"), QStringLiteral("0"));
    EXPECT_EQ(settings().lineSettings(), QStringLiteral("4800,O,7,2"));
    EXPECT_EQ(settings().handshakeMode(), 1);
}

TEST_F(RS232SetTest, APortThatCannotBeOpenedIsRefusedAndNothingIsWritten) {
    store("Port2", folder.filePath(QStringLiteral("no-such-line")));
    const QByteArray before = fileBytes();
    RS232Set& d = dialog();
    d.ComPort(2)->click();
    d.Baud12()->click();
    d.OKButton()->click();

    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_EQ(messages.warnings.first(),
              QStringLiteral("Kommunikationsparameter | Der von Ihnen gewählte ComPort : 2 läßt "
                             "sich nicht ansprechen.\rEntweder ist dieser Com Port belegt oder "
                             "nicht vorhanden.\r\rBitte benutzen Sie einen anderen Com Port !"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(link().serialPortNumber(), 1);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(RS232SetTest, ANewPortThatOpensIsTestedAndTaken) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    store("Port4", sim.ttyPath());
    RS232Set& d = dialog();
    d.ComPort(4)->click();
    EXPECT_EQ(d.ComPort_Geraet()->text(), sim.ttyPath());
    d.OKButton()->click();

    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(stored("ComPort"), QStringLiteral("4"));
    EXPECT_EQ(link().serialPortNumber(), 4);
}

TEST_F(RS232SetTest, CancelWritesNothingButTheDemoChoiceStaysStored) {
    RS232Set& d = dialog();
    d.Baud3()->click();
    d.Option_Demo_ja()->click();
    EXPECT_EQ(stored("Demo"), QStringLiteral("demo"));
    const QByteArray afterDemo = fileBytes();
    d.CancelButton()->click();

    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(fileBytes(), afterDemo);
    EXPECT_EQ(stored("Baud"), QStringLiteral("9600"));
    EXPECT_EQ(settings().baud, QStringLiteral("300"));
}

TEST(RS232SetTexts, EchoValues) {
    EXPECT_TRUE(echoIsOn(QStringLiteral("True")));
    EXPECT_TRUE(echoIsOn(QStringLiteral("wahr")) == false);
    EXPECT_TRUE(echoIsOn(QStringLiteral("-1")));
    EXPECT_FALSE(echoIsOn(QStringLiteral("0")));
    EXPECT_FALSE(echoIsOn(QStringLiteral("False")));
    EXPECT_FALSE(echoIsOn(QString()));
}

} // namespace
} // namespace zor
