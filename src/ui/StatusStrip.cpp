#include "ui/StatusStrip.h"

#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"

#include <QLabel>

namespace zor {

namespace {

struct Column {
    StatusField heading;
    const char* headingText;
    StatusField value;
    const char* valueText;
    int left;
    int width;
    Spoken about;
};

using enum StatusField;

const Column kColumns[] = {
    {RfFrequencyHeading,
     "RF [MHz]",
     RfFrequency,
     "--",
     840,
     900,
     {"Status HF-Frequenz", "status RF frequency"}},
    {RfLevelHeading, "RF [dBµV]", RfLevel, "--", 1750, 850, {"Status HF-Pegel", "status RF level"}},
    {AudioFrequencyHeading,
     "AF [kHz]",
     AudioFrequency,
     "--",
     2610,
     850,
     {"Status NF-Frequenz", "status AF frequency"}},
    {PiHeading, "PI", Pi, "", 3450, 650, {"Status PI", "status PI"}},
    {PsHeading, "PS", Ps, "", 4095, 1165, {"Status PS", "status PS"}},
    {TpHeading, "TP", Tp, "", 5275, 550, {"Status TP", "status TP"}},
    {TaHeading, "TA", Ta, "TA", 5835, 550, {"Status TA", "status TA"}},
    {MusicSpeechHeading, "M / S", MusicSpeech, "", 6380, 840, {"Status M/S", "status M/S"}},
    {PtyHeading, "PTY", Pty, "", 7180, 1620, {"Status PTY", "status PTY"}},
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
            kit.label(this, PageKit::arrayName(QStringLiteral("Status"), int(column.heading)),
                      {column.left, kHeadingTop, column.width, kHeadingHeight},
                      QString::fromUtf8(column.headingText),
                      {QStringLiteral("Überschrift ") + column.about.german,
                       QStringLiteral("heading ") + column.about.english});
        heading->setFont(headingFont);
        paintGreen(heading);
        border(heading);
        Status_[int(column.heading)] = heading;

        DisplayLabel* value =
            kit.display(this, PageKit::arrayName(QStringLiteral("Status"), int(column.value)),
                        {column.left, kValueTop, column.width, kValueHeight}, column.about, true,
                        QString::fromUtf8(column.valueText));
        value->setFont(valueFont);
        Status_[int(column.value)] = value;
    }
}

QLabel* StatusStrip::Status(StatusField field) const {
    return Status_[int(field)];
}

void StatusStrip::showStatus(StatusField field, const QString& text) {
    Status(field)->setText(text);
}

void StatusStrip::showBuiltInText(StatusField field) {
    QLabel* label = Status(field);
    label->setText(designCaptionOf(label));
}

QString StatusStrip::statusText(StatusField field) const {
    return Status(field)->text();
}

} // namespace zor
