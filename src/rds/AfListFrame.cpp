#include "rds/AfListFrame.h"

#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace zor {

AfListFrame AfListFrame::build(PageKit& kit, QWidget* page, const Names& names, TwipRect at) {
    const Spoken& about = names.about;
    const auto withWord = [&](const char* german, const char* english) {
        return Spoken{about.german + QLatin1String(german), about.english + QLatin1String(english)};
    };

    AfListFrame built;
    built.frame = kit.frame(page, names.frame, at, names.caption, about);
    built.tuned = kit.display(built.frame, names.tuned, {240, 360, 1095, 285},
                              withWord(" Abstimmfrequenz", " tuned frequency"), true);
    built.list = kit.list(built.frame, names.list, {240, 720, 1095, 1815},
                          withWord(" alternative Frequenzen", " alternative frequencies"));
    built.options = kit.optionGroup(names.options);
    for (int i = 0; i < 5; ++i)
        kit.option(built.options, i, built.frame, {1680, 720 + i * 360, 1300, 255},
                   QStringLiteral("Liste ") + QString::number(i + 1), withWord(" Liste", " list"));
    built.edit = kit.button(built.frame, names.edit, {240, 2640, 1095, 375},
                            QStringLiteral("bearbeiten"), about);
    built.send = kit.button(built.frame, names.send, {1800, 2640, 1095, 375},
                            QStringLiteral("senden"), about);
    return built;
}

} // namespace zor
