#include "panel/DataMode.h"

#include "panel/PageContext.h"
#include "panel/PageKit.h"
#include "translate/Instrument.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace zor {

namespace {

const QString kRdsModeCaption = QStringLiteral("&RDS_Mode");
const QString kTestModeCaption = QStringLiteral("&Test_Mode");

} // namespace

QString testPatternValue(int option) {
    return QString::number(option + 1);
}

DataModeStep dataModeStep(const QString& caption) {
    if (caption == kRdsModeCaption)
        return {QStringLiteral("1"), kTestModeCaption, true};
    return {QStringLiteral("0"), kRdsModeCaption, false};
}

DataMode::DataMode(PageContext& context, QPushButton* button, QButtonGroup* patterns,
                   QObject* parent)
    : QObject(parent), context_(context), button_(button), patterns_(patterns) {
    if (QRadioButton* first = optionAt(patterns_, 0))
        first->setChecked(true);
    connect(button_, &QAbstractButton::clicked, this, &DataMode::Taste_DATA_MODE_Click);
    connect(patterns_, &QButtonGroup::idClicked, this, &DataMode::TestDat_Opt_Click);
}

void DataMode::Taste_DATA_MODE_Click() {
    const DataModeStep step = dataModeStep(button_->text());
    context_.instrument.send(QStringLiteral("TEST_M"), step.value);
    button_->setText(step.caption);
    for (QAbstractButton* option : patterns_->buttons())
        option->setEnabled(step.patternsEnabled);
}

void DataMode::TestDat_Opt_Click(int option) {
    context_.instrument.send(QStringLiteral("TEST_D"), testPatternValue(option));
}

} // namespace zor
