#include "ListPagesFixture.h"
#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "rds/AF_Listenform.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

namespace zor {
namespace {

QStringList entriesOf(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

class AfEditorTest : public test::ListPagesTest {
  protected:
    // An editor on the lists of `kind`, answering input boxes from `answers`
    // and the delete question with `yes`.
    std::unique_ptr<AF_Listenform> openEditor(const QString& kind = QStringLiteral("AF")) {
        services.current.afEditorMode = kind;
        auto editor = std::make_unique<AF_Listenform>(services.context);
        editor->setAskText([this](const QString& title, const QString& prompt,
                                  const QString& proposal) {
            asked.append(title + u'|' + prompt + u'|' + proposal);
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        editor->setAskYesNo([this](const QString& title, const QString& text) {
            questions.append(title + u'|' + text);
            return yes;
        });
        editor->show();
        return editor;
    }

    void enter(AF_Listenform& editor, const QString& entry, QPushButton* button) {
        editor.Text2()->setText(entry);
        button->click();
    }

    void select(AF_Listenform& editor, int row) {
        editor.AF_List1()->setCurrentRow(row);
    }

    QStringList warnings() { return std::exchange(services.messages.warnings, {}); }

    QStringList answers;
    QStringList asked;
    QStringList questions;
    bool yes = true;
};

TEST_F(AfEditorTest, OpensOnListOneWithTheStoredListsSelectable) {
    setDataSet(QStringLiteral("AF_Liste1"), QStringLiteral("98.5,87.6,101.3"));
    setDataSet(QStringLiteral("AF_LISTE4"), QStringLiteral("95.0,96.1"));
    auto editor = openEditor();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("bearbeiten AF"));
    EXPECT_EQ(editor->listNumber(), 1);
    EXPECT_TRUE(editor->AFList_Opt(0)->isChecked());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(editor->AFList_Opt(i)->isEnabled(), i == 0 || i == 3) << i;
    EXPECT_EQ(editor->AFList_Opt(2)->text(), QStringLiteral("Liste 3"));
    EXPECT_EQ(editor->Command1()->text(), QStringLiteral("Anfügen"));
    EXPECT_EQ(editor->Ende_Knopf()->text(), QStringLiteral("zurück"));
    EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("98.5"));
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", "101.3"}));
    test::expectDistinctNames(namedControls(editor.get()), QStringLiteral("AF_Listenform"));

    editor->AFList_Opt(3)->click();
    EXPECT_EQ(editor->listNumber(), 4);
    EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("95.0"));
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"96.1"}));
}

TEST_F(AfEditorTest, EonKindTakesItsOwnKeysAndEnglishCaptions) {
    setLanguage(QStringLiteral("english"));
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("98.5,87.6"));
    setDataSet(QStringLiteral("EON_AFB2"), QStringLiteral("99.1,88.2"));
    auto editor = openEditor(QStringLiteral("EON AF"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit EON AF"));
    EXPECT_EQ(editor->AFList_Opt(1)->text(), QStringLiteral("List 2"));
    EXPECT_EQ(editor->Rem_Freq()->text(), QStringLiteral("Delete"));
    EXPECT_FALSE(editor->AFList_Opt(0)->isEnabled());
    EXPECT_TRUE(editor->AFList_Opt(1)->isEnabled());
    EXPECT_TRUE(editor->AF_TN()->text().isEmpty());
    EXPECT_EQ(editor->AF_List1()->count(), 0);

    editor->AFList_Opt(1)->click();
    enter(*editor, QStringLiteral("105.5"), editor->Command1());
    editor->Uebernahme_Knopf()->click();
    EXPECT_EQ(dataSet(QStringLiteral("EON_AFB2")), QStringLiteral("99.1,88.2,105.5"));
    EXPECT_EQ(dataSet(QStringLiteral("AF_LISTE2")), QString());
}

TEST_F(AfEditorTest, TunedFrequencyIsAskedUntilItFits) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("95.0,87.6"));
    auto editor = openEditor();
    answers = QStringList{"85", "90,5", "98.55"};
    QTest::mouseClick(editor->AF_TN(), Qt::LeftButton);
    EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("98.5"));
    EXPECT_EQ(asked, QStringList(3, QStringLiteral("AF-Liste|Abstimmfrequenz:|95.0")));
    EXPECT_EQ(warnings(), QStringList({"AF-Liste | Frequenz außerhalb des Bereichs",
                                       "AF-Liste | Punkt statt Komma"}));

    for (const auto& [answer, label] : {std::pair{"104", "104.0"}, {"98", "98.0"}}) {
        answers = QStringList{QString::fromLatin1(answer)};
        editor->AF_TN_Click();
        EXPECT_EQ(editor->AF_TN()->text(), QString::fromLatin1(label));
    }
    asked.clear();
    answers.clear();
    editor->AF_TN_Click();
    EXPECT_EQ(asked, QStringList({"AF-Liste|Abstimmfrequenz:|98.0"}));
    EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("98.0"));
    EXPECT_TRUE(warnings().isEmpty());
}

