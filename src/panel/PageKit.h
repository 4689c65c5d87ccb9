#pragma once

#include "panel/AccessibleNames.h"
#include "panel/Twips.h"

#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace zor {

class DisplayLabel;
class LimitedTextEdit;
class PictureSwitch;

// Builds the controls of one tab page (or of the window itself) at their
// places in twips, names them as the handlers address them ("FM_Hub_Scroll",
// option arrays as "FM_Source_Opt(2)"), records their design captions and
// says what each is about for the accessible names.
//
// Positions of controls placed directly on a tab page are given as on the
// tab control, whose tab strip takes the top `stripTwips`; positions inside
// a frame are relative to the frame.
class PageKit {
public:
    PageKit(QWidget* scope, QString pictureFolder, int stripTwips = 0);

    // The height of the tab strip above the page contents.
    static constexpr int kTabStripTwips = 420;

    // The name of element `index` of the control array `array`: "Status(17)".
    static QString arrayName(const QString& array, int index);

    QGroupBox* frame(QWidget* parent, const QString& name, TwipRect at, const QString& caption,
                     const Spoken& about = {});
    QLabel* label(QWidget* parent, const QString& name, TwipRect at, const QString& caption,
                  const Spoken& about = {});
    DisplayLabel* display(QWidget* parent, const QString& name, TwipRect at, const Spoken& about,
                          bool bordered = false, const QString& designText = {});
    QPushButton* button(QWidget* parent, const QString& name, TwipRect at, const QString& caption,
                        const Spoken& about = {});
    // A picture switch, 480 x 480 unless `at` gives a size.
    PictureSwitch* pictureSwitch(QWidget* parent, const QString& name, TwipRect at,
                                 const Spoken& about);
    // A step control: a scroll bar whose arrows move the position by `step`,
    // as does a click beside them.
    QScrollBar* stepControl(QWidget* parent, const QString& name, TwipRect at, int minimum,
                            int maximum, int step, const Spoken& about);
    // The group of an option array, named after the array; its ids are the
    // array indices.
    QButtonGroup* optionGroup(const QString& array);
    QRadioButton* option(QButtonGroup* group, int index, QWidget* parent, TwipRect at,
                         const QString& caption, const Spoken& about = {});
    QCheckBox* checkBox(QWidget* parent, const QString& name, TwipRect at, const QString& caption,
                        const Spoken& about = {});
    // A drop-down field: editable text with a list; typing never adds entries.
    QComboBox* dropDown(QWidget* parent, const QString& name, TwipRect at, const Spoken& about);
    // A single-line text field; the operator types at most `maxLength`
    // characters into it (0: any number), a stored text is shown whole.
    QLineEdit* textField(QWidget* parent, const QString& name, TwipRect at, const Spoken& about,
                         int maxLength = 0);
    LimitedTextEdit* multiLineText(QWidget* parent, const QString& name, TwipRect at, int maxLength,
                                   const Spoken& about);
    QListWidget* list(QWidget* parent, const QString& name, TwipRect at, const Spoken& about);
    // A picture from the data folder; `stretched` scales it to the control.
    QLabel* picture(QWidget* parent, const QString& name, TwipRect at, const QString& file,
                    const Spoken& about, bool stretched = false);
    // A thin separator from one point to another along one axis.
    QFrame* line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2);
    // A timer owned by the scope, running from the start when `enabled`.
    QTimer* timer(const QString& name, int intervalMs, bool enabled);

private:
    void place(QWidget* control, QWidget* parent, const QString& name, TwipRect at);
    void announce(QWidget* control, const Spoken& about);

    QWidget* scope_;
    QString pictureFolder_;
    int stripTwips_;
};

// Turns a vertical step control round: the upper arrow (and the Up key, and
// a click above the handle) raise the position, and the handle stands higher
// the larger the position.
void raiseTowardsTop(QScrollBar* step);

// Option `index` of an option array's group; null when there is none.
QRadioButton* optionAt(const QButtonGroup* group, int index);

// Sets a timer's interval the way the window's timers are driven: 0 stops the
// timer, any other interval (re)starts it.
void setTimerInterval(QTimer* timer, int intervalMs);

} // namespace zor
