#include "RdsFixture.h"
#include "panel/DisplayLabel.h"
#include "rds/AF_Listenform.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace zor::test {
namespace {

QStringList entriesOf(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

// The editor answers its input boxes from `answers` and its delete question
// with `yes`.
class AfEditorTest : public ::testing::Test {
protected:
    AfEditorTest() { setRdsCaptions(services.texts); }

    std::unique_ptr<AF_Listenform> open(const char* kind = "AF") {
        services.current.afEditorMode = QLatin1String(kind);
        auto editor = std::make_unique<AF_Listenform>(services.context);
        editor->setAskText([this](const QString&, const QString&, const QString& proposal) {
            proposals << proposal;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        editor->setAskYesNo([this](const QString&, const QString& text) {
            questions << text;
            return yes;
        });
        editor->show();
        return editor;
    }
    void enter(AF_Listenform& editor, const char* entry, QPushButton* button, int row = -1) {
        editor.AF_List1()->setCurrentRow(row);
        editor.Text2()->setText(QString::fromUtf8(entry));
        button->click();
    }
    void setList(const char* key, const char* list) {
        services.folder.write(kDataSetFile, "RDS", key, QLatin1String(list));
    }
    QStringList told() { return std::exchange(services.messages.warnings, {}); }

    PageServices services;
    QStringList answers;
    QStringList proposals;
    QStringList questions;
    bool yes = true;
};

// A tuned frequency is asked for until it lies in range without a comma,
// and shown with one decimal; blanks around an answer go.
TEST_F(AfEditorTest, TunedFrequencyIsAskedForUntilItFits) {
    setList("AF_LISTE1", "95.0,87.6");
    auto editor = open();
    answers = {"85", "90,5", " 98.55 "};
    QTest::mouseClick(editor->AF_TN(), Qt::LeftButton);
    EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("98.5"));
    EXPECT_EQ(proposals, QStringList(3, QStringLiteral("95.0")));
    EXPECT_EQ(told(), QStringList({"AF-Liste | Bereich", "AF-Liste | Komma"}));
}

// Entries are checked for a comma before their range, inserted before the
// selected entry but never first, and deleted after asking, never the last.
TEST_F(AfEditorTest, EntriesAreCheckedInsertedAndDeleted) {
    setList("AF_LISTE1", "98.5,87.6,101.3");
    auto editor = open();
    enter(*editor, "87.4", editor->Command1());
    enter(*editor, "88,1", editor->Command1());
    enter(*editor, " 108 ", editor->Command1());
    enter(*editor, "99.9", editor->AF_OF_add(), 0);
    enter(*editor, "108.1", editor->AF_OF_add(), 1);
    enter(*editor, "99.9", editor->AF_OF_add(), 1);
    EXPECT_EQ(told(), QStringList({"AF-Liste | Bereich", "AF-Liste | Komma",
                                   "Einfügen | ab dem zweiten", "AF-Liste | Bereich"}));
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", "99.9", "101.3", "108"}));
    editor->AF_List1()->setCurrentRow(1);
    yes = false;
    editor->Rem_Freq()->click();
    yes = true;
    editor->Rem_Freq()->click();
    EXPECT_EQ(questions, QStringList(2, "Möchten Sie diese Frequenz\naus der Liste löschen?\n99.9 MHz"));
    for (int left = 3; left > 0; --left) {
        editor->AF_List1()->setCurrentRow(0);
        editor->Rem_Freq()->click();
    }
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList{"108"});
}

// OK stores the list shown under its own number: a list without a comma
// is a tuned frequency alone, so nothing of another list can reach it.
// "zurück" stores nothing; OK on a file that cannot take it keeps the
// editor open.
TEST_F(AfEditorTest, OkStoresTheListShownUnderItsOwnNumber) {
    setList("AF_LISTE1", "95.0,87.6");
    setList("AF_LISTE2", "99.0");
    auto editor = open();
    EXPECT_FALSE(editor->AFList_Opt(2)->isEnabled());
    editor->AFList_Opt(1)->click();
    enter(*editor, "101.3", editor->Command1());
    editor->Uebernahme_Knopf()->click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    auto back = open("EON AF");
    enter(*back, "105.5", back->Command1());
    back->Ende_Knopf()->click();
    EXPECT_EQ(services.stored(kDataSetFile, "RDS", "AF_LISTE2"), QStringLiteral("99.0,101.3"));
    EXPECT_EQ(services.stored(kDataSetFile, "RDS", "EON_AFB1"), QString());

    services.folder.block(kDataSetFile);
    auto blocked = open();
    blocked->Uebernahme_Knopf()->click();
    EXPECT_TRUE(blocked->isVisible());
    ASSERT_EQ(told().size(), 1);
}

} // namespace
} // namespace zor::test
