#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "ui/QueryPage.h"

#include <QPushButton>

namespace zor {

namespace {

struct QueryButton {
    int number;
    int left;
    int top;
    const char* caption;
};

const QueryButton kButtons[] = {
    {19, 240, 600, "EON  ?"},         {17, 240, 2400, "Gruppen ?"},
    {5, 1680, 600, "PS ?"},           {7, 1680, 1200, "PTY ?"},
    {8, 1680, 1800, "RT ?"},          {4, 1680, 2400, "AF ?"},
    {6, 2880, 600, "PI ?"},           {21, 2880, 1200, "D I ?"},
    {20, 2880, 1800, "M / S ?"},      {9, 2880, 2400, "Zeit ?"},
    {16, 4320, 600, "R D S ?"},       {14, 5760, 600, "Pilot-Ton ?"},
    {15, 5760, 1200, "Ster.-Mode ?"}, {1, 5760, 2400, "A R I ?"},
    {11, 7080, 600, "FM Hub ?"},      {12, 7080, 1200, "FM Source ?"},
    {13, 7080, 1800, "Pre.phase ?"},  {18, 7080, 2400, "Impedanz ?"},
    {10, 4320, 1200, "Freq ?"},       {22, 4320, 1800, "Pegel ?"},
};

} // namespace

void QueryPage::build(PageKit& kit) {
    for (const QueryButton& query : kButtons)
        commands_[query.number] =
            kit.button(this, QStringLiteral("Command") + QString::number(query.number),
                       {query.left, query.top, 1095, 375}, QString::fromUtf8(query.caption),
                       {"Abfrage", "query"});

    int line = 0;
    const auto nextLineName = [&line] { return QStringLiteral("Line") + QString::number(++line); };
    for (const int left : {1440, 4080, 5520, 6960})
        kit.line(this, nextLineName(), left, 600, left, 2760);
    kit.line(this, nextLineName(), 240, 2280, 1440, 2280);
    kit.line(this, nextLineName(), 5520, 2280, 6960, 2280);

    gelesen_ = kit.display(this, QStringLiteral("gelesen"), {240, 3000, 7935, 1335},
                           {"Antwort", "answer"}, true, QStringLiteral("Drücken Sie eine Taste!"));
    gelesen_->setWordWrap(true);
}

} // namespace zor
