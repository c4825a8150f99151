#include "credits.h"

#include <algorithm>

#include <QLabel>
#include <QShortcut>

#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Ui.h"
#include "state/Items.h"

namespace {
const char* const kAboutText = QT_TRANSLATE_NOOP(
    "credits",
    "KAVGALIJA! je igra na tabli za dva do cetiri igraca za jednim racunarom. Svako redom "
    "baca kocku i obilazi krug od trideset polja: na kovcegu ceka nagrada, na opasnom polju "
    "nesreca, a gde se dva junaka sretnu, tu pocinje kavga. U borbi odlucuju kocka, stit, "
    "oruzje i jezik, jer se junaci svakim udarcem i zadirkuju. Pobednik je onaj ko skupi "
    "tacno onoliko zlatnika koliko je zadato u opcijama, ni zlatnik vise ni manje. Igru su "
    "napravili osnivaci malog studija KAVGALIJA!, u C++ jeziku sa bibliotekom Qt, za duge "
    "zimske veceri sa drustvom. Slike su nacrtane po uzoru na otvorene zbirke ikona: "
    "Fluent Emoji kompanije Microsoft (MIT licenca) i Game-icons.net (autori Lorc, Delapouite "
    "i saradnici, licenca CC BY 3.0). Slova su Comic Neue (Craig Rozynski, licenca SIL OFL). "
    "Glasovi: Festival (SLT, KAL, Machac), publika: espeak-ng, zvuci: SoX. Hvala svima koji "
    "dele svoj rad "
    "slobodno! Igrajte posteno, a kad izgubite, ne ljutite se: uvek mozete da kazete da vas "
    "je izdao stit.");

// Which body each head stands on (head element -> body element).
constexpr int kBodyOf[13] = {0, 2, 1, 7, 11, 9, 4, 5, 10, 12, 6, 8, 3};
}  // namespace

credits::credits(Context& c) : Screen(c, ScreenId::credits) {
    setFixedSize(Ui::twipsToPixels(11730), Ui::twipsToPixels(8970));
    setStyleSheet(
        QStringLiteral("credits { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
                       "#20324a, stop:1 #0d1521); }"));

    // Thirteen figures in two bands, left and right of the text column: the upper one near the
    // top edge, the lower one as near the bottom edge (a figure is 168 px with its step down).
    constexpr int kEdge = 16;
    constexpr int kFigureH = 30 + 34 + 104;
    const int lowerTop = height() - kEdge - kFigureH;
    const int columnLeft = Ui::twipsToPixels(4680);
    const int columnRight = columnLeft + Ui::twipsToPixels(2775);
    std::array<QPoint, 13> spots;
    for (int i = 0; i < 13; ++i) {
        const bool top = i < 7;
        const int inBand = top ? i : i - 7;
        const int perBand = top ? 7 : 6;
        const int leftCount = (perBand + 1) / 2;
        const bool left = inBand < leftCount;
        const int k = left ? inBand : inBand - leftCount;
        const int places = left ? leftCount : perBand - leftCount;
        const int from = left ? 8 : columnRight + 12;
        const int to = left ? columnLeft - 78 : width() - 78;
        const int x = places > 1 ? from + k * (to - from) / (places - 1) : from;
        spots[i] = QPoint(x, (top ? kEdge : lowerTop) + (k % 2) * 30);
    }
    for (int body = 0; body < 13; ++body) {
        Image2[body] = Ui::picture(this, QStringLiteral("Image2(%1)").arg(body), {0, 0, 70, 104});
        ctx.pictures.load(Image2[body], Items::armorPicture(body % Items::ARMOR_CODES));
    }
    for (int head = 0; head < 13; ++head) {
        const QPoint at = spots[head];
        // The portrait covers the body's neck, as on the board.
        Image2[kBodyOf[head]]->move(at.x(), at.y() + 34);
        Image1[head] = Ui::picture(this, QStringLiteral("Image1(%1)").arg(head),
                                   {at.x() + 10, at.y(), 50, 57});
        ctx.pictures.load(Image1[head],
                          QStringLiteral("\\lik%1.gif").arg(head, 2, 10, QLatin1Char('0')));
    }

    // The banner and the scroll in the free space between the bands, left of the text.
    const int between = (kEdge + kFigureH + lowerTop) / 2;
    Image3 = Ui::picture(this, QStringLiteral("Image3"), {18, between - 78, 40, 156});
    ctx.pictures.load(Image3, QStringLiteral("ui/about-1.png"));
    Image4 = Ui::picture(this, QStringLiteral("Image4"), {76, between - 56, 112, 112});
    ctx.pictures.load(Image4, QStringLiteral("ui/about-2.png"));

    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(),
                       Ui::twips(4680, kTextStart, 2775, 9135));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Label1->setFont(Ui::gameFont(11));
    retranslate();
    Label1->setStyleSheet(QStringLiteral("color: #f6e7c1;"));

    // Escape closes the window as its frame does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    Timer1.setInterval(ctx.aboutStepMs);
    connect(&Timer1, &QTimer::timeout, this, &credits::Timer1_Timer);
    Timer1.start();
}

void credits::retranslate() {
    setWindowTitle(tr("O igri i autoru"));
    Label1->setText(tr(kAboutText));
    // Tall enough for the whole text in the game's lettering, so the last lines are not cut off.
    const int textHeight = Label1->heightForWidth(Label1->width());
    textTwips_ = textHeight * 15;
    Label1->resize(Label1->width(), std::max(Ui::twipsToPixels(9135), textHeight));
}

void credits::setLabel1Top(int twips) {
    label1Top_ = twips;
    Label1->move(Label1->x(), Ui::twipsToPixels(twips));
}

void credits::Timer1_Timer() {
    if (label1Top_ + textTwips_ <= kTextTurn) setLabel1Top(kTextStart);
    setLabel1Top(label1Top_ - kTextStep);
}
