#include "ui/QueryPage.h"

#include "translate/Instrument.h"
#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"

#include <QLocale>
#include <QPushButton>

namespace zor {

namespace {

struct QueryButton {
    int number;
    int left;
    int top;
    const char* caption;
};

// In the order of their language captions; the last two keep theirs.
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

// Numbers in the answers are shown as the operator's locale writes them.
QChar decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

} // namespace

QueryPage::QueryPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("QueryPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);

    for (const QueryButton& query : kButtons) {
        QPushButton* button =
            kit.button(this, QStringLiteral("Command") + QString::number(query.number),
                       {query.left, query.top, 1095, 375}, QString::fromUtf8(query.caption),
                       {"Abfrage", "query"});
        commands_[query.number] = button;
        ordered_.push_back(button);
    }

    int line = 0;
    const auto nextLineName = [&line] { return QStringLiteral("Line") + QString::number(++line); };
    for (const int left : {1440, 4080, 5520, 6960})
        kit.line(this, nextLineName(), left, 600, left, 2760);
    kit.line(this, nextLineName(), 240, 2280, 1440, 2280);
    kit.line(this, nextLineName(), 5520, 2280, 6960, 2280);

    gelesen_ = kit.display(this, QStringLiteral("gelesen"), {240, 3000, 7935, 1335},
                           {"Antwort", "answer"}, true, QStringLiteral("Drücken Sie eine Taste!"));
    gelesen_->setWordWrap(true);

    for (const ReadBackButton query : readBackButtons())
        connect(findChild<QPushButton*>(buttonName(query)), &QPushButton::clicked, this,
                [this, query] { runQuery(query); });
}

QPushButton* QueryPage::Command(int number) const {
    const auto found = commands_.find(number);
    return found == commands_.end() ? nullptr : found->second;
}

void QueryPage::Fragen_Schalter() {
    for (QPushButton* button : ordered_)
        button->setEnabled(true);
}

void QueryPage::Command_Click(int number) {
    const QString name = QStringLiteral("Command") + QString::number(number);
    for (const ReadBackButton query : readBackButtons()) {
        if (buttonName(query) == name)
            runQuery(query);
    }
}

void QueryPage::runQuery(ReadBackButton button) {
    if (context_.instrument.isDemo())
        return;
    gelesen_->setText(
        runReadBack(button, context_.instrument, context_.texts, decimalSeparator()));
}

} // namespace zor
