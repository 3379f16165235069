// Writes one of the icon's XPM sources as the PNG that desktop icon themes
// expect: xpmtopng SOURCE.xpm TARGET.png. The XPMs stay the only editable
// copy of the pictures, so the build makes the PNGs rather than keeping them.

#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.xpm TARGET.png\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read the image\n", argv[1]);
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write the image\n", argv[2]);
        return 1;
    }
    return 0;
}
