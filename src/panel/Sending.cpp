#include "panel/Sending.h"

#include "link/LinkState.h"
#include "panel/PageContext.h"
#include "translate/InstrumentLink.h"

namespace zor {

void sendParameter(PageContext& context, const QString& key, QString value) {
    context.instrument.translator().Parameter_Senden(key, value, context.link.generatorDescriptor);
}

} // namespace zor
