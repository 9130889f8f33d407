// Draws the application's SVG icon into a square PNG for the icon theme's
// fixed-size folders, with the same SVG renderer the windows use, so the
// menus show the picture the title bar shows.
//   parlora-render-icon ICON.svg SIZE OUTPUT.png

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {
constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;
// The icon theme's folders go from 16 to 512 pixels.
constexpr int SmallestSize = 16;
constexpr int LargestSize = 512;
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: parlora-render-icon ICON.svg SIZE OUTPUT.png\n", stderr);
        return ExitUsage;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < SmallestSize || size > LargestSize) {
        std::fprintf(stderr, "parlora-render-icon: the size must be %d to %d pixels, not %s\n", SmallestSize,
                     LargestSize, argv[2]);
        return ExitUsage;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "parlora-render-icon: %s is no readable SVG file\n", argv[1]);
        return ExitFailure;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "parlora-render-icon: %s cannot be written\n", argv[3]);
        return ExitFailure;
    }
    return 0;
}
