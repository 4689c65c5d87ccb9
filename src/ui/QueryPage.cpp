#include "ui/QueryPage.h"

#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "translate/Instrument.h"

#include <QLocale>
#include <QPushButton>

namespace zor {

namespace {

// "Freq ?" and "Pegel ?" keep their captions in every language.
const CaptionKey kCaptions[] = {
    captionOfOne("Command19", 121), captionOfOne("Command17", 122), captionOfOne("Command5", 123),
    captionOfOne("Command7", 124),  captionOfOne("Command8", 125),  captionOfOne("Command4", 126),
    captionOfOne("Command6", 127),  captionOfOne("Command21", 128), captionOfOne("Command20", 129),
    captionOfOne("Command9", 130),  captionOfOne("Command16", 131), captionOfOne("Command14", 132),
    captionOfOne("Command15", 133), captionOfOne("Command1", 134),  captionOfOne("Command11", 135),
    captionOfOne("Command12", 136), captionOfOne("Command13", 137), captionOfOne("Command18", 138),
    captionOfOne("gelesen", 139),
};

// Numbers in the answers are shown as the operator's locale writes them.
QChar decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

} // namespace

QueryPage::QueryPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("QueryPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    build(kit);
    for (const ReadBackButton query : readBackButtons())
        connect(findChild<QPushButton*>(buttonName(query)), &QPushButton::clicked, this,
                [this, query] { runQuery(query); });
}

std::span<const CaptionKey> QueryPage::captionTable() const {
    return kCaptions;
}

QPushButton* QueryPage::Command(int number) const {
    const auto found = commands_.find(number);
    return found == commands_.end() ? nullptr : found->second;
}

void QueryPage::Fragen_Schalter() {
    for (const auto& [number, button] : commands_)
        button->setEnabled(true);
}

void QueryPage::showAnswer(const QString& text) {
    gelesen_->setText(text);
}

void QueryPage::Command_Click(int number) {
    const QString name = QStringLiteral("Command") + QString::number(number);
    for (const ReadBackButton query : readBackButtons()) {
        if (buttonName(query) == name)
            runQuery(query);
    }
}

void QueryPage::runQuery(ReadBackButton button) {
    if (context().instrument.isDemo())
        return;
    gelesen_->setText(
        runReadBack(button, context().instrument, context().texts, decimalSeparator()));
}

} // namespace zor
