#pragma once

#include "panel/PageContext.h"
#include "translate/ReadBack.h"

#include <QWidget>
#include <map>
#include <vector>

class QPushButton;

namespace zor {

class DisplayLabel;

// Tab 5 "Fragen": the twenty read-back query buttons, grouped by thin lines,
// and the answer display `gelesen`. A button asks its questions only while
// the window is connected; in demo mode it does nothing and the display
// keeps its text.
class QueryPage : public QWidget {
    Q_OBJECT

  public:
    explicit QueryPage(PageContext& context, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    // The query button named "Command" followed by `number` (1, 4 to 22
    // except 2 and 3); null for any other number.
    QPushButton* Command(int number) const;
    // The query buttons in the order of their language captions 121 to 138,
    // followed by "Freq ?" and "Pegel ?", which keep their captions.
    const std::vector<QPushButton*>& queryButtons() const { return ordered_; }
    DisplayLabel* gelesen() const { return gelesen_; }

    // Enables all twenty query buttons.
    void Fragen_Schalter();

    // What a click on "Command" followed by `number` does: asks the button's
    // questions and shows the answer in gelesen. Blocks the window for the
    // fixed pauses of the queries (and the bus time-out of a silent
    // instrument), never longer.
    void Command_Click(int number);

  private:
    void runQuery(ReadBackButton button);

    PageContext& context_;
    std::map<int, QPushButton*> commands_;
    std::vector<QPushButton*> ordered_;
    DisplayLabel* gelesen_ = nullptr;
};

} // namespace zor
