#include "rds/AfListPage.h"

#include "panel/PageKit.h"

namespace zor {

AfListPage::AfListPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("AfListPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    af_ = AfListFrame::build(kit, this,
                             {QStringLiteral("Frame2"),
                              QStringLiteral("AF_TN"),
                              QStringLiteral("AF_List1"),
                              QStringLiteral("AFList_Opt"),
                              QStringLiteral("AF_Bearbeiten"),
                              QStringLiteral("Taste_AF_Senden"),
                              QStringLiteral("alternative Frequenzen"),
                              {"AF", "AF"}},
                             {4800, 840, 3135, 3150});
}

QRadioButton* AfListPage::AFList_Opt(int index) const {
    return optionAt(af_.options, index);
}

} // namespace zor
