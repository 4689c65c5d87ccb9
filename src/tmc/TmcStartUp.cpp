#include "tmc/TmcStartUp.h"

namespace zor {

namespace {

constexpr int kExtentEntryCount = 8;

void chooseEntry(const QStringList& entries, int index, void (TmcMessage::*set)(QStringView),
                 TmcMessage& message)
{
    if (index >= 0 && index < entries.size())
        (message.*set)(entries.at(index));
}

} // namespace

QStringList tmcExtentEntries()
{
    QStringList entries;
    for (int extent = 0; extent < kExtentEntryCount; ++extent)
        entries.append(QString::number(extent));
    return entries;
}

void applyTmcStart(TmcMessage& message, const QStringList& eventEntries,
                   const QStringList& locationEntries, bool tTicked)
{
    for (const TmcStartStep& step : kTmcStartSteps) {
        switch (step.action) {
        case TmcStartAction::ChooseExtent:
            chooseEntry(tmcExtentEntries(), step.value, &TmcMessage::setExtent, message);
            break;
        case TmcStartAction::ChooseFirstEvent:
            chooseEntry(eventEntries, step.value, &TmcMessage::setEvent, message);
            break;
        case TmcStartAction::ChooseFirstLocation:
            chooseEntry(locationEntries, step.value, &TmcMessage::setLocation, message);
            break;
        case TmcStartAction::ChooseDirection:
            message.setDirection(step.value);
            break;
        case TmcStartAction::TakeT:
            message.setT(tTicked);
            break;
        case TmcStartAction::TickF:
            message.setF(step.value != 0);
            break;
        case TmcStartAction::TakeDuration:
            message.takeDuration();
            break;
        case TmcStartAction::ClearDiversion:
            message.clearDiversion();
            break;
        }
    }
}

} // namespace zor
