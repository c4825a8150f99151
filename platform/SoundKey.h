#pragma once

#include <QObject>

class Sound;

// The key M turns the sound off and on again in every window of the game, message boxes
// included; typed into a text field it stays a letter. Installed on the application.
class SoundKey : public QObject {
    Q_OBJECT
public:
    explicit SoundKey(Sound& sound);
    ~SoundKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Sound& sound_;
};
