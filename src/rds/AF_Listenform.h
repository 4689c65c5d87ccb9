#pragma once

#include "panel/PageContext.h"
#include "settings/Captions.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zor {

class DisplayLabel;

// The AF list editor: edits one of the five stored lists of the kind the AF
// editor mode names ("AF" or "EON AF") and stores it on OK. Each opening
// starts from the stored lists; "zurück" and the close box store nothing.
class AF_Listenform : public QDialog {
    Q_OBJECT

public:
    // An input box: title, prompt and proposed answer; the answer, empty
    // for Cancel.
    using AskText = std::function<QString(const QString& title, const QString& prompt,
                                          const QString& proposal)>;
    // A question with Yes and No buttons and no icon; true for Yes.
    using AskYesNo = std::function<bool(const QString& title, const QString& text)>;
    // Shows the editor and returns when it has closed.
    using Run = std::function<void(AF_Listenform& editor)>;

    // Centred on the screen, with the captions of the current language, the
    // option of each stored list enabled and list 1 shown.
    explicit AF_Listenform(PageContext& context, QWidget* parent = nullptr);

    // The usual way to run the editor: modal, the window waits for it.
    static void runModal(AF_Listenform& editor);

    const QString& kind() const { return kind_; }
    // The number (1 to 5) of the list shown.
    int listNumber() const { return listNumber_; }

    void setAskText(AskText ask) { askText_ = std::move(ask); }
    void setAskYesNo(AskYesNo ask) { askYesNo_ = std::move(ask); }

    DisplayLabel* AF_TN() const { return AF_TN_; }
    QListWidget* AF_List1() const { return AF_List1_; }
    QLineEdit* Text2() const { return Text2_; }
    QPushButton* AF_OF_add() const { return AF_OF_add_; }
    QPushButton* Command1() const { return Command1_; }
    QPushButton* Rem_Freq() const { return Rem_Freq_; }
    QButtonGroup* AFList_Opt() const { return AFList_Opt_; }
    QRadioButton* AFList_Opt(int index) const;
    QPushButton* Uebernahme_Knopf() const { return Uebernahme_Knopf_; }
    QPushButton* Ende_Knopf() const { return Ende_Knopf_; }

    // Shows stored list index + 1; unstored changes to the list shown are lost.
    void AFList_Opt_Click(int index);
    // Asks for the tuned frequency until it is acceptable or the answer is empty.
    void AF_TN_Click();
    // Appends the entry of Text2.
    void Command1_Click();
    // Inserts the entry of Text2 before the selected one, never before the first.
    void AF_OF_add_Click();
    // Deletes the selected entry after asking, never the last one.
    void Rem_Freq_Click();
    // Stores the list shown under its number and closes.
    void Uebernahme_Knopf_Click();

private:
    void build();
    void connectHandlers();
    void loadCaptions();
    void centreOnScreen();
    bool acceptableTunedFrequency(const QString& answer);
    bool acceptableEntry(const QString& entry);
    int selectedRow() const;
    void warn(Text text);

    PageContext& context_;
    QString kind_;
    int listNumber_ = 1;
    AskText askText_;
    AskYesNo askYesNo_;

    DisplayLabel* AF_TN_ = nullptr;
    QListWidget* AF_List1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QPushButton* AF_OF_add_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Rem_Freq_ = nullptr;
    QButtonGroup* AFList_Opt_ = nullptr;
    QPushButton* Uebernahme_Knopf_ = nullptr;
    QPushButton* Ende_Knopf_ = nullptr;
};

} // namespace zor
