#include "tmc/TmcMessage.h"

#include <numeric>

namespace zor {

namespace {

int weightOf(TmcDurationBox box)
{
    switch (box) {
    case TmcDurationBox::Dp1:
        return 1;
    case TmcDurationBox::Dp2:
        return 2;
    case TmcDurationBox::Dp3:
        return 4;
    }
    return 0;
}

std::size_t slotOf(TmcDurationBox box)
{
    return static_cast<std::size_t>(box);
}

} // namespace

void TmcMessage::setT(bool ticked)
{
    fields_.t = tmcFlagDigit(ticked);
}

void TmcMessage::setF(bool ticked)
{
    fields_.f = tmcFlagDigit(ticked);
}

void TmcMessage::setDurationBox(TmcDurationBox box, bool ticked)
{
    weights_[slotOf(box)] = ticked ? weightOf(box) : 0;
    takeDuration();
}

void TmcMessage::takeDuration()
{
    fields_.dp = tmcBitField(std::accumulate(weights_.begin(), weights_.end(), 0),
                             kTmcDurationDigits);
}

void TmcMessage::setDirection(int optionIndex)
{
    fields_.u = tmcDirectionDigit(optionIndex);
}

void TmcMessage::setExtent(QStringView extentEntry)
{
    fields_.extent = tmcExtentField(extentEntry);
}

void TmcMessage::setEvent(QStringView catalogueEntry)
{
    fields_.event = tmcEventField(catalogueEntry);
}

void TmcMessage::setLocation(QStringView catalogueEntry)
{
    fields_.local = tmcLocationField(catalogueEntry);
}

void TmcMessage::clearDiversion()
{
    fields_.d = QStringLiteral("0");
}

} // namespace zor
