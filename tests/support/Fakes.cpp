#include "Fakes.h"

#include <QTest>

void FakeDialogs::message(const QString& prompt) {
    dieMessage(prompt, 0);
}

void FakeDialogs::dieMessage(const QString& prompt, int face) {
    messages.append(prompt);
    dieFaces.append(face);
    if (onMessage) onMessage(prompt);
}

QString FakeDialogs::input(const QString& prompt) {
    inputPrompts.append(prompt);
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("input box with no scripted answer: ") + prompt),
                     __FILE__, __LINE__);
        return {};
    }
    return answers.dequeue();
}

QStringList FakeSound::paths() const {
    QStringList list;
    for (const Played& p : played) list.append(p.path);
    return list;
}

double FakeRandom::draw() {
    ++drawCount;
    if (draws.isEmpty()) {
        QTest::qFail("the game drew more random numbers than the test scripted", __FILE__,
                     __LINE__);
        return 0.0;
    }
    return draws.dequeue();
}
