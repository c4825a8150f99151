#pragma once

#include <QLineEdit>
#include <QPair>
#include <QString>
#include <QStringList>
#include <initializer_list>

#include "screens/Form1/Form1.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "support/TestGame.h"

// Plays the opening of a game through the real screens: title, creation, board.
namespace GameScript {

// The 29 board draws (1..8) for squares 1..29: plain everywhere except the squares given as
// {square, draw} (6 danger, 7 reward, 8 coin).
inline QString board(std::initializer_list<QPair<int, int>> kinds = {}) {
    QString draws(29, QLatin1Char('1'));
    for (const auto& k : kinds) draws[k.first - 1] = QChar('0' + k.second);
    return draws;
}

inline void pushBoard(TestGame& g, const QString& draws) {
    for (const QChar c : draws) g.random.pushRoll(c.digitValue(), 8);
}

// Title screen, START, then one name per slot with SLEDECI between them; creation stays open.
inline Kreiranje* createPlayers(TestGame& g, const QStringList& names) {
    if (!g.screens.isLoaded(ScreenId::Form2)) g.screens.show(ScreenId::Form2);
    g.screen<Form2>(ScreenId::Form2)->Command1_Click();
    auto* k = g.screen<Kreiranje>(ScreenId::Kreiranje);
    for (int i = 0; i < names.size(); ++i) {
        k->Text1->setText(names[i]);
        if (i + 1 < names.size()) k->Command4_Click();
    }
    return k;
}

// Creation's START with the board draws scripted; the board, or nullptr when it did not stay.
inline Form1* startBoard(TestGame& g, const QString& draws = board()) {
    pushBoard(g, draws);
    g.screen<Kreiranje>(ScreenId::Kreiranje)->Command3_Click();
    return g.screen<Form1>(ScreenId::Form1);
}

inline Form1* newGame(TestGame& g, const QStringList& names, const QString& draws = board()) {
    createPlayers(g, names);
    return startBoard(g, draws);
}

// One press of the roll button with the die scripted.
inline void roll(TestGame& g, int die) {
    g.random.pushRoll(die, 6);
    g.screen<Form1>(ScreenId::Form1)->Command1_Click();
}

}  // namespace GameScript