TEST_F(AfEditorTest, EntriesAreCheckedAndNeverHoldAComma) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("98.5,87.6"));
    auto editor = openEditor();
    enter(*editor, QStringLiteral("87.4"), editor->Command1());
    EXPECT_EQ(warnings(), QStringList({"AF-Liste | Frequenz außerhalb des Bereichs"}));
    enter(*editor, QStringLiteral("88,1"), editor->Command1());
    EXPECT_EQ(warnings(), QStringList({"AF-Liste | Punkt statt Komma"}));
    enter(*editor, QStringLiteral("108"), editor->Command1());
    enter(*editor, QStringLiteral("87.5"), editor->Command1());
    EXPECT_TRUE(warnings().isEmpty());
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", "108", "87.5"}));

    select(*editor, 2);
    enter(*editor, QStringLiteral("99,9"), editor->AF_OF_add());
    EXPECT_EQ(warnings(), QStringList({"AF-Liste | Punkt statt Komma"}));
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", "108", "87.5"}));
}

TEST_F(AfEditorTest, InsertStandsBeforeTheSelectedEntryButNeverFirst) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("98.5,87.6,101.3,104.0"));
    auto editor = openEditor();
    editor->Text2()->setText(QStringLiteral("99.9"));
    editor->AF_OF_add()->click();
    select(*editor, 0);
    editor->AF_OF_add()->click();
    EXPECT_EQ(warnings(), QStringList(2, QStringLiteral(
                                             "Einfügen nicht möglich | Eintrag ab dem zweiten wählen")));
    select(*editor, 2);
    enter(*editor, QStringLiteral("108.1"), editor->AF_OF_add());
    EXPECT_EQ(warnings(), QStringList({"AF-Liste | Frequenz außerhalb des Bereichs"}));
    enter(*editor, QStringLiteral("99.9"), editor->AF_OF_add());
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", "101.3", "99.9", "104.0"}));
}

TEST_F(AfEditorTest, DeleteAsksAndKeepsTheLastEntry) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("98.5,87.6,101.3,"));
    setDataSet(QStringLiteral("AF_LISTE2"), QStringLiteral("98.5,87.6"));
    auto editor = openEditor();
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", "101.3", ""}));

    editor->Rem_Freq()->click();
    select(*editor, 2);
    editor->Rem_Freq()->click();
    EXPECT_TRUE(questions.isEmpty());

    yes = false;
    select(*editor, 1);
    editor->Rem_Freq()->click();
    EXPECT_EQ(questions, QStringList({QStringLiteral(
                             "Liste ändern?|Möchten Sie diese Frequenz\naus der Liste löschen?\n"
                             "101.3 MHz")}));
    EXPECT_EQ(editor->AF_List1()->count(), 3);
    yes = true;
    editor->Rem_Freq()->click();
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6", ""}));

    questions.clear();
    editor->AFList_Opt(1)->click();
    select(*editor, 0);
    editor->Rem_Freq()->click();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(entriesOf(editor->AF_List1()), QStringList({"87.6"}));
}

