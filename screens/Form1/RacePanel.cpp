#include "RacePanel.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/ElidedLabel.h"
#include "platform/Language.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Ui.h"
#include "screens/ComputerSeats.h"

namespace {
constexpr int kRowW = 190;
constexpr int kRowH = 66;
constexpr int kGap = 8;

// Everything drawn for a token (its band and the ring of light) lies within this around its
// portrait; empty for a slot not in the game.
QRect markArea(const QRect& portrait) {
    return portrait.isNull() ? QRect() : portrait.adjusted(-16, -16, 16, 16);
}
}  // namespace

QColor PlayerMark(int slot) {
    static const std::array<QColor, GameState::MAX_PLAYERS> marks = {
        QColor(0xe0, 0x4f, 0x4f), QColor(0x4a, 0x90, 0xe2), QColor(0xf2, 0xc1, 0x2e),
        QColor(0xb0, 0x62, 0xd6)};
    return marks[static_cast<size_t>(slot) % marks.size()];
}

RacePanel::RacePanel(QWidget* parent, const QRect& geometry) : QWidget(parent) {
    setObjectName(QStringLiteral("RacePanel"));
    setGeometry(geometry);
    for (int k = 0; k < P; ++k) {
        auto* row = new QWidget(this);
        row->setObjectName(QStringLiteral("Row(%1)").arg(k));
        row->setGeometry(0, 0, kRowW, kRowH);
        Portrait[k] = Ui::picture(row, QStringLiteral("Portrait(%1)").arg(k), {10, 4, 50, 57});
        Name[k] = new ElidedLabel(QStringLiteral("Name(%1)").arg(k), row, {66, 6, kRowW - 72, 26});
        Name[k]->setFont(Ui::gameFont(12, true));
        Gold[k] = new ElidedLabel(QStringLiteral("Gold(%1)").arg(k), row, {66, 34, kRowW - 72, 26});
        Gold[k]->setFont(Ui::gameFont(12));
        // Two lines over the portrait's foot: "racunar" and its strength.
        Seat[k] = Ui::label(row, QStringLiteral("Seat(%1)").arg(k), QString(), {8, 36, 54, 26});
        Seat[k]->setFont(Ui::gameFont(8, true));
        Seat[k]->setAlignment(Qt::AlignCenter);
        Seat[k]->setStyleSheet(
            QStringLiteral("color: #1e1208; background: #f6e7c1; border-radius: 4px;"));
        Row[k] = row;
    }
}

void RacePanel::refresh(const GameState& gs, Pictures& pictures) {
    int shown = 0;
    for (int k = 0; k < P; ++k) shown += IsInGame(gs, k) ? 1 : 0;
    int x = (width() - shown * kRowW - (shown - 1) * kGap) / 2;
    const int mover = gs.currentPlayer;
    // The rows' frames are painted here: a row that comes, goes or moves repaints the panel, the
    // light moving on only the two rows concerned, and nothing else at all.
    bool laidOut = false;
    for (int k = 0; k < P; ++k) {
        if (Row[k]->isHidden() == IsInGame(gs, k)) laidOut = true;
        Row[k]->setVisible(IsInGame(gs, k));
        if (!IsInGame(gs, k)) continue;
        if (Row[k]->pos() != QPoint(x, 0)) laidOut = true;
        Row[k]->move(x, 0);
        x += kRowW + kGap;
        pictures.load(Portrait[k], gs.playerPortrait[k]);
        Name[k]->setText(gs.playerName[k]);
        Gold[k]->setText(QStringLiteral("%1 / %2").arg(gs.playerGold[k]).arg(gs.goldToWin));
        const bool moves = k == mover;
        const QColor color = moves ? QColor(0xff, 0xd3, 0x5a) : QColor(0xf6, 0xe7, 0xc1);
        Name[k]->setTextColor(color);
        Gold[k]->setTextColor(color);
        Seat[k]->setVisible(gs.playerComputer[k]);
    }
    describe(gs);
    if (laidOut) {
        update();
    } else if (mover != mover_) {
        for (int k : {mover_, mover})
            if (k >= 0 && k < P) update(Row[k]->geometry());
    }
    mover_ = mover;
}

