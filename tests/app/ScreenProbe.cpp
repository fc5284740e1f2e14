// screen_probe: what a person would see on the X screen, for the test under Xvfb.
//
//   screen_probe grab OUT.png [X Y W H]              the screen (or a part of it) as a PNG
//   screen_probe changed BEFORE.png AFTER.png X Y W H   pixels of the rectangle that differ
//   screen_probe newblack BEFORE.png AFTER.png X Y W H  pixels black in AFTER only
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstring>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: screen_probe grab OUT.png [X Y W H]\n"
                 "       screen_probe changed|newblack BEFORE.png AFTER.png X Y W H\n");
    return 2;
}

QRect RectArgs(char** argv) {
    return {QString::fromLocal8Bit(argv[0]).toInt(), QString::fromLocal8Bit(argv[1]).toInt(),
            QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Usage();
    }
    QGuiApplication application(argc, argv);
    const char* command = argv[1];
    if (std::strcmp(command, "grab") == 0) {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) {
            std::fprintf(stderr, "screen_probe: no screen\n");
            return 1;
        }
        const QRect part = argc >= 7 ? RectArgs(argv + 3) : QRect(0, 0, -1, -1);
        const QPixmap shot = screen->grabWindow(0, part.x(), part.y(), part.width(), part.height());
        return shot.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    }
    const bool changed = std::strcmp(command, "changed") == 0;
    if ((!changed && std::strcmp(command, "newblack") != 0) || argc < 8) {
        return Usage();
    }
    const QImage before =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    const QImage after =
        QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_RGB32);
    if (before.isNull() || after.isNull() || before.size() != after.size()) {
        std::fprintf(stderr, "screen_probe: two pictures of one size are needed\n");
        return 1;
    }
    const QRect area = RectArgs(argv + 4).intersected(after.rect());
    long count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = before.pixel(x, y);
            const QRgb b = after.pixel(x, y);
            count += changed ? a != b : (qGray(b) == 0 && qGray(a) != 0);
        }
    }
    std::printf("%ld\n", count);
    return 0;
}
