#include "rds/AfListFrame.h"

#include "panel/DisplayLabel.h"
#include "panel/PageContext.h"
#include "panel/PageKit.h"
#include "translate/Instrument.h"
#include "rds/AfLists.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

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

void AfListFrame::showStored(const DataFolder& data, const QString& kind, int number) const {
    AF_Liste_Anzeigen(tuned, list, storedAfLists(data, kind)[number - 1]);
}

void AfListFrame::restore(const DataFolder& data, const QString& kind) const {
    enableStoredAfLists(data, kind, options);
    options->button(0)->setChecked(true);
    showStored(data, kind, 1);
}

void AF_Liste_Anzeigen(QLabel* tuned, QListWidget* list, const QString& listText) {
    const AfListFields fields = splitAfList(listText);
    list->clear();
    tuned->setText(fields.tuned);
    list->addItems(fields.alternatives);
}

void enableStoredAfLists(const DataFolder& data, const QString& kind, QButtonGroup* options) {
    const StoredAfLists stored = storedAfLists(data, kind);
    for (int i = 0; i < kAfListCount; ++i)
        options->button(i)->setEnabled(!stored[i].isEmpty());
}

void sendStoredAfLists(PageContext& context, const QString& kind) {
    for (const SendStep& step : afSendPlan(storedAfLists(context.data, kind), kind))
        context.instrument.send(step.key, step.value);
}

} // namespace zor
