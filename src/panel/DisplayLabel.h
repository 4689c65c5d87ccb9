#pragma once

#include <QLabel>

namespace zor {

// A label that shows a value (a deviation, a status field, a frequency). A
// listener hears what it is about followed by the value it shows. A value
// taken from a caption shows without its accelerator mark ("Spra&che" is
// shown as "Sprache"), while text() keeps what was set. Some
// displays are also operated: a click or a double-click opens an entry; they
// then take the keyboard focus and Enter or Space acts like the mouse.
class DisplayLabel : public QLabel {
    Q_OBJECT

  public:
    enum class Action { None, Click, DoubleClick };

    explicit DisplayLabel(QWidget* parent = nullptr);

    // Which mouse action the display reacts to.
    void setAction(Action action);
    Action action() const { return action_; }

    // A single-line border and centred text.
    void setBordered(bool bordered);

    // Performs the display's action as the mouse or the keyboard would.
    void trigger();

    // The font the value is drawn in: the label's own, made smaller where a
    // single-line value would not fit whole.
    QFont shownFont() const;

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Action action_ = Action::None;
};

} // namespace zor
