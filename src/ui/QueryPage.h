#pragma once

#include "panel/TabPage.h"
#include "translate/ReadBack.h"

#include <map>
#include <vector>

class QPushButton;

namespace zor {

class DisplayLabel;
class PageKit;

// Tab 5 "Fragen": the twenty read-back query buttons, grouped by thin lines,
// and the answer display `gelesen`. A button asks its questions only while
// the window is connected; in demo mode it does nothing and the display
// keeps its text.
class QueryPage : public TabPage {
    Q_OBJECT

public:
    explicit QueryPage(PageContext& context, QWidget* parent = nullptr);

    // The query button named "Command" followed by `number` (1, 4 to 22
    // except 2 and 3); null for any other number.
    QPushButton* Command(int number) const;
    DisplayLabel* gelesen() const { return gelesen_; }

    // Enables all twenty query buttons.
    void Fragen_Schalter();
    // Shows `text` in the answer display, as the demo button does.
    void showAnswer(const QString& text);

    // What a click on "Command" followed by `number` does: asks the button's
    // questions and shows the answer in gelesen. Blocks the window for the
    // fixed pauses of the queries (and the bus time-out of a silent
    // instrument), never longer.
    void Command_Click(int number);

protected:
    std::span<const CaptionKey> captionTable() const override;

private:
    void build(PageKit& kit);
    void runQuery(ReadBackButton button);

    std::map<int, QPushButton*> commands_;
    DisplayLabel* gelesen_ = nullptr;
};

} // namespace zor
