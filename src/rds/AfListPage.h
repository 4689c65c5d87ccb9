#pragma once

#include "panel/StatusLine.h"
#include "panel/TabPage.h"
#include "rds/AF_Listenform.h"
#include "rds/AfListFrame.h"

class QRadioButton;

namespace zor {

// Tab 2 "AF Liste": one of the five stored alternative-frequency lists of
// the own programme, the list options and the edit and send buttons. The
// main window never changes a list; the AF list editor does.
class AfListPage : public TabPage {
    Q_OBJECT

public:
    explicit AfListPage(PageContext& context, QWidget* parent = nullptr);

    QGroupBox* Frame2() const { return af_.frame; }
    DisplayLabel* AF_TN() const { return af_.tuned; }
    QListWidget* AF_List1() const { return af_.list; }
    QButtonGroup* AFList_Opt() const { return af_.options; }
    QRadioButton* AFList_Opt(int index) const;
    QPushButton* AF_Bearbeiten() const { return af_.edit; }
    QPushButton* Taste_AF_Senden() const { return af_.send; }

    // Shows stored list index + 1.
    void AFList_Opt_Click(int index);
    // Opens the AF list editor on the own programme's lists; afterwards
    // list 1 is shown again, the option selection unchanged.
    void AF_Bearbeiten_Click();
    // Sends the stored lists: list 1 with "N,", the others that exist with
    // "+,"; nothing when list 1 is empty.
    void Taste_AF_Senden_Click();

    // How the editor is shown; modal unless a test says otherwise.
    void setEditorRun(AF_Listenform::Run run) { editorRun_ = std::move(run); }

protected:
    std::span<const CaptionKey> captionTable() const override;
    // The start-up restore of the lists: each option enabled only when its
    // list is stored, option 0 selected and list 1 shown; the TA and TP
    // status fields show the word for off.
    void restoreSettings() override;

private:
    void showOffWord(StatusField field);

    AfListFrame af_;
    AF_Listenform::Run editorRun_ = &AF_Listenform::runModal;
};

} // namespace zor
