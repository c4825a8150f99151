#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <optional>
#include <random>

#include "platform/App.h"
#include "platform/Dialogs.h"
#include "game/Random.h"
#include "platform/Sound.h"

// Message and input boxes answered from a script. Every prompt is logged; an input box with no
// scripted answer fails the running test at once (and is answered "" so nothing hangs).
class FakeDialogs : public Dialogs {
public:
    void message(const QString& prompt) override { dieMessage(prompt, 0); }
    void dieMessage(const QString& prompt, int face) override {
        messages.append(prompt);
        dieFaces.append(face);
        if (onMessage) onMessage(prompt);
    }
    void unattendedMessage(const QString& prompt, int face, int closeAfterMs) override {
        unattended.append(prompt);
        Q_UNUSED(closeAfterMs);
        dieMessage(prompt, face);
    }
    QString answeredInput(const QString& prompt, const QString& answer, int) override {
        inputPrompts.append(prompt);
        typedAnswers.append(answer);
        return answer;
    }
    QString input(const QString& prompt) override {
        inputPrompts.append(prompt);
        if (!answers.isEmpty()) return answers.dequeue();
        QTest::qFail(qPrintable("input box with no scripted answer: " + prompt), __FILE__,
                     __LINE__);
        return {};
    }

    QStringList messages;      // every message box, in order
    QList<int> dieFaces;       // the face shown by each of them, 0 for none
    QStringList inputPrompts;  // every input box, in order
    QStringList unattended;    // the message boxes that closed by themselves
    QStringList typedAnswers;  // what computer players answered
    QQueue<QString> answers;   // answers to the next input boxes
    // Runs while a message box is "open", for tests that act in the middle of a handler.
    std::function<void(const QString&)> onMessage;
};

// Records every sound that reaches the speakers, with its mode and volume.
class FakeSound : public Sound {
public:
    struct Played {
        QString path;
        Mode mode;
        int volume;
    };
    void output(const QString& path, Mode mode) override { played.append({path, mode, volume()}); }
    QStringList paths() const {
        QStringList list;
        for (const Played& p : played) list.append(p.path);
        return list;
    }

    QList<Played> played;
};

// Scripted draws. Running out fails the running test at once.
class FakeRandom : public Random {
public:
    void randomize() override { ++randomizeCount; }
    double draw() override {
        ++drawCount;
        if (!draws.isEmpty()) return draws.dequeue();
        if (afterScript) return std::uniform_real_distribution<double>(0.0, 1.0)(*afterScript);
        QTest::qFail("the game drew more random numbers than the test scripted", __FILE__,
                     __LINE__);
        return 0.0;
    }

    // Queues a draw that makes Int(draw x n) + 1 come out as value.
    void pushRoll(int value, int n) { draws.enqueue((value - 0.5) / n); }
    void pushDraw(double d) { draws.enqueue(d); }

    QQueue<double> draws;
    // Whole games: once the script is used up, draws come from this seeded generator.
    std::optional<std::mt19937_64> afterScript;
    int drawCount = 0;
    int randomizeCount = 0;
};

class FakeApp : public App {
public:
    void quit() override {
        quitting_ = true;
        ++quitCount;
    }
    int quitCount = 0;
};
