// Catches packaging faults in assets/: a missing or misnamed file, a picture that is not what its
// extension says, a sound in a form some back end cannot play, a silent or over-long sound, a
// theme missing a line.
#include <cmath>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMultiMap>
#include <QTest>
#include <QtEndian>

#include "platform/PathResolver.h"

namespace {

const QStringList kThemeSounds = {
    "fire.wav",   "fireball.wav", "watchthis.wav", "victory.wav",         "excellent.wav",
    "ohdear.wav", "laugh.wav",    "boring.wav",    "missed.wav",          "ouch.wav",
    "ow1.wav",    "ow2.wav",      "illgetyou.wav", "YOULLREGRETTHAT.wav", "stupid.wav"};

// The game looks names up without regard to letter case; so do we.
QString find(const QString& relative) {
    return PathResolver().resolve(QStringLiteral(KAVGALIJA_ASSETS_DIR "/") + relative);
}

struct Wav {
    quint16 tag = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    double seconds = 0, rmsDb = -100;  // RMS against full scale
    int peak = 0;
    QString error;
};

// Walks the RIFF chunks (the header is not always 44 bytes).
Wav readWav(const QString& path) {
    Wav w;
    QFile f(path);
    const QByteArray all = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE") {
        w.error = "not RIFF/WAVE";
        return w;
    }
    bool fmt = false, data = false;
    for (qsizetype pos = 12; pos + 8 <= all.size();) {
        const char* p = all.constData() + pos + 8;
        const quint32 size = qFromLittleEndian<quint32>(all.constData() + pos + 4);
        if (pos + 8 + qsizetype(size) > all.size()) {
            w.error = "a chunk runs past the end";
            return w;
        }
        if (all.mid(pos, 4) == "fmt " && size >= 16) {
            w.tag = qFromLittleEndian<quint16>(p);
            w.channels = qFromLittleEndian<quint16>(p + 2);
            w.rate = qFromLittleEndian<quint32>(p + 4);
            w.bits = qFromLittleEndian<quint16>(p + 14);
            fmt = true;
        } else if (all.mid(pos, 4) == "data" && fmt && w.channels * w.bits >= 8 && w.rate > 0) {
            w.seconds = double(size / (w.channels * w.bits / 8)) / w.rate;
            double squares = 0;
            for (quint32 i = 0; w.bits == 16 && i + 1 < size; i += 2) {
                const int v = qFromLittleEndian<qint16>(p + i);
                w.peak = std::max(w.peak, std::abs(v));
                squares += double(v) * v;
            }
            if (w.bits == 16 && squares > 0)
                w.rmsDb = 10 * std::log10(squares / (size / 2) / (32768.0 * 32768.0));
            data = true;
        }
        pos += 8 + size + (size & 1);  // chunks are padded to even length
    }
    if (!fmt || !data) w.error = "no fmt or data chunk";
    return w;
}

