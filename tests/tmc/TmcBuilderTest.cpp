// The "T M C" page at work: its start-up with the catalogues of the data
// folder, the controls recomposing the message, and the send to the
// simulated instrument over a pseudo-terminal.

#include "TmcCatalogueFiles.h"
#include "settings/OperatorMessages.h"
#include "panel/DisplayLabel.h"
#include "panel/PageFixture.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "support/GatedInstrument.h"
#include "translate/Clock.h"
#include "support/SimProcess.h"
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcPage.h"
#include "translate/InstrumentLink.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Texts show as text when an expectation fails.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zor {
namespace {

QString dataSetKey(const QString& folder) {
    return Ini_Lesen(QStringLiteral("RDS"), QStringLiteral("TMC"),
                     DataFolder(folder).file(QLatin1String(kDataSetFile)));
}

void writeFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(QDir(folder).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The display for F ticked, T and DP clear, D 0: "08", block 3, block 4.
QString startDisplay(int direction, int extent, int event, int location) {
    const int block3 = (direction << 14) | (extent << 11) | (event & 0x7FF);
    const auto hex4 = [](int word) {
        return QString::number(word, 16).toUpper().rightJustified(4, u'0');
    };
    return QStringLiteral("08") + hex4(block3) + hex4(location);
}

// Picks entry `row` from the open list of `field`, as the operator does with
// the keyboard in the drop-down list.
void pickFromList(QComboBox* field, int row) {
    field->showPopup();
    QAbstractItemView* list = field->view();
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

QByteArray utf16Bytes(const QString& text, bool bigEndian) {
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

QStringList entriesOf(const TmcEntryTable& table) {
    QStringList entries;
    for (qsizetype i = 0; i < table.size(); ++i)
        entries << table.entry(i);
    return entries;
}

QString locationEntry(const QString& description, const QString& code) {
    return tmcCatalogueEntry(description, code, kTmcLocationNameWidth);
}

// The list shows the same entries whatever form the file is saved in; a
// character outside the basic plane is never cut in half.
TEST(TmcEntryTable, EveryFileFormGivesTheSameEntriesAndMessages) {
    const QString car = QStringLiteral("\U0001F697");
    const QString text = QStringLiteral("\"Br\u00FCcke S\u00FCd, Ost;12\",  Kreuz;7\r\n") +
                         QStringLiteral("\"Umleitung Stadtmitt") + car +
                         QStringLiteral(";65535\"\r\nStra\u00DFe;1x\r\n");
    const QStringList expected = {
        locationEntry(QStringLiteral("Br\u00FCcke S\u00FCd, Ost"), "12"),
        locationEntry("Kreuz", "7"),
        QStringLiteral("Umleitung Stadtmitt") + QStringLiteral(" 65535"),
    };
    const QByteArray forms[] = {text.toUtf8(), "\xEF\xBB\xBF" + text.toUtf8(),
                                utf16Bytes(text, false), utf16Bytes(text, true)};
    for (const QByteArray& bytes : forms) {
        const TmcEntryTable table =
            tmcEntryTableFromBytes(TmcCatalogueKind::Locations, bytes, "Location.txt");
        EXPECT_EQ(entriesOf(table), expected);
        ASSERT_TRUE(table.problem());
        EXPECT_TRUE(table.problem()->contains("Zeile 3")) << table.problem()->toStdString();
        EXPECT_TRUE(table.problem()->contains("\"1x\"")) << table.problem()->toStdString();
    }
    const TmcEntryTable windows = tmcEntryTableFromBytes(
        TmcCatalogueKind::Locations, QString(text).remove(car).toLatin1(), "Location.txt");
    EXPECT_EQ(entriesOf(windows), QStringList({expected.at(0), expected.at(1),
                                               locationEntry("Umleitung Stadtmitt", "65535")}));
}

class TmcStartUp : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::offscreenApp(); }

    QString folder() const { return services.folder.path(); }
    void copyBundled(const char* name) {
        const QString from = qEnvironmentVariable("ZOR_SOURCE_DIR") + "/data/Daten/" + name;
        ASSERT_TRUE(QFile::copy(from, QDir(folder()).filePath(QLatin1String(name)))) << name;
    }
    QString display() const { return page.TMC_Gr8_Label()->text(); }
    QString field(const char* name) const { return page.fieldLabel(QLatin1String(name))->text(); }

    test::PageServices services;
    TmcPage page{services.context};
};

TEST_F(TmcStartUp, BundledCataloguesFillTheListsAndTheirFirstEntriesMakeTheMessage) {
    copyBundled("Event.txt");
    copyBundled("Location.txt");
    const TmcCatalogue events =
        readTmcCatalogue(TmcCatalogueKind::Events, QDir(folder()).filePath("Event.txt"));
    const TmcCatalogue locations =
        readTmcCatalogue(TmcCatalogueKind::Locations, QDir(folder()).filePath("Location.txt"));

    page.prepare();

    EXPECT_TRUE(services.messages.warnings.isEmpty())
        << services.messages.warnings.join("\n").toStdString();
    ASSERT_EQ(page.TMC_Event_Combo()->count(), events.entries.size());
    ASSERT_EQ(page.TMC_Loc_Combo()->count(), locations.entries.size());
    EXPECT_EQ(page.TMC_Event_Combo()->currentText(), events.entries.first());
    EXPECT_EQ(page.TMC_Loc_Combo()->currentText(), locations.entries.first());
    EXPECT_EQ(page.TMC_Event_Combo()->itemText(7), events.entries.at(7));
    EXPECT_EQ(page.TMC_Var_Combo()->count(), 8);
    EXPECT_EQ(page.TMC_Var_Combo()->currentText(), "0");
    EXPECT_TRUE(page.Tmc_richtung(0)->isChecked());
    EXPECT_TRUE(page.TMC_F_Check()->isChecked());
    EXPECT_FALSE(page.TMC_T_Check()->isChecked());

    const int event = tmcEntryCode(events.entries.first());
    const int location = tmcEntryCode(locations.entries.first());
    EXPECT_EQ(display(), startDisplay(0, 0, event, location));
    EXPECT_EQ(field("TMCBL2_T"), "0");
    EXPECT_EQ(field("TMCBL2_F"), "1");
    EXPECT_EQ(field("TMCBL2_DP"), "000");
    EXPECT_EQ(field("TMCBL3_D"), "0");
    EXPECT_EQ(field("TMCBL3_U"), "0");
    EXPECT_EQ(field("TMCBL3_Extent"), "000");
    EXPECT_EQ(field("TMCBL3_Event"), QString::number(event, 2).rightJustified(11, u'0'));
    EXPECT_EQ(field("TMCBL4_Local"), QString::number(location, 2).rightJustified(16, u'0'));
    EXPECT_EQ(page.TMC_Loc_Hex()->text(), display().right(4));
}

TEST_F(TmcStartUp, FullSizeCataloguesLoadWholeAndTheirListsStayPickable) {
    ASSERT_TRUE(writeFullTmcCatalogues(folder()));

    page.prepare();

    EXPECT_TRUE(services.messages.warnings.isEmpty());
    ASSERT_EQ(page.TMC_Event_Combo()->count(), kFullEventCount);
    ASSERT_EQ(page.TMC_Loc_Combo()->count(), kFullLocationCount);
    EXPECT_EQ(display(), startDisplay(0, 0, 0, 1));
    for (QComboBox* list : {page.TMC_Event_Combo(), page.TMC_Loc_Combo()})
        EXPECT_TRUE(qobject_cast<QListView*>(list->view())->uniformItemSizes());

    page.show();
    pickFromList(page.TMC_Loc_Combo(), kFullLocationCount - 1);
    EXPECT_EQ(display(), startDisplay(0, 0, 0, 65535));
    pickFromList(page.TMC_Event_Combo(), kFullEventCount - 1);
    EXPECT_EQ(display(), startDisplay(0, 0, 2047, 65535));
    EXPECT_EQ(page.TMC_Event_Hex()->text(), "7FF");
    EXPECT_EQ(page.TMC_Loc_Hex()->text(), "FFFF");
}

TEST_F(TmcStartUp, MissingCataloguesAreToldOnceEachAndTheirFieldsKeepTheStartValue) {
    page.prepare();

    ASSERT_EQ(services.messages.warnings.size(), 2);
    EXPECT_TRUE(services.messages.warnings.at(0).contains("Event.txt"));
    EXPECT_TRUE(services.messages.warnings.at(1).contains("Location.txt"));
    EXPECT_EQ(page.TMC_Event_Combo()->count(), 0);
    EXPECT_EQ(page.TMC_Loc_Combo()->count(), 0);
    EXPECT_EQ(field("TMCBL3_Event"), "-");
    EXPECT_EQ(field("TMCBL4_Local"), "-");
    EXPECT_EQ(page.TMC_Event_Hex()->text(), "");
    // The other presets still ran; the missing digits read as 0.
    EXPECT_EQ(display(), "0800000000");
    page.TMC_T_Check()->click();
    EXPECT_EQ(display(), "1800000000");
}

TEST_F(TmcStartUp, FaultyCatalogueKeepsItsGoodRecordsAndNamesTheFirstBadLineOnce) {
    writeFile(folder(), "Event.txt",
              "Stau;1\r\nohne Code\r\nGl\xE4tte;abc\r\nNebel;3\r\nUnfall;-4\r\n");
    writeFile(folder(), "Location.txt", "\"Nord;12345\",\"S\xFC\x64;7\"\r\n");

    page.prepare();

    ASSERT_EQ(services.messages.warnings.size(), 1);
    const QString told = services.messages.warnings.first();
    EXPECT_TRUE(told.contains("Event.txt")) << told.toStdString();
    EXPECT_TRUE(told.contains("Zeile 2")) << told.toStdString();
    ASSERT_EQ(page.TMC_Event_Combo()->count(), 2);
    EXPECT_EQ(tmcEntryCode(page.TMC_Event_Combo()->itemText(1)), 3);
    ASSERT_EQ(page.TMC_Loc_Combo()->count(), 2);
    EXPECT_EQ(page.TMC_Loc_Combo()->itemText(1), QString("S\u00FCd") + QString(17, u' ') + "    7");
    EXPECT_EQ(display(), startDisplay(0, 0, 1, 12345));
}

TEST_F(TmcStartUp, EmptyCatalogueLeavesItsListEmpty) {
    copyBundled("Event.txt");
    writeFile(folder(), "Location.txt", "");

    page.prepare();

    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings.first().contains("Location.txt"));
    EXPECT_GT(page.TMC_Event_Combo()->count(), 0);
    EXPECT_EQ(page.TMC_Loc_Combo()->count(), 0);
    EXPECT_EQ(field("TMCBL4_Local"), "-");
}

// Events 1, 2047, 2048 (kept, told) and 0; locations 12345, 65535 and 0.
class TmcControls : public TmcStartUp {
protected:
    void SetUp() override {
        writeFile(folder(), "Event.txt",
                  "Stau;1\r\nVollsperrung;2047\r\nAuflage;2048\r\nFreie Fahrt;0\r\n");
        writeFile(folder(), "Location.txt", "Kreuz Nord;12345\r\nEnde;65535\r\nNull;0\r\n");
        page.prepare();
        services.messages.warnings.clear();
        page.show();
    }
};

TEST_F(TmcControls, ExtentDirectionEventAndLocationFillBlocks3And4) {
    EXPECT_EQ(display(), "0800013039");
    QTest::keyClick(page.TMC_Var_Combo(), Qt::Key_Down);
    QTest::keyClick(page.TMC_Var_Combo(), Qt::Key_Down);
    EXPECT_EQ(display(), "0810013039");
    EXPECT_EQ(field("TMCBL3_Extent"), "010");

    pickFromList(page.TMC_Var_Combo(), 7);
    pickFromList(page.TMC_Event_Combo(), 3);
    page.Tmc_richtung(1)->click();
    EXPECT_EQ(display().mid(2, 4), "7800");
    EXPECT_EQ(field("TMCBL3_U"), "1");
    page.Tmc_richtung(0)->click();
    EXPECT_EQ(display().mid(2, 4), "3800");

    pickFromList(page.TMC_Event_Combo(), 1);
    EXPECT_EQ(field("TMCBL3_Event"), "11111111111");
    pickFromList(page.TMC_Event_Combo(), 2);
    EXPECT_EQ(field("TMCBL3_Event"), "00000000000");

    pickFromList(page.TMC_Loc_Combo(), 1);
    EXPECT_EQ(display().right(4), "FFFF");
    pickFromList(page.TMC_Loc_Combo(), 2);
    EXPECT_EQ(display().right(4), "0000");
    EXPECT_EQ(page.TMC_Loc_Hex()->text(), "0000");
    EXPECT_TRUE(services.messages.warnings.isEmpty());
}

TEST_F(TmcControls, FlagsAndDurationBoxesFillTheFirstTwoCharacters) {
    page.TMC_T_Check()->click();
    EXPECT_EQ(display().left(2), "18");
    page.TMC_DP3Check()->click();
    page.TMC_DP1_Check()->click();
    EXPECT_EQ(field("TMCBL2_DP"), "101");
    page.TMC_DP2_Check()->click();
    EXPECT_EQ(display().left(2), "1F");
    page.TMC_DP2_Check()->click();
    page.TMC_DP3Check()->click();
    EXPECT_EQ(field("TMCBL2_DP"), "001");

    page.TMC_T_Check()->click();
    page.TMC_F_Check()->click();
    page.TMC_DP1_Check()->click();
    EXPECT_EQ(display(), "0000013039");
    EXPECT_EQ(field("TMCBL2_F"), "0");
}

TEST_F(TmcControls, TypingIntoAListChoosesNothing) {
    const QString before = display();
    page.TMC_Loc_Combo()->lineEdit()->selectAll();
    QTest::keyClicks(page.TMC_Loc_Combo()->lineEdit(), "Null");
    QTest::keyClicks(page.TMC_Event_Combo()->lineEdit(), "xyz");
    EXPECT_EQ(display(), before);
    EXPECT_EQ(page.TMC_Loc_Combo()->count(), 3);
    EXPECT_EQ(page.TMC_Event_Combo()->count(), 4);
}

TEST_F(TmcControls, KeyThatCannotBeStoredIsToldOncePerClick) {
    // A folder in place of the data set file: nothing can be written there.
    ASSERT_TRUE(QDir(folder()).mkdir(QLatin1String(kDataSetFile)));

    page.TMC_Senden_Taste()->click();

    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings.first().contains("TMC"));
    EXPECT_TRUE(services.messages.warnings.first().contains(kDataSetFile));
}

