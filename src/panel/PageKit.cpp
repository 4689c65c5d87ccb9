#include "panel/PageKit.h"

#include "panel/ControlText.h"
#include "panel/DeliberateInput.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PictureSwitch.h"
#include "panel/SwitchAccessible.h"
#include "panel/TypedLength.h"
#include "settings/DataFolder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

namespace zor {

namespace {

constexpr int kSwitchTwips = 480;
constexpr int kLineTwips = 15;

// Frames carry their caption on the frame line, so controls placed in a
// frame stand clear of it; the classic style draws them that way.
QStyle* frameStyle() {
    static QStyle* const style = [] {
        QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
        if (classic)
            classic->setParent(QCoreApplication::instance());
        return classic;
    }();
    return style;
}

} // namespace

PageKit::PageKit(QWidget* scope, QString pictureFolder, int stripTwips)
    : scope_(scope), pictureFolder_(std::move(pictureFolder)), stripTwips_(stripTwips) {
    markNameScope(scope_);
    installSwitchAccessible();
}

QString PageKit::arrayName(const QString& array, int index) {
    return array + u'(' + QString::number(index) + u')';
}

void PageKit::place(QWidget* control, QWidget* parent, const QString& name, TwipRect at) {
    if (parent == scope_)
        at.top -= stripTwips_;
    control->setObjectName(name);
    control->setGeometry(twipsToPixels(at));
}

void PageKit::announce(QWidget* control, const Spoken& about) {
    setSpokenContext(control, about);
    rememberDesignCaption(control);
}

QGroupBox* PageKit::frame(QWidget* parent, const QString& name, TwipRect at, const QString& caption,
                          const Spoken& about) {
    auto* frame = new QGroupBox(caption, parent);
    if (QStyle* classic = frameStyle())
        frame->setStyle(classic);
    place(frame, parent, name, at);
    announce(frame, about);
    return frame;
}

QLabel* PageKit::label(QWidget* parent, const QString& name, TwipRect at, const QString& caption,
                       const Spoken& about) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(label, parent, name, at);
    announce(label, about);
    return label;
}

DisplayLabel* PageKit::display(QWidget* parent, const QString& name, TwipRect at,
                               const Spoken& about, bool bordered, const QString& designText) {
    auto* display = new DisplayLabel(parent);
    display->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    display->setBordered(bordered);
    display->setText(designText);
    place(display, parent, name, at);
    announce(display, about);
    return display;
}

QPushButton* PageKit::button(QWidget* parent, const QString& name, TwipRect at,
                             const QString& caption, const Spoken& about) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    place(button, parent, name, at);
    announce(button, about);
    return button;
}

PictureSwitch* PageKit::pictureSwitch(QWidget* parent, const QString& name, TwipRect at,
                                      const Spoken& about) {
    if (at.width == 0)
        at.width = kSwitchTwips;
    if (at.height == 0)
        at.height = kSwitchTwips;
    auto* picture = new PictureSwitch(pictureFolder_, parent);
    place(picture, parent, name, at);
    setSpokenContext(picture, about);
    return picture;
}

QScrollBar* PageKit::stepControl(QWidget* parent, const QString& name, TwipRect at, int minimum,
                                 int maximum, int step, const Spoken& about) {
    const auto orientation = at.width >= at.height ? Qt::Horizontal : Qt::Vertical;
    auto* scroll = new QScrollBar(orientation, parent);
    scroll->setRange(minimum, maximum);
    scroll->setSingleStep(step);
    scroll->setPageStep(step);
    scroll->setFocusPolicy(Qt::StrongFocus);
    takeOnlyDeliberateSteps(scroll);
    place(scroll, parent, name, at);
    setSpokenContext(scroll, about);
    return scroll;
}

QButtonGroup* PageKit::optionGroup(const QString& array) {
    auto* group = new QButtonGroup(scope_);
    group->setObjectName(array);
    group->setExclusive(true);
    return group;
}

