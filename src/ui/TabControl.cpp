#include "ui/TabControl.h"

#include <QTabBar>

namespace zor {

namespace {

class SharedTabBar : public QTabBar {
  public:
    explicit SharedTabBar(QWidget* parent) : QTabBar(parent) {
        setElideMode(Qt::ElideRight);
        setUsesScrollButtons(false);
        setExpanding(false);
    }

  protected:
    // Each tab gets its caption's width and an equal share of the room left
    // over; when the captions do not fit together, all tabs are equally wide.
    QSize tabSizeHint(int index) const override {
        QSize hint = QTabBar::tabSizeHint(index);
        const QWidget* owner = parentWidget();
        if (!owner || count() == 0)
            return hint;
        int natural = 0;
        for (int i = 0; i < count(); ++i)
            natural += QTabBar::tabSizeHint(i).width();
        const int room = owner->width() - 2;
        if (natural > room)
            hint.setWidth(room / count());
        else
            hint.setWidth(hint.width() + (room - natural) / count());
        return hint;
    }

    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new SharedTabBar(this));
}

void TabControl::resizeEvent(QResizeEvent* event) {
    // The tab widths follow the control's width.
    tabBar()->updateGeometry();
    QTabWidget::resizeEvent(event);
}

} // namespace zor