// What the data set holds under "TMC" each time a command is about to go
// out: the serial write lets pending window events run just before it.
class KeyWatch : public test::RecordedMessages {
public:
    explicit KeyWatch(QString folder) : folder_(std::move(folder)) {}
    void processPendingEvents() override { keyBeforeEachCommand << dataSetKey(folder_); }

    QStringList keyBeforeEachCommand;

private:
    QString folder_;
};

// The page over a real instrument link to the simulated instrument on a
// pseudo-terminal, connected as the initialisation connects.
class TmcSend : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::offscreenApp(); }

    void SetUp() override {
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        writeFile(folder.path(), "Event.txt", "Stau;1\r\n");
        writeFile(folder.path(), "Location.txt", "Kreuz Nord;12345\r\n");
        const QString serial = data.file(QLatin1String(kSerialFile));
        ASSERT_TRUE(Ini_Schreiben("38xx", "ComPort", "1", serial));
        ASSERT_TRUE(Ini_Schreiben("38xx", "Port1", sim.ttyPath(), serial));
        ASSERT_TRUE(Ini_Schreiben("BUS", "Interface", "COM", data.file(QLatin1String(kGeneralFile))));
        instrument = std::make_unique<InstrumentLink>(data, texts, messages, current, systemClock());
        gate = std::make_unique<test::GatedInstrument>(*instrument);
        gate->useInterface(Interface::Serial);
        ASSERT_TRUE(gate->connect());
        // The opening carriage return has arrived before anything is counted.
        ASSERT_TRUE(sim.waitForRecorded(1, 3000));
        context = std::make_unique<PageContext>(
            PageContext{data, status, texts, messages, *gate, current});
        page = std::make_unique<TmcPage>(*context);
        page->prepare();
        ASSERT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join("\n").toStdString();
        opening = sim.recorded().size();
    }

    QByteArray sent() const { return sim.recorded().mid(opening); }

    SimProcess sim;
    QTemporaryDir folder;
    DataFolder data{folder.path()};
    Captions texts;
    KeyWatch messages{folder.path()};
    test::StatusFields status;
    CurrentValues current;
    std::unique_ptr<InstrumentLink> instrument;
    std::unique_ptr<test::GatedInstrument> gate;
    std::unique_ptr<PageContext> context;
    std::unique_ptr<TmcPage> page;
    qsizetype opening = 0;
};