QRadioButton* PageKit::option(QButtonGroup* group, int index, QWidget* parent, TwipRect at,
                              const QString& caption, const Spoken& about) {
    auto* option = new QRadioButton(caption, parent);
    group->addButton(option, index);
    place(option, parent, arrayName(group->objectName(), index), at);
    announce(option, about);
    return option;
}

QCheckBox* PageKit::checkBox(QWidget* parent, const QString& name, TwipRect at,
                             const QString& caption, const Spoken& about) {
    auto* box = new QCheckBox(caption, parent);
    place(box, parent, name, at);
    announce(box, about);
    return box;
}

QComboBox* PageKit::dropDown(QWidget* parent, const QString& name, TwipRect at,
                             const Spoken& about) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    takeOnlyDeliberatePicks(combo);
    place(combo, parent, name, at);
    setSpokenContext(combo, about);
    return combo;
}

QLineEdit* PageKit::textField(QWidget* parent, const QString& name, TwipRect at,
                              const Spoken& about, int maxLength) {
    auto* field = new QLineEdit(parent);
    if (maxLength > 0)
        field->setValidator(new TypedLength(maxLength, field));
    place(field, parent, name, at);
    setSpokenContext(field, about);
    return field;
}

LimitedTextEdit* PageKit::multiLineText(QWidget* parent, const QString& name, TwipRect at,
                                        int maxLength, const Spoken& about) {
    auto* field = new LimitedTextEdit(maxLength, parent);
    field->setTabChangesFocus(true);
    place(field, parent, name, at);
    setSpokenContext(field, about);
    return field;
}

QListWidget* PageKit::list(QWidget* parent, const QString& name, TwipRect at, const Spoken& about) {
    auto* list = new QListWidget(parent);
    place(list, parent, name, at);
    setSpokenContext(list, about);
    return list;
}

QLabel* PageKit::picture(QWidget* parent, const QString& name, TwipRect at, const QString& file,
                         const Spoken& about, bool stretched) {
    auto* picture = new QLabel(parent);
    const QString path = fileIgnoringCase(DataFolder(pictureFolder_).file(file));
    if (QFileInfo(path).isFile())
        picture->setPixmap(QPixmap(path));
    picture->setScaledContents(stretched);
    picture->setAlignment(Qt::AlignCenter);
    place(picture, parent, name, at);
    setSpokenContext(picture, about);
    return picture;
}

QFrame* PageKit::line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2) {
    auto* line = new QFrame(parent);
    const bool vertical = x1 == x2;
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const TwipRect at =
        vertical ? TwipRect{x1, y1, kLineTwips, y2 - y1} : TwipRect{x1, y1, x2 - x1, kLineTwips};
    place(line, parent, name, at);
    return line;
}

QTimer* PageKit::timer(const QString& name, int intervalMs, bool enabled) {
    auto* timer = new QTimer(scope_);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    if (enabled)
        timer->start();
    return timer;
}

void raiseTowardsTop(QScrollBar* step) {
    step->setInvertedAppearance(true);
    // The action has moved the slider position but not yet the value, so the
    // step can still be mirrored here.
    QObject::connect(step, &QAbstractSlider::actionTriggered, step, [step](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            step->setSliderPosition(step->value() + step->singleStep());
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            step->setSliderPosition(step->value() - step->singleStep());
            break;
        case QAbstractSlider::SliderPageStepSub:
            step->setSliderPosition(step->value() + step->pageStep());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            step->setSliderPosition(step->value() - step->pageStep());
            break;
        default:
            break;
        }
    });
}

QRadioButton* optionAt(const QButtonGroup* group, int index) {
    return qobject_cast<QRadioButton*>(group->button(index));
}

void setTimerInterval(QTimer* timer, int intervalMs) {
    if (intervalMs <= 0) {
        timer->stop();
        return;
    }
    timer->start(intervalMs);
}

} // namespace zor