QImage argb(const QString& name) {
    return QImage(find(name)).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    // Every picture the game loads, at least as large as it is shown (most are drawn twice as
    // large), decoding as its extension says, shaped ones with a transparent corner.
    void pictureDecodes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("shown");
        auto add = [](const QString& n, QSize s) { QTest::newRow(qPrintable(n)) << n << s; };
        for (const char* n : {"polje", "opasnost", "kovceg", "coin", "noarmor", "robe", "leather",
                              "chainmail", "plate"})
            add(QString("%1.gif").arg(n), {81, 121});
        for (const char* n : {"dagger", "sword", "axe", "spear"})
            add(QString("%1.gif").arg(n), {25, 113});
        for (const char* n : {"plavistit", "crvenistit"}) add(QString("%1.gif").arg(n), {52, 64});
        for (int i = 0; i < 14; ++i) add(QString("lik%1.gif").arg(i, 2, 10, QChar('0')), {57, 65});
        add("zlatnici.gif", {150, 150});
        add("oblacak.gif", {260, 150});
        add("oblacak1.gif", {260, 150});
        for (int i = 1; i <= 7; ++i) add(QString("ui/title-%1.png").arg(i), {120, 120});
        for (const char* n :
             {"mishap-weapon", "mishap-armor", "mishap-dog", "mishap-money", "mishap-post"})
            add(QString("ui/%1.png").arg(n), {200, 200});
        add("ui/male.png", {180, 400});
        add("ui/female.png", {180, 400});
        add("ui/cards1.png", {240, 320});
        add("ui/cards2.png", {240, 320});
        add("ui/dice.png", {96, 64});
        add("ui/inventory.png", {172, 258});
        add("ui/reward.png", {160, 160});
        add("ui/chest.png", {260, 200});
        add("ui/about-1.png", {80, 300});
        add("ui/about-2.png", {150, 150});
        for (int s : {16, 32, 48, 64, 128, 256}) add(QString("ui/icon-%1.png").arg(s), {s, s});
        for (int i = 1; i <= 15; ++i) add(QString("pozadine/%1.jpg").arg(i), {900, 620});
    }
    void pictureDecodes() {
        QFETCH(QString, name);
        QFETCH(QSize, shown);
        const QString path = find(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name + " is missing"));
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QString ext = QFileInfo(name).suffix();
        QCOMPARE(reader.format(), ext == "jpg" ? QByteArray("jpeg") : ext.toLatin1());
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
        QVERIFY(img.width() >= shown.width() && img.height() >= shown.height());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        if (ext == "jpg") {
            // Baseline (SOF0/SOF1), never progressive, and small enough to load at once.
            QVERIFY(bytes.contains("\xFF\xC0") || bytes.contains("\xFF\xC1"));
            QVERIFY(!bytes.contains("\xFF\xC2"));
            QVERIFY(bytes.size() < 600 * 1024);
        } else {
            QVERIFY2(qAlpha(img.pixel(0, 0)) < 128, "opaque corner: the shape has no transparency");
            if (ext == "gif") QVERIFY(bytes.startsWith("GIF89a"));
        }
    }

    void providnoIsFullyTransparent() {
        const QImage img = argb("providno.gif");
        QVERIFY(!img.isNull());
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) QCOMPARE(qAlpha(img.pixel(x, y)), 0);
    }

    // The middle of each cloud is plain white for the taunt; oblacak1's tail reaches into the lower
    // right (the right fighter speaks), oblacak's into the lower left.
    void cloudsHaveRoomAndPointToTheSpeaker() {
        auto ink = [](const QImage& img, bool right) {
            int n = 0;
            for (int y = img.height() * 85 / 100; y < img.height(); ++y)
                for (int x = right ? img.width() * 3 / 4 : 0;
                     x < (right ? img.width() : img.width() / 4); ++x)
                    n += qAlpha(img.pixel(x, y)) != 0;
            return n;
        };
        for (const char* n : {"oblacak.gif", "oblacak1.gif"}) {
            const QImage img = argb(n);
            for (int y = img.height() / 5; y < img.height() * 4 / 5; ++y)
                for (int x = img.width() * 15 / 100; x < img.width() * 85 / 100; ++x)
                    QVERIFY2(qAlpha(img.pixel(x, y)) == 255 && qGray(img.pixel(x, y)) > 245,
                             qPrintable(QString("%1: not white at %2,%3").arg(n).arg(x).arg(y)));
            const bool right = QByteArray(n) == "oblacak1.gif";
            QVERIFY(ink(img, right) > 4 * ink(img, !right));
        }
    }

    void everyThemeHasAllSounds() {
        QStringList themes = QDir(find("zvuk")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(themes.size() >= 3);
        QVERIFY(themes.contains("american") && themes.contains("srpski"));
        themes.prepend(QString());  // zvuk/ itself holds the default theme
        for (const QString& t : themes)
            for (const QString& s : kThemeSounds)
                QVERIFY2(!find("zvuk/" + t + "/" + s).isEmpty(),
                         qPrintable(t + "/" + s + " is missing"));
        for (const char* n : {"zvuk/masa.wav", "zvuk/royal.wav", "zvuk/american/coward.wav"})
            QVERIFY2(!find(n).isEmpty(), n);
    }

    // 16-bit mono PCM with the plain header every back end plays, audible but never at full
    // scale, within its length; the lines and effects of every theme equally loud, so no voice
    // drowns another in a duel.
    void everySoundIsPlainPcm() {
        int count = 0;
        QMultiMap<double, QString> levels;  // RMS in dB of every theme's sound
        QDirIterator it(find("zvuk"), {"*.wav", "*.WAV"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = QFileInfo(path).fileName().toLower();
            const Wav w = readWav(path);
            QVERIFY2(w.error.isEmpty(), qPrintable(path + ": " + w.error));
            QVERIFY2(w.tag == 1 && w.bits == 16 && w.channels == 1, qPrintable(path));
            QVERIFY2(w.rate == 22050 || w.rate == 44100, qPrintable(path));
            QVERIFY2(w.peak > 3000, qPrintable(path + ": (nearly) silent"));
            QVERIFY2(w.peak < 32767, qPrintable(path + ": clipped"));
            if (kThemeSounds.contains(name, Qt::CaseInsensitive)) levels.insert(w.rmsDb, path);
            const double low = name == "royal.wav" ? 8 : 0.1;
            const double high = name == "royal.wav" ? 15 : name == "masa.wav" ? 4 : 2;
            QVERIFY2(w.seconds >= low && w.seconds <= high, qPrintable(path + ": wrong length"));
            ++count;
        }
        QVERIFY(count >= 4 * kThemeSounds.size() + 2);
        QVERIFY(levels.size() >= 4 * kThemeSounds.size());
        QVERIFY2(levels.lastKey() - levels.firstKey() <= 3,
                 qPrintable(QString("%1 at %2 dB, %3 at %4 dB")
                                .arg(levels.last())
                                .arg(levels.lastKey())
                                .arg(levels.first())
                                .arg(levels.firstKey())));
    }

    void fontAndLicencesAreShipped() {
        const QStringList fonts =
            QDir(find("fonts")).entryList({"ComicNeue*.otf", "ComicNeue*.ttf"});
        QVERIFY(!fonts.isEmpty());
        for (const QString& n : fonts) {
            QFile f(find("fonts/" + n));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray magic = f.read(4);
            QVERIFY(magic == "OTTO" || magic == QByteArray("\x00\x01\x00\x00", 4) ||
                    magic == "true");
        }
        for (const char* n : {"fonts/OFL.txt", "LICENSES.md", "ui/icon.svg"})
            QVERIFY2(!find(n).isEmpty(), n);
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
