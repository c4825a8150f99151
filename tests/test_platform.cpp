// The platform services: pictures (found by any case), sound, the dice, the font and the boxes
// that close by themselves. How screens load and unload is proven by the real screens in the
// other tests, the theme list by the soak.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "game/Random.h"
#include "platform/Sound.h"
#include "platform/Ui.h"

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // Any case, with or without the leading backslash; each file decoded once while caching, also
    // when decoded ahead; a missing or broken file leaves the element blank under the name asked
    // for.
    void picturesFindLiteralsDecodeOnceAndStayBlankWhenMissing() {
        QTemporaryDir dir;
        QImage red(8, 6, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.path() + QStringLiteral("/Sword.PNG"), "PNG"));
        QFile junk(dir.path() + QStringLiteral("/junk.gif"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("GIF89a not really a picture") > 0);
        junk.close();
        Pictures pictures(dir.path());
        PictureBox a(QStringLiteral("Image1(0)"), nullptr);
        PictureBox b(QStringLiteral("Image1(1)"), nullptr);
        const auto shows = [](PictureBox& box) {
            return box.fileName() + (box.pixmap().isNull() ? QStringLiteral(" blank") : QString());
        };
        QStringList seen;
        for (int i = 0; i < 10; ++i) {
            pictures.load(&a, QStringLiteral("\\sword.png"));
            pictures.load(&b, QStringLiteral("SWORD.png"));
        }
        seen << shows(a) << shows(b) << QString::number(pictures.decodeCount());
        for (int i = 0; i < 3; ++i) pictures.load(&a, QStringLiteral("\\missing.gif"));
        pictures.load(&b, QStringLiteral("junk.gif"));
        seen << shows(a) << shows(b) << QString::number(pictures.decodeCount());
        QCOMPARE(seen.join(u'|'),
                 QStringLiteral("sword.png|SWORD.png|1|missing.gif blank|junk.gif blank|3"));

        pictures.setCaching(false);
        pictures.load(&a, QStringLiteral("sword.png"));
        pictures.load(&a, QStringLiteral("sword.png"));
        QCOMPARE(pictures.decodeCount(), 5);

        // Decoded ahead on another thread: the same pictures, each still decoded once.
        Pictures ahead(dir.path());
        ahead.prefetch({QStringLiteral("\\sword.png"), QStringLiteral("missing.gif")});
        ahead.load(&b, QStringLiteral("SWORD.png"));
        QCOMPARE(b.pixmap().toImage(), a.pixmap().toImage());
        ahead.load(&b, QStringLiteral("missing.gif"));
        ahead.load(&a, QStringLiteral("sword.png"));
        QCOMPARE(shows(b) + shows(a) + QString::number(ahead.decodeCount()),
                 QStringLiteral("missing.gif blanksword.png2"));
    }

    // Large pictures (fight backgrounds) are kept one at a time, so a long session does not
    // hold them all, and only until the next decode, so that two are never held at once; the
    // small ones stay decoded once.
    void largePicturesAreKeptOneAtATime() {
        QTemporaryDir dir;
        QImage large(1100, 1000, QImage::Format_RGB32);  // 4.4 MB decoded
        large.fill(Qt::darkGreen);
        QVERIFY(large.save(dir.path() + QStringLiteral("/1.png"), "PNG"));
        QVERIFY(large.save(dir.path() + QStringLiteral("/2.png"), "PNG"));
        QVERIFY(large.copy(0, 0, 8, 8).save(dir.path() + QStringLiteral("/small.png"), "PNG"));
        Pictures pictures(dir.path());
        PictureBox box(QStringLiteral("pozadina"), nullptr);
        QStringList decodes;
        for (const char* name :
             {"1.png", "1.png", "small.png", "1.png", "2.png", "1.png", "small.png"}) {
            pictures.load(&box, QString::fromLatin1(name));
            QCOMPARE(box.pixmap().isNull(), false);
            decodes << QString::number(pictures.decodeCount());
        }
        QCOMPARE(decodes.join(u' '), QStringLiteral("1 1 2 3 4 5 5"));
    }

    // A synchronous sound lasts its clip on a device (the dummy one counts); without a device,
    // or without the file, it returns at once.
    void synchronousSoundWaitsOnlyForARealClip() {
        // fire.wav lasts about 0.77 s; looked up as the game writes its names
        const QString clip = QStringLiteral(KAVGALIJA_ASSETS_DIR "\\ZVUK\\Fire.WAV");
        const QByteArray previous = qgetenv("SDL_AUDIODRIVER");
        for (const char* driver : {"dummy", "no-such-driver"}) {
            qputenv("SDL_AUDIODRIVER", driver);
            SdlSound sound;
            QElapsedTimer clock;
            clock.start();
            sound.play(clip, Sound::Mode::Sync);
            const qint64 took = clock.restart();
            QCOMPARE(sound.hasDevice(), driver[0] == 'd');
            QVERIFY2(sound.hasDevice() ? took >= 600 : took < 250,
                     qPrintable(QString::number(took)));
            sound.play(QStringLiteral(KAVGALIJA_ASSETS_DIR "/zvuk/nothing.wav"), Sound::Mode::Sync);
            QVERIFY(clock.elapsed() < 250);
        }
        qputenv("SDL_AUDIODRIVER", previous);
    }

    // Installed, the game has no copy of its font and letters in the system's Comic Neue.
    void letteringIsTheSystemsComicNeueWithoutACopyOfItsOwn() {
        const QTemporaryDir noFonts;
        Ui::installGameFonts(noFonts.path());
        const QFontInfo title(Ui::gameFont(40, true));
        QCOMPARE(title.family(), QStringLiteral("Comic Neue"));
        QVERIFY(title.bold());
    }

    // A fixed seed replays the same game, a new seeding included; every face comes up.
    void diceFollowTheirRule() {
        StdRandom fixed(42), again(42);
        QSet<int> faces;
        for (int i = 0; i < 600; ++i) {
            const int d = fixed.roll(6);
            QCOMPARE(again.roll(6), d);
            faces << d;
        }
        QCOMPARE(faces, (QSet<int>{1, 2, 3, 4, 5, 6}));
        fixed.randomize();
        again.randomize();
        QCOMPARE(fixed.draw(), again.draw());
    }

    // A computer's boxes close by themselves; its answer stands typed in the field.
    void unattendedBoxesCloseByThemselves() {
        bool stuck = false;
        QTimer rescue;
        QObject::connect(&rescue, &QTimer::timeout, [&stuck] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                stuck = true;
                box->close();
            }
        });
        rescue.start(3000);
        QtDialogs boxes;
        boxes.unattendedMessage(QStringLiteral("Racunar 2 udara!3 ostecenja!"), 0, 10);
        boxes.unattendedMessage(QStringLiteral("4"), 4, 10);
        QCOMPARE(boxes.answeredInput(QStringLiteral("Da li zelite da uzmete i axe?"),
                                     QStringLiteral("da"), 10),
                 QStringLiteral("da"));
        QVERIFY(!stuck);
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