TEST_F(AfEditorTest, OkStoresTheListShownUnderItsOwnNumber) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("95.0,87.6"));
    setDataSet(QStringLiteral("AF_LISTE2"), QStringLiteral("99.0"));
    {
        auto editor = openEditor();
        answers = QStringList{"98.5"};
        editor->AF_TN_Click();
        enter(*editor, QStringLiteral("101.3"), editor->Command1());
        editor->Uebernahme_Knopf()->click();
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(editor->result(), QDialog::Accepted);
    }
    EXPECT_EQ(dataSet(QStringLiteral("AF_LISTE1")), QStringLiteral("98.5,87.6,101.3"));
    {
        // A tuned frequency alone and an empty list show as such: nothing of
        // the list shown before can reach their numbers.
        auto editor = openEditor();
        editor->AFList_Opt(1)->click();
        EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("99.0"));
        EXPECT_EQ(editor->AF_List1()->count(), 0);
        editor->AFList_Opt_Click(4);
        editor->Uebernahme_Knopf()->click();
    }
    EXPECT_EQ(dataSet(QStringLiteral("AF_LISTE2")), QStringLiteral("99.0"));
    EXPECT_EQ(dataSet(QStringLiteral("AF_LISTE5")), QString());
    {
        auto editor = openEditor();
        enter(*editor, QStringLiteral("104.0"), editor->Command1());
        editor->Ende_Knopf()->click();
        EXPECT_EQ(editor->result(), QDialog::Rejected);
    }
    EXPECT_EQ(dataSet(QStringLiteral("AF_LISTE1")), QStringLiteral("98.5,87.6,101.3"));
}

TEST_F(AfEditorTest, OkOnAFileThatCannotBeWrittenKeepsTheEditorOpen) {
    // A folder where the data set file belongs can be neither read nor
    // replaced, whoever runs the test.
    ASSERT_TRUE(QDir(services.context.data.path()).mkdir(QLatin1String(kDataSetFile)));
    auto editor = openEditor();
    answers = QStringList{"98.5"};
    editor->AF_TN_Click();
    editor->Uebernahme_Knopf()->click();
    EXPECT_TRUE(editor->isVisible());
    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings.front().contains(QStringLiteral("AF_LISTE1")));
    EXPECT_EQ(editor->AF_TN()->text(), QStringLiteral("98.5"));
}

TEST_F(AfEditorTest, EditButtonsOpenTheirKindAndShowListOneAfterwards) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("95.0,87.6"));
    setDataSet(QStringLiteral("AF_LISTE3"), QStringLiteral("99.0,100.1"));
    setDataSet(QStringLiteral("EON_AFB1"), QStringLiteral("89.0,90.1"));
    AfListPage af(services.context);
    EonPage eon(services.context);
    QStringList kinds;
    const auto appendToList = [&kinds](AF_Listenform& editor) {
        kinds.append(editor.kind());
        editor.Text2()->setText(QStringLiteral("106.6"));
        editor.Command1()->click();
        editor.Uebernahme_Knopf()->click();
    };
    af.setEditorRun(appendToList);
    eon.setEditorRun(appendToList);

    af.AFList_Opt(2)->click();
    EXPECT_EQ(af.AF_TN()->text(), QStringLiteral("99.0"));
    af.AF_Bearbeiten()->click();
    EXPECT_EQ(services.current.afEditorMode, QStringLiteral("AF"));
    EXPECT_TRUE(af.AFList_Opt(2)->isChecked());
    EXPECT_EQ(af.AF_TN()->text(), QStringLiteral("95.0"));
    EXPECT_EQ(entriesOf(af.AF_List1()), QStringList({"87.6", "106.6"}));

    eon.EON_AF_Bearbeiten()->click();
    EXPECT_EQ(services.current.afEditorMode, QStringLiteral("EON AF"));
    EXPECT_EQ(kinds, QStringList({"AF", "EON AF"}));
    EXPECT_EQ(dataSet(QStringLiteral("EON_AFB1")), QStringLiteral("89.0,90.1,106.6"));
    EXPECT_EQ(eon.Tuned_AFB()->text(), QStringLiteral("89.0"));
    EXPECT_EQ(entriesOf(eon.AFB_Liste()), QStringList({"90.1", "106.6"}));
    EXPECT_EQ(dataSet(QStringLiteral("AF_LISTE1")), QStringLiteral("95.0,87.6,106.6"));
}

} // namespace
} // namespace zor
