// Rebuild vemparo.ico in this directory: g++ -std=c++20 -fPIC make-ico.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make-ico && /tmp/make-ico vemparo.ico vemparo-32-2.xpm vemparo-32-16.xpm vemparo-16-16.xpm

// The XPM files are the editable source of the icon; the .ico only exists for
// the Windows executable's resources. The format is written by hand so that the
// output depends on nothing but the pixels: a black-and-white image becomes a
// 1 bpp entry and anything else a 4 bpp entry on the classic 16-colour palette,
// so each image keeps the depth it was drawn for.

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Index 0 must stay black: transparent pixels are written as index 0 with the
// mask bit set, and the screen is XORed with that colour.
constexpr std::array<QRgb, 16> vgaPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

void put16(Bytes &out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes &out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t paddedRowBytes(int width, int bitsPerPixel)
{
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

bool isTransparent(QRgb pixel)
{
    // Anything half see-through goes into the mask; the XPMs only use 'None'.
    return qAlpha(pixel) < 128;
}

struct Entry {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    Bytes dib; // header, palette, colour bits and mask, as stored in the file
};

std::optional<std::vector<QRgb>> paletteFor(const QImage &image, std::string &error)
{
    std::vector<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isTransparent(pixel))
                continue;
            const QRgb rgb = pixel & 0xFFFFFF;
            if (std::find(colours.begin(), colours.end(), rgb) == colours.end())
                colours.push_back(rgb);
        }
    }

    // Black first so that transparent pixels (index 0) leave the screen alone.
    const std::vector<QRgb> blackAndWhite{0x000000, 0xFFFFFF};
    const bool monochrome = std::all_of(colours.begin(), colours.end(), [&](QRgb c) {
        return std::find(blackAndWhite.begin(), blackAndWhite.end(), c) != blackAndWhite.end();
    });
    if (monochrome)
        return blackAndWhite;

    for (QRgb c : colours) {
        if (std::find(vgaPalette.begin(), vgaPalette.end(), c) == vgaPalette.end()) {
            error = "colour " + QColor(c).name().toStdString() + " is not in the 16-colour palette";
            return std::nullopt;
        }
    }
    return std::vector<QRgb>(vgaPalette.begin(), vgaPalette.end());
}

std::optional<Entry> makeEntry(const QImage &source, std::string &error)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (image.width() > 255 || image.height() > 255) {
        error = "images larger than 255 pixels are not supported";
        return std::nullopt;
    }

    const auto palette = paletteFor(image, error);
    if (!palette)
        return std::nullopt;

    Entry entry;
    entry.width = image.width();
    entry.height = image.height();
    entry.bitsPerPixel = palette->size() == 2 ? 1 : 4;

    const std::uint32_t xorRow = paddedRowBytes(entry.width, entry.bitsPerPixel);
    const std::uint32_t andRow = paddedRowBytes(entry.width, 1);
    const auto rows = static_cast<std::uint32_t>(entry.height);

    Bytes &dib = entry.dib;
    put32(dib, 40);
    put32(dib, static_cast<std::uint32_t>(entry.width));
    put32(dib, 2 * rows); // colour bits and mask are stacked in one bitmap
    put16(dib, 1);
    put16(dib, static_cast<std::uint16_t>(entry.bitsPerPixel));
    put32(dib, 0); // uncompressed
    put32(dib, (xorRow + andRow) * rows);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);

    for (QRgb c : *palette) {
        dib.push_back(static_cast<std::uint8_t>(qBlue(c)));
        dib.push_back(static_cast<std::uint8_t>(qGreen(c)));
        dib.push_back(static_cast<std::uint8_t>(qRed(c)));
        dib.push_back(0);
    }

    const int pixelsPerByte = 8 / entry.bitsPerPixel;
    for (int y = entry.height - 1; y >= 0; --y) {
        Bytes row(xorRow, 0);
        for (int x = 0; x < entry.width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isTransparent(pixel))
                continue;
            const auto found = std::find(palette->begin(), palette->end(), pixel & 0xFFFFFF);
            const auto index = static_cast<unsigned>(found - palette->begin());
            // The leftmost pixel sits in the most significant bits.
            const int shift = (pixelsPerByte - 1 - x % pixelsPerByte) * entry.bitsPerPixel;
            row[static_cast<std::size_t>(x / pixelsPerByte)] |= static_cast<std::uint8_t>(index << shift);
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }

    for (int y = entry.height - 1; y >= 0; --y) {
        Bytes row(andRow, 0);
        for (int x = 0; x < entry.width; ++x) {
            if (isTransparent(image.pixel(x, y)))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }

    return entry;
}

Bytes iconFile(std::span<const Entry> entries)
{
    Bytes out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, static_cast<std::uint16_t>(entries.size()));

    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const Entry &e : entries) {
        out.push_back(static_cast<std::uint8_t>(e.width));
        out.push_back(static_cast<std::uint8_t>(e.height));
        out.push_back(static_cast<std::uint8_t>(1u << e.bitsPerPixel));
        out.push_back(0);
        put16(out, 1);
        put16(out, static_cast<std::uint16_t>(e.bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(e.dib.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(e.dib.size());
    }
    for (const Entry &e : entries)
        out.insert(out.end(), e.dib.begin(), e.dib.end());
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s output.ico image.xpm...\n", argv[0]);
        return 2;
    }

    std::vector<Entry> entries;
    for (int i = 2; i < argc; ++i) {
        const QImage image(QString::fromLocal8Bit(argv[i]));
        if (image.isNull()) {
            std::fprintf(stderr, "%s: cannot read the image\n", argv[i]);
            return 1;
        }
        std::string error;
        auto entry = makeEntry(image, error);
        if (!entry) {
            std::fprintf(stderr, "%s: %s\n", argv[i], error.c_str());
            return 1;
        }
        entries.push_back(std::move(*entry));
    }

    const Bytes bytes = iconFile(entries);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "%s: cannot write the icon\n", argv[1]);
        return 1;
    }
    return 0;
}
