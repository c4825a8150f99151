// Catches packaging faults in assets/: a missing or misnamed file, a picture that is not what its
// extension says, a sound in a form some back end cannot play, a theme missing a line.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
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

// 16-bit mono PCM behind the plain 44-byte header every sound back end plays.
bool plainPcm(const QString& path) {
    QFile f(path);
    const QByteArray h = f.open(QIODevice::ReadOnly) ? f.read(44) : QByteArray();
    return h.size() == 44 && h.startsWith("RIFF") && h.mid(8, 8) == "WAVEfmt " &&
           qFromLittleEndian<quint16>(h.constData() + 20) == 1 &&   // PCM
           qFromLittleEndian<quint16>(h.constData() + 22) == 1 &&   // mono
           qFromLittleEndian<quint16>(h.constData() + 34) == 16 &&  // bits
           h.mid(36, 4) == "data";
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
        if (ext != "jpg")
            QVERIFY2(qAlpha(img.pixel(0, 0)) < 128, "opaque corner: the shape has no transparency");
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

    // Shapes, levels and lengths are refused by tools/assets/check.sh when the assets are made.
    void everySoundIsPlainPcm() {
        int count = 0;
        QDirIterator it(find("zvuk"), {"*.wav", "*.WAV"}, QDir::Files,
                        QDirIterator::Subdirectories);
        for (; it.hasNext(); ++count) QVERIFY2(plainPcm(it.next()), qPrintable(it.filePath()));
        QVERIFY(count >= 4 * kThemeSounds.size() + 2);
    }

    void fontAndLicencesAreShipped() {
        QVERIFY(!QDir(find("fonts")).entryList({"ComicNeue*.otf"}).isEmpty());
        for (const char* n : {"fonts/OFL.txt", "LICENSES.md", "ui/icon.svg"})
            QVERIFY2(!find(n).isEmpty(), n);
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
