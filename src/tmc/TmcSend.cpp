#include "tmc/TmcSend.h"

namespace zor {

std::vector<TmcSendStep> tmcSendSteps(const QString& groupDisplay)
{
    const QString oda = QString::fromLatin1(kTmcOdaKey);
    return {
        {oda, QString::fromLatin1(kTmcOdaFirstText)},
        {QString::fromLatin1(kTmcGroupKey), QStringLiteral("08,") + groupDisplay},
        {oda, QString::fromLatin1(kTmcOdaSecondText)},
    };
}

} // namespace zor
