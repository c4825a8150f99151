// Catches packaging faults in assets/: a missing or misnamed file, a picture
// that is not what its extension says, a sound in a form some back end
// cannot play, a silent or over-long sound, a theme missing a line.
#include <QtTest/QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <optional>

#ifndef KAVGALIJA_ASSETS_DIR
#error "KAVGALIJA_ASSETS_DIR must name the assets directory"
#endif

namespace {

const QStringList kThemeSounds = {
    "fire.wav",   "fireball.wav", "watchthis.wav", "victory.wav",         "excellent.wav",
    "ohdear.wav", "laugh.wav",    "boring.wav",    "missed.wav",          "ouch.wav",
    "ow1.wav",    "ow2.wav",      "illgetyou.wav", "YOULLREGRETTHAT.wav", "stupid.wav",
};

struct Picture {
    const char* name;
    int screenW;  // the size the game shows it at
    int screenH;
    bool shaped;  // not a full rectangle: must have transparency
};

// Every picture the game loads, with its size on screen.
const Picture kPictures[] = {
    {"polje.gif", 81, 121, true},
    {"opasnost.gif", 81, 121, true},
    {"kovceg.gif", 81, 121, true},
    {"coin.gif", 81, 121, true},
    {"providno.gif", 1, 1, true},
    {"noarmor.gif", 81, 121, true},
    {"robe.gif", 81, 121, true},
    {"leather.gif", 81, 121, true},
    {"chainmail.gif", 81, 121, true},
    {"plate.gif", 81, 121, true},
    {"dagger.gif", 25, 113, true},
    {"sword.gif", 25, 113, true},
    {"axe.gif", 25, 113, true},
    {"spear.gif", 25, 113, true},
    {"plavistit.gif", 52, 64, true},
    {"crvenistit.gif", 52, 64, true},
    {"zlatnici.gif", 150, 150, true},
    {"lik00.gif", 57, 65, true},
    {"lik01.gif", 57, 65, true},
    {"lik02.gif", 57, 65, true},
    {"lik03.gif", 57, 65, true},
    {"lik04.gif", 57, 65, true},
    {"lik05.gif", 57, 65, true},
    {"lik06.gif", 57, 65, true},
    {"lik07.gif", 57, 65, true},
    {"lik08.gif", 57, 65, true},
    {"lik09.gif", 57, 65, true},
    {"lik10.gif", 57, 65, true},
    {"lik11.gif", 57, 65, true},
    {"lik12.gif", 57, 65, true},
    {"lik13.gif", 57, 65, true},
    {"oblacak1.gif", 260, 150, true},
    {"oblacak.gif", 260, 150, true},
    {"ui/title-1.png", 120, 120, true},
    {"ui/title-2.png", 120, 120, true},
    {"ui/title-3.png", 120, 120, true},
    {"ui/title-4.png", 120, 120, true},
    {"ui/title-5.png", 120, 120, true},
    {"ui/title-6.png", 120, 120, true},
    {"ui/title-7.png", 120, 120, true},
    {"ui/male.png", 180, 400, true},
    {"ui/female.png", 180, 400, true},
    {"ui/cards1.png", 240, 320, true},
    {"ui/cards2.png", 240, 320, true},
    {"ui/dice.png", 96, 64, true},
    {"ui/inventory.png", 172, 258, true},
    {"ui/reward.png", 160, 160, true},
    {"ui/mishap-weapon.png", 200, 200, true},
    {"ui/mishap-armor.png", 200, 200, true},
    {"ui/mishap-dog.png", 200, 200, true},
    {"ui/mishap-money.png", 200, 200, true},
    {"ui/mishap-post.png", 200, 200, true},
    {"ui/chest.png", 260, 200, true},
    {"ui/about-1.png", 80, 300, true},
    {"ui/about-2.png", 150, 150, true},
    {"ui/icon-16.png", 16, 16, true},
    {"ui/icon-32.png", 32, 32, true},
    {"ui/icon-48.png", 48, 48, true},
    {"ui/icon-64.png", 64, 64, true},
    {"ui/icon-128.png", 128, 128, true},
    {"ui/icon-256.png", 256, 256, true},
};

QString assetsDir() {
    return QStringLiteral(KAVGALIJA_ASSETS_DIR);
}

// The game looks names up without regard to letter case; so do we.
std::optional<QString> findCaseless(const QString& relative) {
    QString dir = assetsDir();
    const QStringList parts = relative.split('/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        auto it = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
            return e.compare(parts[i], Qt::CaseInsensitive) == 0;
        });
        if (it == entries.end()) return std::nullopt;
        dir += '/' + *it;
    }
    return dir;
}

QByteArray expectedFormat(const QString& name) {
    const QString ext = QFileInfo(name).suffix().toLower();
    if (ext == "jpg" || ext == "jpeg") return "jpeg";
    return ext.toLatin1();
}

struct Wav {
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    double seconds = 0;
    int peak = 0;  // largest absolute sample
    QString error;
};

