#include "ui/StatusStrip.h"

#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"

#include <QLabel>

namespace zor {

namespace {

struct Column {
    int heading;
    const char* headingText;
    int value;
    const char* valueText;
    int left;
    int width;
    Spoken about;
};

const Column kColumns[] = {
    {16, "RF [MHz]", 17, "--", 840, 900, {"Status HF-Frequenz", "status RF frequency"}},
    {12, "RF [dBµV]", 13, "--", 1750, 850, {"Status HF-Pegel", "status RF level"}},
    {15, "AF [kHz]", 14, "--", 2610, 850, {"Status NF-Frequenz", "status AF frequency"}},
    {7, "PI", 2, "", 3450, 650, {"Status PI", "status PI"}},
    {6, "PS", 3, "", 4095, 1165, {"Status PS", "status PS"}},
    {11, "TP", 10, "", 5275, 550, {"Status TP", "status TP"}},
    {9, "TA", 0, "TA", 5835, 550, {"Status TA", "status TA"}},
    {8, "M / S", 1, "", 6380, 840, {"Status M/S", "status M/S"}},
    {5, "PTY", 4, "", 7180, 1620, {"Status PTY", "status PTY"}},
};

constexpr int kHeadingTop = 0;
constexpr int kHeadingHeight = 255;
constexpr int kValueTop = 240;
constexpr int kValueHeight = 345;

void paintGreen(QLabel* label) {
    QPalette green = label->palette();
    green.setColor(QPalette::Window, QColor(0, 192, 0));
    label->setPalette(green);
    label->setAutoFillBackground(true);
}

void border(QLabel* label) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
}

} // namespace

StatusStrip::StatusStrip(const QString& pictureFolder, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusStrip"));
    PageKit kit(this, pictureFolder);
    const QFont headingFont = designFont(FontFace::Sans, 8.25);
    const QFont valueFont = designFont(FontFace::Sans, 9);

    Gen1_Label_ = kit.label(this, QStringLiteral("Gen1_Label"), {0, kValueTop, 855, kValueHeight},
                            QStringLiteral("Status :"), {"Status", "status"});
    Gen1_Label_->setFont(designFont(FontFace::Sans, 8.25, true));
    paintGreen(Gen1_Label_);
    border(Gen1_Label_);

    for (const Column& column : kColumns) {
        QLabel* heading =
            kit.label(this, PageKit::arrayName(QStringLiteral("Status"), column.heading),
                      {column.left, kHeadingTop, column.width, kHeadingHeight},
                      QString::fromUtf8(column.headingText),
                      {QStringLiteral("Überschrift ") + column.about.german,
                       QStringLiteral("heading ") + column.about.english});
        heading->setFont(headingFont);
        paintGreen(heading);
        border(heading);
        Status_[column.heading] = heading;

        DisplayLabel* value =
            kit.display(this, PageKit::arrayName(QStringLiteral("Status"), column.value),
                        {column.left, kValueTop, column.width, kValueHeight}, column.about, true,
                        QString::fromUtf8(column.valueText));
        value->setFont(valueFont);
        Status_[column.value] = value;
    }
}

QLabel* StatusStrip::Status(int index) const {
    return index >= 0 && index < kLabels ? Status_[index] : nullptr;
}

void StatusStrip::showStatus(int index, const QString& text) {
    if (QLabel* label = Status(index))
        label->setText(text);
}

QString StatusStrip::statusText(int index) const {
    const QLabel* label = Status(index);
    return label ? label->text() : QString();
}

} // namespace zor
