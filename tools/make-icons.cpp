// Draws the program's own pictures and writes them into the data folder
// named on the command line:
//   Sch_On.ico, Sch_Off.ico  the picture switch, on and off (32 x 32)
//   ZorRds.ico               the window icon (48 x 48)
//   Logo.png                 the logo of the bottom bar (stretched there)
//   Uhr.png                  the clock beside the clock-time switch
//
//   zor-make-icons <data folder>
//
// and the desktop's application icon, the window icon at any size:
//
//   zor-make-icons --app-icon <size> <file.png>

#include "panel/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

namespace {

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A slide switch: the knob at the right on a green track with the "on" mark
// (a bar), at the left on a dark track with the "off" mark (a ring), so the
// state reads without colour too.
QImage switchPicture(bool on) {
    QImage image = blank(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(2, 8, 28, 16);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(on ? QColor(30, 170, 60) : QColor(110, 110, 110));
    painter.drawRoundedRect(track, 8, 8);

    const QPointF knobCentre(on ? 22 : 10, 16);
    QRadialGradient shine(knobCentre - QPointF(2, 2), 8);
    shine.setColorAt(0, Qt::white);
    shine.setColorAt(1, QColor(200, 200, 200));
    painter.setBrush(shine);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.drawEllipse(knobCentre, 6.5, 6.5);

    const QPointF markCentre(on ? 10 : 22, 16);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    if (on)
        painter.drawLine(markCentre + QPointF(0, -4), markCentre + QPointF(0, 4));
    else
        painter.drawEllipse(markCentre, 3.5, 3.5);
    return image;
}

void drawWaves(QPainter& painter, const QRectF& area, const QColor& colour, qreal width) {
    QPainterPath wave;
    const int steps = 64;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = area.left() + area.width() * i / steps;
        const qreal y = area.center().y() - area.height() / 2 * qSin(i * 2.0 * M_PI * 2 / steps);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}

// A transmitter mast sending waves over a dark panel: the generator at work.
// Drawn on a 48-pixel grid and scaled, so every size stays sharp.
QImage windowIcon(int size = 48) {
    QImage image = blank(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    QLinearGradient panel(0, 0, 0, 48);
    panel.setColorAt(0, QColor(40, 70, 120));
    panel.setColorAt(1, QColor(15, 30, 60));
    painter.setPen(QPen(QColor(10, 20, 40), 1.5));
    painter.setBrush(panel);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 8, 8);

    painter.setPen(QPen(QColor(230, 230, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(24, 18), QPointF(16, 40));
    painter.drawLine(QPointF(24, 18), QPointF(32, 40));
    painter.drawLine(QPointF(19.5, 31), QPointF(28.5, 31));
    painter.setBrush(QColor(255, 200, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(24, 16), 3.5, 3.5);

    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 2; ++ring) {
        const qreal radius = 6.0 + ring * 5.0;
        painter.setPen(QPen(QColor(120, 220, 140), 2, Qt::SolidLine, Qt::RoundCap));
        const QRectF bounds(24 - radius, 16 - radius, 2 * radius, 2 * radius);
        painter.drawArc(bounds, 30 * 16, 60 * 16);
        painter.drawArc(bounds, 90 * 16, 60 * 16);
    }
    return image;
}

// "ZOR-RDS" over a modulated carrier; drawn large, shown stretched.
QImage logo() {
    QImage image = blank(246, 84);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient panel(0, 0, 0, 84);
    panel.setColorAt(0, QColor(40, 70, 120));
    panel.setColorAt(1, QColor(15, 30, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(panel);
    painter.drawRoundedRect(QRectF(0, 0, 246, 84), 10, 10);

    drawWaves(painter, QRectF(12, 56, 222, 16), QColor(120, 220, 140), 3);

    QFont face(QStringLiteral("DejaVu Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setBold(true);
    face.setPixelSize(38);
    painter.setFont(face);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 4, 246, 52), Qt::AlignCenter, QStringLiteral("ZOR-RDS"));
    return image;
}

// A wall clock at ten past ten.
QImage clockPicture() {
    QImage image = blank(28, 28);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(14, 14);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 12, 12);
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    for (int hour = 0; hour < 12; ++hour) {
        const qreal angle = hour * M_PI / 6;
        const QPointF direction(qSin(angle), -qCos(angle));
        painter.drawLine(centre + direction * 9.5, centre + direction * 11);
    }
    const auto hand = [&](qreal turns, qreal length, qreal width, const QColor& colour) {
        const qreal angle = turns * 2 * M_PI;
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, centre + QPointF(qSin(angle), -qCos(angle)) * length);
    };
    hand(10.17 / 12, 6, 2.2, QColor(40, 40, 40));
    hand(10.0 / 60, 9, 1.6, QColor(40, 40, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(centre, 1.5, 1.5);
    return image;
}

bool write(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QLatin1String(name));
    if (image.save(path))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--app-icon")) {
        bool ok = false;
        const int size = arguments.at(2).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            QTextStream(stderr) << "the icon size is 16 to 1024 pixels, not " << arguments.at(2) << '\n';
            return 2;
        }
        const QFileInfo file(arguments.at(3));
        return write(windowIcon(size), file.dir(), qPrintable(file.fileName())) ? 0 : 1;
    }
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: zor-make-icons <data folder>\n"
                               "       zor-make-icons --app-icon <size> <file.png>\n";
        return 2;
    }
    const QDir folder(app.arguments().at(1));
    if (!folder.exists()) {
        QTextStream(stderr) << "no such folder: " << folder.path() << '\n';
        return 1;
    }
    bool written = write(switchPicture(true), folder, zor::kSwitchOnPicture);
    written = write(switchPicture(false), folder, zor::kSwitchOffPicture) && written;
    written = write(windowIcon(), folder, zor::kWindowIconPicture) && written;
    written = write(logo(), folder, zor::kLogoPicture) && written;
    written = write(clockPicture(), folder, zor::kClockPicture) && written;
    return written ? 0 : 1;
}