void RacePanel::describe(const GameState& gs) {
    for (int k = 0; k < P; ++k) {
        if (!IsInGame(gs, k)) continue;
        const QString strength = StrengthName(gs.playerStrength[k]);
        Seat[k]->setText(tr("racunar") + QLatin1Char('\n') + strength);
        // The figure is read as it stands; the row's own name says it as a sentence.
        Portrait[k]->setMeaning(Ui::portraitOf(gs.playerName[k]));
        const bool moves = k == gs.currentPlayer;
        const char* const sentence =
            gs.playerComputer[k]
                ? (moves ? QT_TRANSLATE_N_NOOP("RacePanel", "%1, racunar, %2 od %n zlatnika, na potezu")
                         : QT_TRANSLATE_N_NOOP("RacePanel", "%1, racunar, %2 od %n zlatnika"))
                : (moves ? QT_TRANSLATE_N_NOOP("RacePanel", "%1, %2 od %n zlatnika, na potezu")
                         : QT_TRANSLATE_N_NOOP("RacePanel", "%1, %2 od %n zlatnika"));
        // One pass over the pattern, so a name with "%2" in it stays as typed.
        QString said = Language::counted("RacePanel", sentence, gs.goldToWin)
                           .arg(gs.playerName[k], QString::number(gs.playerGold[k]));
        if (gs.playerComputer[k]) said += tr(", igra %1").arg(strength.toLower());
        Row[k]->setAccessibleName(said);
    }
}

void RacePanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < P; ++k) {
        if (!Row[k]->isVisible() || !event->region().intersects(Row[k]->geometry())) continue;
        const QRectF r = QRectF(Row[k]->geometry()).adjusted(1.5, 1.5, -1.5, -1.5);
        const bool moves = k == mover_;
        painter.setBrush(moves ? QColor(255, 240, 200, 60) : QColor(0, 0, 0, 70));
        painter.setPen(QPen(moves ? QColor(0xff, 0xf2, 0xc4) : QColor(0, 0, 0, 0), 3));
        painter.drawRoundedRect(r, 10, 10);
        painter.setPen(Qt::NoPen);
        painter.setBrush(PlayerMark(k));
        painter.drawRoundedRect(QRectF(r.left() + 3, r.top() + 6, 5, r.height() - 12), 2, 2);
    }
}

TokenMarks::TokenMarks(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("TokenMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(board->rect());
}

void TokenMarks::refresh(const std::array<QRect, GameState::MAX_PLAYERS>& portraits, int mover) {
    raise();
    const auto ringAt = [](const auto& at, int slot) {
        return slot >= 0 && slot < int(at.size()) ? at[size_t(slot)] : QRect();
    };
    // Only the marks that change are painted again: where a token left and where it came, and
    // where the ring of light was and is.
    QRegion changed;
    for (size_t k = 0; k < portraits.size(); ++k) {
        if (portraits[k] == portraits_[k]) continue;
        changed += markArea(portraits_[k]);
        changed += markArea(portraits[k]);
    }
    if (mover != mover_) {
        changed += markArea(ringAt(portraits_, mover_));
        changed += markArea(ringAt(portraits, mover));
    }
    portraits_ = portraits;
    mover_ = mover;
    update(changed);
}

void TokenMarks::paintEvent(QPaintEvent* event) {
    const QRegion& dirty = event->region();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (mover_ >= 0 && !portraits_[mover_].isNull() &&
        dirty.intersects(markArea(portraits_[mover_]))) {
        const QRectF r = QRectF(portraits_[mover_]).adjusted(-6, -6, 6, 6);
        QRadialGradient glow(r.center(), r.width() * 0.75);
        glow.setColorAt(0.55, QColor(255, 236, 150, 0));
        glow.setColorAt(0.75, QColor(255, 236, 150, 150));
        glow.setColorAt(1.0, QColor(255, 236, 150, 0));
        painter.setPen(QPen(QColor(0xff, 0xf2, 0xc4), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(r);
        painter.setPen(QPen(QBrush(glow), 8));
        painter.drawEllipse(r.adjusted(-3, -3, 3, 3));
    }
    // Players on one square share the band under its portrait, each a piece of it.
    std::array<int, GameState::MAX_PLAYERS> sharing{};
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k)
        for (int j = 0; j < GameState::MAX_PLAYERS; ++j)
            if (!portraits_[k].isNull() && portraits_[j] == portraits_[k]) ++sharing[k];
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        const QRect& p = portraits_[k];
        if (p.isNull() || !dirty.intersects(markArea(p))) continue;
        int place = 0;
        for (int j = 0; j < k; ++j) place += portraits_[j] == p ? 1 : 0;
        const qreal w = qreal(p.width() - 4) / sharing[k];
        painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
        painter.setBrush(PlayerMark(k));
        painter.drawRoundedRect(QRectF(p.left() + 2 + place * w, p.bottom() - 3, w, 7), 3, 3);
    }
}
