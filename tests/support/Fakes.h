#pragma once

#include <functional>

#include "platform/App.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"
#include "support/Core.h"

// Message and input boxes answered from a script, every prompt logged. An input box with no
// scripted answer gets `otherwise`; without one it fails the running test (and gets "").
class FakeDialogs : public Dialogs {
public:
    void message(const QString& prompt) override { dieMessage(prompt, 0); }
    void dieMessage(const QString& prompt, int face) override {
        messages << prompt;
        dieFaces << face;
        if (onMessage) onMessage(prompt);
    }
    void unattendedMessage(const QString& prompt, int face, int closeAfterMs) override {
        unattended << prompt;
        closeAfter << closeAfterMs;
        dieMessage(prompt, face);
    }
    QString answeredInput(const QString& prompt, const QString& answer, int) override {
        inputPrompts << prompt;
        typedAnswers << answer;
        return answer;
    }
    bool ask(const QString& prompt) override {
        questions << prompt;
        return !asks.isEmpty() && asks.dequeue();
    }
    QString input(const QString& prompt) override {
        inputPrompts << prompt;
        if (!answers.isEmpty()) return answers.dequeue();
        if (otherwise) return *otherwise;
        QTest::qFail(qPrintable("input box with no scripted answer: " + prompt), __FILE__,
                     __LINE__);
        return {};
    }

    QStringList messages, inputPrompts;
    QList<int> dieFaces;       // the face shown by each message box, 0 for none
    QStringList unattended;    // the message boxes that closed by themselves
    QList<int> closeAfter;     // and how long each stayed up
    QStringList typedAnswers;  // what computer players answered
    QQueue<QString> answers;
    QStringList questions;  // every yes-or-no box, in order
    QQueue<bool> asks;      // their answers; no when none is left, as closing the box answers
    std::optional<QString> otherwise;
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
        for (const Played& p : played) list << p.path;
        return list;
    }
    QList<Played> played;
};

class FakeApp : public App {
public:
    void quit() override {
        quitting_ = true;
        ++quitCount;
    }
    int quitCount = 0;
};