quint16 le16(const char* p) {
    return quint16(uchar(p[0]) | (uchar(p[1]) << 8));
}
quint32 le32(const char* p) {
    return quint32(uchar(p[0])) | (quint32(uchar(p[1])) << 8) | (quint32(uchar(p[2])) << 16) |
           (quint32(uchar(p[3])) << 24);
}

// Reads a RIFF/WAVE file by walking its chunks (the header is not always 44 bytes).
Wav readWav(const QString& path) {
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        w.error = "cannot open";
        return w;
    }
    const QByteArray all = f.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE") {
        w.error = "not RIFF/WAVE";
        return w;
    }
    bool haveFmt = false, haveData = false;
    qsizetype pos = 12;
    while (pos + 8 <= all.size()) {
        const QByteArray id = all.mid(pos, 4);
        const quint32 size = le32(all.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (body + qsizetype(size) > all.size()) {
            w.error = "chunk " + QString::fromLatin1(id) + " runs past the end";
            return w;
        }
        const char* p = all.constData() + body;
        if (id == "fmt ") {
            if (size < 16) {
                w.error = "short fmt chunk";
                return w;
            }
            w.formatTag = le16(p);
            w.channels = le16(p + 2);
            w.rate = le32(p + 4);
            w.bits = le16(p + 14);
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt) {
                w.error = "data before fmt";
                return w;
            }
            const int frame = w.channels * (w.bits / 8);
            if (frame <= 0 || w.rate == 0) {
                w.error = "bad fmt";
                return w;
            }
            w.seconds = double(size / frame) / w.rate;
            if (w.bits == 16) {
                for (quint32 i = 0; i + 1 < size; i += 2)
                    w.peak = std::max(w.peak, std::abs(int(qint16(le16(p + i)))));
            }
            haveData = true;
        }
        pos = body + size + (size & 1);  // chunks are padded to even length
    }
    if (!haveFmt)
        w.error = "no fmt chunk";
    else if (!haveData)
        w.error = "no data chunk";
    return w;
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QDir(assetsDir()).exists(), qPrintable("no assets directory at " + assetsDir()));
    }

    void pictureDecodes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("screenW");
        QTest::addColumn<int>("screenH");
        QTest::addColumn<bool>("shaped");
        for (const Picture& p : kPictures)
            QTest::newRow(p.name) << QString::fromLatin1(p.name) << p.screenW << p.screenH
                                  << p.shaped;
        for (int i = 1; i <= 15; ++i) {
            const QString n = QString("pozadine/%1.jpg").arg(i);
            QTest::newRow(qPrintable(n)) << n << 900 << 620 << false;
        }
    }
    void pictureDecodes() {
        QFETCH(QString, name);
        QFETCH(int, screenW);
        QFETCH(int, screenH);
        QFETCH(bool, shaped);
        const auto path = findCaseless(name);
        QVERIFY2(path, qPrintable(name + " is missing"));
        QImageReader reader(*path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), expectedFormat(name));
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(name + ": " + reader.errorString()));
        // drawn at least at the size it is shown at (most at twice that)
        QVERIFY2(
            img.width() >= screenW && img.height() >= screenH,
            qPrintable(QString("%1 is only %2x%3").arg(name).arg(img.width()).arg(img.height())));
        if (shaped) {
            QVERIFY2(img.hasAlphaChannel(), qPrintable(name + " has no transparency"));
            // a corner shows the background through
            QVERIFY2(qAlpha(img.pixel(0, 0)) < 128, qPrintable(name + ": opaque corner"));
        }
        if (name.endsWith(".gif")) {
            QFile f(*path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.read(6), QByteArray("GIF89a"));
        }
    }

    void backgroundsAreBaselineAndSmall() {
        for (int i = 1; i <= 15; ++i) {
            const auto path = findCaseless(QString("pozadine/%1.jpg").arg(i));
            QVERIFY(path);
            QFile f(*path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray jpg = f.readAll();
            QVERIFY2(jpg.size() < 600 * 1024, qPrintable(*path + " is too large"));
            // a baseline JPEG has a SOF0 (or extended SOF1) frame, never a progressive SOF2
            QVERIFY2(jpg.contains("\xFF\xC0") || jpg.contains("\xFF\xC1"),
                     qPrintable(*path + " has no baseline frame"));
            QVERIFY2(!jpg.contains("\xFF\xC2"), qPrintable(*path + " is progressive"));
        }
    }

    void providnoIsFullyTransparent() {
        const auto path = findCaseless("providno.gif");
        QVERIFY(path);
        const QImage img = QImage(*path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!img.isNull());
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY2(qAlpha(img.pixel(x, y)) == 0,
                         qPrintable(QString("opaque pixel at %1,%2").arg(x).arg(y)));
    }

    void cloudsHaveRoomForText() {
        for (const char* n : {"oblacak.gif", "oblacak1.gif"}) {
            const auto path = findCaseless(n);
            QVERIFY2(path, n);
            const QImage img = QImage(*path).convertToFormat(QImage::Format_ARGB32);
            const int x0 = img.width() * 15 / 100, x1 = img.width() * 85 / 100;
            const int y0 = img.height() * 20 / 100, y1 = img.height() * 80 / 100;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    const QRgb c = img.pixel(x, y);
                    QVERIFY2(
                        qAlpha(c) == 255 && qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245,
                        qPrintable(QString("%1: not plain white at %2,%3").arg(n).arg(x).arg(y)));
                }
        }
    }

    void cloudTailsPointToTheSpeaker() {
        // oblacak1: the right fighter speaks, so its tail reaches into the
        // lower right corner; oblacak is its mirror image.
        auto lowerCornerInk = [](const QImage& img, bool right) {
            int n = 0;
            const int xs = right ? img.width() * 3 / 4 : 0,
                      xe = right ? img.width() : img.width() / 4;
            for (int y = img.height() * 85 / 100; y < img.height(); ++y)
                for (int x = xs; x < xe; ++x)
                    if (qAlpha(img.pixel(x, y)) != 0) ++n;
            return n;
        };
        const QImage right =
            QImage(*findCaseless("oblacak1.gif")).convertToFormat(QImage::Format_ARGB32);
        const QImage left =
            QImage(*findCaseless("oblacak.gif")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(lowerCornerInk(right, true) > 4 * lowerCornerInk(right, false));
        QVERIFY(lowerCornerInk(left, false) > 4 * lowerCornerInk(left, true));
    }

    void everyThemeHasAllSounds() {
        const auto zvuk = findCaseless("zvuk");
        QVERIFY2(zvuk, "zvuk/ is missing");
        QStringList themes = QDir(*zvuk).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY2(themes.size() >= 3, "fewer than three sound themes");
        for (const char* t : {"american", "srpski"})
            QVERIFY2(findCaseless(QString("zvuk/") + t),
                     qPrintable(QString("theme %1 is missing").arg(t)));
        themes.prepend(QString());  // zvuk/ itself holds the default theme
        for (const QString& t : themes)
            for (const QString& s : kThemeSounds) {
                const QString rel = t.isEmpty() ? "zvuk/" + s : "zvuk/" + t + "/" + s;
                QVERIFY2(findCaseless(rel), qPrintable(rel + " is missing"));
            }
        for (const char* n : {"zvuk/masa.wav", "zvuk/royal.wav", "zvuk/american/coward.wav"})
            QVERIFY2(findCaseless(n), qPrintable(QString(n) + " is missing"));
    }

    void everySoundIsPlainPcm() {
        const auto zvuk = findCaseless("zvuk");
        QVERIFY(zvuk);
        int count = 0;
        QDirIterator it(*zvuk, {"*.wav", "*.WAV"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = QFileInfo(path).fileName().toLower();
            const Wav w = readWav(path);
            const QString where = path;
            QVERIFY2(w.error.isEmpty(), qPrintable(path + ": " + w.error));
            QVERIFY2(w.formatTag == 1, qPrintable(where + ": not plain PCM (format tag " +
                                                  QString::number(w.formatTag) + ")"));
            QVERIFY2(w.bits == 16, qPrintable(where + ": not 16-bit"));
            QVERIFY2(w.channels == 1, qPrintable(where + ": not mono"));
            QVERIFY2(w.rate == 22050 || w.rate == 44100, qPrintable(where + ": odd sample rate"));
            QVERIFY2(w.peak > 3000, qPrintable(where + ": (nearly) silent"));
            if (name == "masa.wav") {
                QVERIFY2(w.seconds <= 4.0, qPrintable(where + ": longer than 4 s"));
            } else if (name == "royal.wav") {
                QVERIFY2(w.seconds >= 8.0 && w.seconds <= 15.0,
                         qPrintable(where + ": not 8 to 15 s"));
            } else {
                QVERIFY2(w.seconds <= 2.0, qPrintable(where + ": longer than 2 s"));
                QVERIFY2(w.seconds >= 0.1, qPrintable(where + ": too short to hear"));
            }
            ++count;
        }
        QVERIFY2(count >= 4 * kThemeSounds.size() + 2, "too few sounds");
    }

    void fontIsShipped() {
        const auto fonts = findCaseless("fonts");
        QVERIFY2(fonts, "fonts/ is missing");
        const QStringList files =
            QDir(*fonts).entryList({"ComicNeue*.otf", "ComicNeue*.ttf"}, QDir::Files);
        QVERIFY2(!files.isEmpty(), "no Comic Neue font");
        for (const QString& n : files) {
            QFile f(*fonts + "/" + n);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray magic = f.read(4);
            QVERIFY2(
                magic == "OTTO" || magic == QByteArray("\x00\x01\x00\x00", 4) || magic == "true",
                qPrintable(n + " is not a font file"));
        }
        QVERIFY2(findCaseless("fonts/OFL.txt"), "the font's licence is missing");
        QVERIFY2(findCaseless("LICENSES.md"), "LICENSES.md is missing");
    }

    void iconSvgIsThere() {
        const auto path = findCaseless("ui/icon.svg");
        QVERIFY(path);
        QFile f(*path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("<svg"));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
