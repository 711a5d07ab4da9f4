#include <QFile>
#include <QImageReader>
#include <QTest>

// Reads the committed picture files byte by byte, as the formats define them.
class TestAssets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void icon_data();
    void icon();
    void animatedPicture();
};

namespace {
QByteArray load(const QString &name)
{
    QFile file(QStringLiteral(NR_ASSETS) + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int u8(const QByteArray &b, qsizetype at)
{
    return static_cast<unsigned char>(b.at(at));
}

int u16(const QByteArray &b, qsizetype at)
{
    return u8(b, at) | u8(b, at + 1) << 8;
}

qint64 u32(const QByteArray &b, qsizetype at)
{
    return u16(b, at) | qint64(u16(b, at + 2)) << 16;
}
}

void TestAssets::icon_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("bits");
    QTest::newRow("window icon") << "face.ico" << QList<int>{32} << 8;
    QTest::newRow("pointer") << "pointer.ico" << QList<int>{32} << 8;
    QTest::newRow("stopwatch") << "stopwatch.ico" << QList<int>{32, 16} << 4;
    QTest::newRow("no entry") << "noentry.ico" << QList<int>{32, 16} << 4;
    QTest::newRow("smiling face") << "smile.ico" << QList<int>{32, 16} << 4;
    QTest::newRow("neutral face") << "neutral.ico" << QList<int>{32, 16} << 4;
    QTest::newRow("grinning face") << "grin.ico" << QList<int>{32, 16} << 4;
}

void TestAssets::icon()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, sizes);
    QFETCH(int, bits);
    const QByteArray b = load(file);
    QVERIFY(b.size() > 6);
    QCOMPARE(u16(b, 0), 0);
    QCOMPARE(u16(b, 2), 1);
    QCOMPARE(u16(b, 4), int(sizes.size()));
    for (int i = 0; i < sizes.size(); ++i) {
        const qsizetype entry = 6 + 16 * i;
        QCOMPARE(u8(b, entry), sizes[i]);
        QCOMPARE(u8(b, entry + 1), sizes[i]);
        QCOMPARE(u8(b, entry + 2), bits == 8 ? 0 : 16);   // 0 means 256 colours
        QCOMPARE(u16(b, entry + 6), bits);
        const qint64 length = u32(b, entry + 8), offset = u32(b, entry + 12);
        QVERIFY(offset + length <= b.size());
        // The image's own header agrees with its directory entry.
        QCOMPARE(u32(b, offset), 40);
        QCOMPARE(u32(b, offset + 4), sizes[i]);
        QCOMPARE(u32(b, offset + 8), 2 * sizes[i]);
        QCOMPARE(u16(b, offset + 14), bits);
        const int colours = 1 << bits;
        const qint64 rowBytes = (sizes[i] * bits + 31) / 32 * 4, maskBytes = (sizes[i] + 31) / 32 * 4;
        QCOMPARE(length, 40 + 4 * colours + (rowBytes + maskBytes) * sizes[i]);
    }
    QImageReader reader(QStringLiteral(NR_ASSETS) + u'/' + file);
    QCOMPARE(reader.imageCount(), int(sizes.size()));
    QCOMPARE(reader.read().size(), QSize(sizes[0], sizes[0]));
}

void TestAssets::animatedPicture()
{
    const QByteArray b = load(QStringLiteral("floppy.gif"));
    QVERIFY(b.size() > 13 + 768);
    QCOMPARE(b.left(6), QByteArray("GIF89a"));
    QCOMPARE(u16(b, 6), 55);
    QCOMPARE(u16(b, 8), 69);
    QCOMPARE(u8(b, 10) & 0x80, 0x80);   // a global colour table...
    QCOMPARE(u8(b, 10) & 0x07, 7);      // ...of 256 entries
    QCOMPARE(u8(b, 11), 128);           // background index

    qsizetype at = 13 + 768;
    int frames = 0, loops = -1, controls = 0;
    auto skipSubBlocks = [&] {
        while (u8(b, at) != 0)
            at += u8(b, at) + 1;
        ++at;
    };
    while (at < b.size() && u8(b, at) != 0x3B) {
        const int introducer = u8(b, at);
        if (introducer == 0x21 && u8(b, at + 1) == 0xFF) {
            QCOMPARE(b.mid(at + 3, 11), QByteArray("NETSCAPE2.0"));
            loops = u16(b, at + 16);
            at += 14;
            skipSubBlocks();
        } else if (introducer == 0x21 && u8(b, at + 1) == 0xF9) {
            const int packed = u8(b, at + 3);
            QCOMPARE((packed >> 2) & 0x07, 2);   // restore to background
            QCOMPARE(packed & 0x01, 1);          // has a transparent colour
            QCOMPARE(u16(b, at + 4), 15);        // hundredths of a second
            QCOMPARE(u8(b, at + 6), 128);
            ++controls;
            at += 2;
            skipSubBlocks();
        } else if (introducer == 0x2C) {
            QCOMPARE(u16(b, at + 1), 0);
            QCOMPARE(u16(b, at + 3), 0);
            QCOMPARE(u16(b, at + 5), 55);
            QCOMPARE(u16(b, at + 7), 69);
            QCOMPARE(u8(b, at + 9) & 0x80, 0);   // no table of its own
            at += 11;                            // descriptor and LZW code size
            skipSubBlocks();
            ++frames;
        } else {
            QFAIL(qPrintable(QStringLiteral("unexpected block 0x%1").arg(introducer, 0, 16)));
        }
    }
    QCOMPARE(at, b.size() - 1);
    QCOMPARE(frames, 6);
    QCOMPARE(controls, 6);
    QCOMPARE(loops, 1000);

    // Every frame decodes to the full picture.
    QImageReader reader(QStringLiteral(NR_ASSETS "/floppy.gif"));
    QCOMPARE(reader.imageCount(), 6);
    QCOMPARE(reader.loopCount(), 1000);
    for (int i = 0; i < 6; ++i) {
        const QImage frame = reader.read();
        QCOMPARE(frame.size(), QSize(55, 69));
        QCOMPARE(reader.nextImageDelay(), 150);
    }
}

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
