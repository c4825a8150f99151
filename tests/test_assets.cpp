// Catches packaging faults in assets/: a missing or misnamed file, a picture that is not what its
// extension says, a theme missing a line. Sizes, shapes, levels and sound formats are refused by
// tools/assets/check.sh when the assets are made.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>

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

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    // Every picture the game loads, decoding as its extension says, shaped ones with a
    // transparent corner (how large each is drawn, tools/assets/check.sh sees to).
    void pictureDecodes_data() {
        QTest::addColumn<QString>("name");
        QStringList names;
        for (const QString& n : QString("polje opasnost kovceg coin noarmor robe leather chainmail "
                                        "plate dagger sword axe spear plavistit crvenistit "
                                        "zlatnici oblacak oblacak1")
                                    .split(' '))
            names << n + ".gif";
        for (int i = 0; i < 14; ++i) names << QString("lik%1.gif").arg(i, 2, 10, QChar('0'));
        for (const QString& n :
             QString("title-1 title-2 title-3 title-4 title-5 title-6 title-7 "
                     "mishap-weapon mishap-armor mishap-dog mishap-money "
                     "mishap-post male female cards1 cards2 dice inventory "
                     "reward chest about-1 about-2 arrow-down icon-16 icon-32 icon-48 "
                     "icon-64 icon-128 icon-256")
                 .split(' '))
            names << "ui/" + n + ".png";
        for (int i = 1; i <= 15; ++i) names << QString("pozadine/%1.jpg").arg(i);
        for (const QString& n : names) QTest::newRow(qPrintable(n)) << n;
    }
    void pictureDecodes() {
        QFETCH(QString, name);
        const QString path = find(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name + " is missing"));
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QString ext = QFileInfo(name).suffix();
        QCOMPARE(reader.format(), ext == "jpg" ? QByteArray("jpeg") : ext.toLatin1());
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
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

    void fontAndLicencesAreShipped() {
        QVERIFY(!QDir(find("fonts")).entryList({"ComicNeue*.otf"}).isEmpty());
        for (const char* n : {"fonts/OFL.txt", "LICENSES.md", "ui/icon.svg"})
            QVERIFY2(!find(n).isEmpty(), n);
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
