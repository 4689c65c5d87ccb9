#pragma once

#include <QIcon>
#include <QPushButton>

namespace zor {

// An on/off setting shown as a picture: "Sch_On.ico" or "Sch_Off.ico" from
// the data folder, or the words "ON" and "OFF" where a picture file is
// missing. The setting itself lives in its handler's flag or value text; a
// click only reports itself, and the handler shows the new state with
// showOn(). The checked state follows the picture, so a screen reader hears
// whether the switch is on.
class PictureSwitch : public QPushButton {
    Q_OBJECT

  public:
    explicit PictureSwitch(const QString& pictureFolder, QWidget* parent = nullptr);

    void showOn(bool on);
    bool showsOn() const { return isChecked(); }

  protected:
    void nextCheckState() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showPicture();

    QIcon on_;
    QIcon off_;
};

} // namespace zor