TEST_F(TmcSend, OneClickSendsRegistrationMessageRegistrationAndKeepsEachAsItGoes) {
    QTest::keyClick(page->TMC_Var_Combo(), Qt::Key_Down);
    QTest::keyClick(page->TMC_Var_Combo(), Qt::Key_Down);
    ASSERT_EQ(page->TMC_Gr8_Label()->text(), "0810013039");

    page->TMC_Senden_Taste()->click();

    const QByteArray wire = ":STEREO:DIRECT \"3A=03,100066CD46\"\n"
                            ":STEREO:DIRECT \"8A=08,0810013039\"\n"
                            ":STEREO:DIRECT \"3A=03,106100CD46\"\n";
    EXPECT_TRUE(sim.waitForRecorded(opening + wire.size(), 3000));
    EXPECT_EQ(sent().toStdString(), wire.toStdString());
    EXPECT_EQ(messages.keyBeforeEachCommand, QStringList({"", "03,100066CD46", "08,0810013039"}));
    EXPECT_EQ(dataSetKey(folder.path()), "03,106100CD46");
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(TmcSend, DemoModeSendsNothingButStillKeepsTheKey) {
    gate->setDemo(true);
    page->TMC_Senden_Taste()->click();
    EXPECT_EQ(dataSetKey(folder.path()), "03,106100CD46");

    // Only the three commands of the connected click reach the line.
    gate->setDemo(false);
    page->TMC_T_Check()->click();
    page->TMC_Senden_Taste()->click();
    const QByteArray wire = ":STEREO:DIRECT \"3A=03,100066CD46\"\n"
                            ":STEREO:DIRECT \"8A=08,1800013039\"\n"
                            ":STEREO:DIRECT \"3A=03,106100CD46\"\n";
    EXPECT_TRUE(sim.waitForRecorded(opening + wire.size(), 3000));
    EXPECT_EQ(sent().toStdString(), wire.toStdString());
}

} // namespace
} // namespace zor
