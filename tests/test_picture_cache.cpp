// The board's refresh must not go back to the disk: every picture file is decoded once per run,
// however often the board redraws and however the players move and re-arm.
#include <QSet>
#include <QTest>

#include "platform/PictureBox.h"
#include "screens/Form1/Form1.h"
#include "support/TestGame.h"

namespace {

void newGameOfFour(TestGame& g) {
    static constexpr int squares[4] = {0, 1, 21, 11};
    const QString weapons[4] = {QStringLiteral("sword"), QStringLiteral("axe"),
                                QStringLiteral("dagger"), QStringLiteral("spear")};
    g.gs.goldToWin = 100;
    g.gs.playersInGame = 4;
    for (int k = 0; k < 4; ++k) {
        g.gs.playerName[k] = QStringLiteral("P%1").arg(k);
        g.gs.playerPortrait[k] = QStringLiteral("\\lik%1.gif").arg(k, 2, 10, QLatin1Char('0'));
        g.gs.playerSquare[k] = squares[k];
        g.gs.playerWeapon[k] = weapons[k];
        g.gs.playerArmor[k] = k;
    }
    g.gs.playerShield[1] = QStringLiteral("crveni stit");
    g.gs.newGame = 1;
    for (int i = 1; i < 30; ++i) g.random.pushRoll(i % 8 + 1, 8);  // every kind of square
}

// Every file the board's picture elements show right now.
QSet<QString> shownFiles(Form1* board) {
    QSet<QString> files;
    for (PictureBox* box : board->findChildren<PictureBox*>()) {
        if (!box->fileName().isEmpty()) files.insert(box->fileName().toLower());
    }
    return files;
}

// The players walk, and one by one take up new armour, weapons and a shield.
void nextTurn(GameState& gs, int turn) {
    const int k = turn % 4;
    gs.playerSquare[k] = (gs.playerSquare[k] + turn + 1) % 30;
    if (turn == 3) gs.playerArmor[0] = 4;
    if (turn == 5) gs.playerWeapon[2] = QStringLiteral("axe");
    if (turn == 7) gs.playerShield[3] = QStringLiteral("plavi stit");
    gs.currentPlayer = static_cast<int16_t>((turn + 1) % 4);
}

}  // namespace

class TestPictureCache : public QObject {
    Q_OBJECT

private slots:
    void tenRefreshesDecodeEachFileOnce();
    void withoutTheCacheEveryRefreshDecodesAgain();
};

void TestPictureCache::tenRefreshesDecodeEachFileOnce() {
    TestGame g;
    newGameOfFour(g);
    g.screens.show(ScreenId::Form1);
    Form1* board = g.screen<Form1>(ScreenId::Form1);
    QVERIFY(board);

    // The roll button's dice are an icon, not an element, and decoded with the rest.
    QSet<QString> seen{QStringLiteral("ui/dice.png")};
    seen.unite(shownFiles(board));
    for (int turn = 0; turn < 10; ++turn) {
        nextTurn(g.gs, turn);
        board->Form_Load();
        seen.unite(shownFiles(board));
    }
    QVERIFY(seen.contains(QStringLiteral("plate.gif")));
    QVERIFY(seen.contains(QStringLiteral("plavistit.gif")));
    QVERIFY2(g.pictures.decodeCount() == seen.size(),
             qPrintable(QStringLiteral("%1 decodes for %2 files")
                            .arg(g.pictures.decodeCount())
                            .arg(seen.size())));
}

// The same count without the cache, so the check above is known to notice a redecode.
void TestPictureCache::withoutTheCacheEveryRefreshDecodesAgain() {
    TestGame g;
    g.pictures.setCaching(false);
    newGameOfFour(g);
    g.screens.show(ScreenId::Form1);
    Form1* board = g.screen<Form1>(ScreenId::Form1);
    QVERIFY(board);
    const int before = g.pictures.decodeCount();
    for (int turn = 0; turn < 10; ++turn) board->Form_Load();
    // Thirty tiles and three layers a square, plus the players' own pictures.
    QVERIFY(g.pictures.decodeCount() - before >= 10 * 4 * 30);
}

QTEST_MAIN(TestPictureCache)
#include "test_picture_cache.moc"
