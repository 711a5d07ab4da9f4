// Draws the game's pictures and writes them in the formats the window
// expects: ICO files with 256- or 16-colour images, and an animated GIF89a.
// Run: make-pictures <folder>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {
using Palette = std::vector<QRgb>;
using Bytes = std::vector<unsigned char>;
using Draw = std::function<void(QPainter &, int size)>;

Palette vgaPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The 16 VGA colours, a 6x6x6 colour cube and 24 greys.
Palette fullPalette()
{
    Palette p = vgaPalette();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; i < 24; ++i)
        p.push_back(qRgb(8 + i * 10, 8 + i * 10, 8 + i * 10));
    return p;
}

int nearest(const Palette &palette, QRgb c, int skip = -1)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(palette.size()); ++i) {
        if (i == skip)
            continue;
        const long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                   db = qBlue(c) - qBlue(palette[i]);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QImage render(const Draw &draw, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    draw(p, std::min(width, height));
    return image;
}

void put16(Bytes &out, unsigned v)
{
    out.push_back(v & 0xff);
    out.push_back(v >> 8 & 0xff);
}

void put32(Bytes &out, unsigned v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// One icon image: header, palette, colour bits bottom-up, then the mask.
Bytes iconImage(const QImage &image, const Palette &palette, int bits)
{
    const int w = image.width(), h = image.height();
    const int xorStride = (w * bits + 31) / 32 * 4;
    const int andStride = (w + 31) / 32 * 4;
    Bytes out;
    put32(out, 40);
    put32(out, w);
    put32(out, h * 2);
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);
    put32(out, (xorStride + andStride) * h);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < int(palette.size()) ? palette[i] : 0;
        out.push_back(qBlue(c));
        out.push_back(qGreen(c));
        out.push_back(qRed(c));
        out.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(xorStride, 0);
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            const int index = qAlpha(c) < 128 ? 0 : nearest(palette, c);
            if (bits == 8)
                row[x] = index;
            else
                row[x / 2] |= x % 2 ? index : index << 4;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(andStride, 0);
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes icon(const Draw &draw, const std::vector<int> &sizes, int bits)
{
    const Palette palette = bits == 8 ? fullPalette() : vgaPalette();
    std::vector<Bytes> images;
    for (int size : sizes)
        images.push_back(iconImage(render(draw, size, size), palette, bits));
    Bytes out;
    put16(out, 0);
    put16(out, 1);
    put16(out, images.size());
    unsigned offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(sizes[i]);
        out.push_back(sizes[i]);
        out.push_back(bits == 8 ? 0 : 16);
        out.push_back(0);
        put16(out, 1);
        put16(out, bits);
        put32(out, images[i].size());
        put32(out, offset);
        offset += images[i].size();
    }
    for (const Bytes &image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

// GIF's variable-length LZW, codes packed from the low bit up.
Bytes lzw(const std::vector<int> &pixels, int minCodeSize)
{
    Bytes packed;
    unsigned long buffer = 0;
    int bitCount = 0;
    int codeSize = minCodeSize + 1;
    const int clear = 1 << minCodeSize, end = clear + 1;
    auto write = [&](int code) {
        buffer |= static_cast<unsigned long>(code) << bitCount;
        bitCount += codeSize;
        while (bitCount >= 8) {
            packed.push_back(buffer & 0xff);
            buffer >>= 8;
            bitCount -= 8;
        }
    };
    std::map<std::pair<int, int>, int> dictionary;
    int last = end;
    write(clear);
    int prefix = pixels.front();
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const auto key = std::make_pair(prefix, pixels[i]);
        if (const auto found = dictionary.find(key); found != dictionary.end()) {
            prefix = found->second;
            continue;
        }
        write(prefix);
        dictionary[key] = ++last;
        if (last >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (last == 4095) {
            write(clear);
            dictionary.clear();
            codeSize = minCodeSize + 1;
            last = end;
        }
        prefix = pixels[i];
    }
    write(prefix);
    write(end);
    if (bitCount > 0)
        packed.push_back(buffer & 0xff);

    Bytes blocks{static_cast<unsigned char>(minCodeSize)};
    for (std::size_t i = 0; i < packed.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - i);
        blocks.push_back(n);
        blocks.insert(blocks.end(), packed.begin() + i, packed.begin() + i + n);
    }
    blocks.push_back(0);
    return blocks;
}

constexpr int backgroundIndex = 128;

Bytes animatedGif(const std::vector<QImage> &frames)
{
    Palette palette = fullPalette();
    palette[backgroundIndex] = qRgb(192, 192, 192);
    const int w = frames.front().width(), h = frames.front().height();
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    put16(out, w);
    put16(out, h);
    out.push_back(0xF7);   // global table of 256 colours, 8 bits each
    out.push_back(backgroundIndex);
    out.push_back(0);
    for (QRgb c : palette) {
        out.push_back(qRed(c));
        out.push_back(qGreen(c));
        out.push_back(qBlue(c));
    }
    const char netscape[] = "NETSCAPE2.0";
    out.insert(out.end(), {0x21, 0xFF, 0x0B});
    out.insert(out.end(), netscape, netscape + 11);
    out.insert(out.end(), {0x03, 0x01});
    put16(out, 1000);
    out.push_back(0);
    for (const QImage &frame : frames) {
        out.insert(out.end(), {0x21, 0xF9, 0x04, 0x09});   // restore to background, transparent
        put16(out, 15);
        out.push_back(backgroundIndex);
        out.push_back(0);
        out.push_back(0x2C);
        put16(out, 0);
        put16(out, 0);
        put16(out, w);
        put16(out, h);
        out.push_back(0);
        std::vector<int> pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = frame.pixel(x, y);
                pixels.push_back(qAlpha(c) < 128 ? backgroundIndex : nearest(palette, c, backgroundIndex));
            }
        const Bytes data = lzw(pixels, 8);
        out.insert(out.end(), data.begin(), data.end());
    }
    out.push_back(0x3B);
    return out;
}

void face(QPainter &p, int s, QColor skin, int mouth)
{
    const double k = s / 32.0;
    p.scale(k, k);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(skin);
    p.drawEllipse(1, 1, 29, 29);
    p.setBrush(Qt::black);
    p.drawEllipse(9, 9, 4, 5);
    p.drawEllipse(19, 9, 4, 5);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    switch (mouth) {
    case 0:   // smile
        p.drawArc(8, 10, 16, 13, 200 * 16, 140 * 16);
        break;
    case 1:   // neutral
        p.drawLine(10, 21, 22, 21);
        break;
    default: {   // broad grin, teeth showing
        QPainterPath grin;
        grin.moveTo(7, 17);
        grin.lineTo(25, 17);
        grin.arcTo(7, 9, 18, 17, 0, -180);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(grin);
        break;
    }
    }
}

void stopwatch(QPainter &p, int s)
{
    const double k = s / 32.0;
    p.scale(k, k);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(14, 1, 4, 4);
    p.drawRect(24, 5, 3, 3);
    p.setBrush(QColor(192, 192, 192));
    p.drawEllipse(3, 5, 26, 26);
    p.setBrush(Qt::white);
    p.drawEllipse(6, 8, 20, 20);
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(16, 18, 16, 10);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(16, 18, 21, 21);
}

void noEntry(QPainter &p, int s)
{
    const double k = s / 32.0;
    p.scale(k, k);
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(Qt::red);
    p.drawEllipse(1, 1, 29, 29);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(6, 13, 20, 6);
}

// A floppy disk with arms and legs, in step `frame` of its dance.
QImage floppy(int frame)
{
    QImage image(55, 69, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    static constexpr std::array<int, 6> sway{0, 3, 5, 3, 0, -3};
    const int dx = sway[frame];
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(18 + dx, 40, 12 + dx - sway[(frame + 2) % 6], 56);
    p.drawLine(36 + dx, 40, 42 + dx + sway[(frame + 2) % 6], 56);
    p.drawLine(12 + dx - sway[(frame + 2) % 6], 56, 8 + dx, 58);
    p.drawLine(42 + dx + sway[(frame + 2) % 6], 56, 46 + dx, 58);
    p.drawLine(10 + dx, 22, 2 + dx, 14 + sway[(frame + 1) % 6]);
    p.drawLine(44 + dx, 22, 52, 14 - sway[(frame + 1) % 6]);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(10 + dx, 6, 34, 36);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(18 + dx, 6, 18, 11);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(29 + dx, 8, 4, 7);
    p.setBrush(Qt::white);
    p.drawRect(15 + dx, 23, 24, 16);
    p.setBrush(Qt::black);
    p.drawEllipse(20 + dx, 26, 3, 3);
    p.drawEllipse(31 + dx, 26, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawArc(21 + dx, 28, 12, 8, 200 * 16, 140 * 16);
    return image;
}

// The window icon's face drawn smooth at a desktop icon size.
QImage desktopIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    face(p, size, QColor(255, 255, 0), 0);
    return image;
}

bool save(const QString &folder, const char *name, const Bytes &bytes)
{
    QFile file(folder + u'/' + QString::fromLatin1(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}
}

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QColor yellow(255, 255, 0);
    std::vector<QImage> frames;
    for (int i = 0; i < 6; ++i)
        frames.push_back(floppy(i));

    const std::vector<std::pair<const char *, Bytes>> files{
        {"face.ico", icon([&](QPainter &p, int s) { face(p, s, yellow, 0); }, {32}, 8)},
        {"pointer.ico", icon([](QPainter &p, int s) { face(p, s, QColor(0, 255, 255), 2); }, {32}, 8)},
        {"smile.ico", icon([&](QPainter &p, int s) { face(p, s, yellow, 0); }, {32, 16}, 4)},
        {"neutral.ico", icon([&](QPainter &p, int s) { face(p, s, yellow, 1); }, {32, 16}, 4)},
        {"grin.ico", icon([&](QPainter &p, int s) { face(p, s, yellow, 2); }, {32, 16}, 4)},
        {"stopwatch.ico", icon(stopwatch, {32, 16}, 4)},
        {"noentry.ico", icon(noEntry, {32, 16}, 4)},
        {"floppy.gif", animatedGif(frames)},
    };
    for (const auto &[name, bytes] : files) {
        if (!save(folder, name, bytes)) {
            std::fprintf(stderr, "make-pictures: cannot write %s\n", name);
            return 1;
        }
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = folder + QStringLiteral("/icons/%1.png").arg(size);
        if (!desktopIcon(size).save(path)) {
            std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
