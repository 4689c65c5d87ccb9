#include "panel/PictureSwitch.h"

#include "panel/Pictures.h"
#include "settings/DataFolder.h"

#include <QFileInfo>
#include <QResizeEvent>

namespace zor {

namespace {

QIcon pictureFrom(const QString& folder, const char* name) {
    const QString path = fileIgnoringCase(DataFolder(folder).file(QLatin1String(name)));
    if (!QFileInfo(path).isFile())
        return {};
    QIcon icon(path);
    return icon.availableSizes().isEmpty() ? QIcon() : icon;
}

} // namespace

PictureSwitch::PictureSwitch(const QString& pictureFolder, QWidget* parent)
    : QPushButton(parent), on_(pictureFrom(pictureFolder, kSwitchOnPicture)),
      off_(pictureFrom(pictureFolder, kSwitchOffPicture)) {
    setCheckable(true);
    showPicture();
}

void PictureSwitch::showOn(bool on) {
    setChecked(on);
    showPicture();
}

// A click must not flip the state by itself: the handler decides, and may
// refuse (the EON TA switch does).
void PictureSwitch::nextCheckState() {}

void PictureSwitch::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    const int side = qMax(8, qMin(event->size().width(), event->size().height()) - 6);
    setIconSize(QSize(side, side));
}

void PictureSwitch::showPicture() {
    const QIcon& picture = isChecked() ? on_ : off_;
    setIcon(picture);
    setText(picture.isNull() ? (isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"))
                             : QString());
}

} // namespace zor
