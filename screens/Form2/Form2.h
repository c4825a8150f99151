#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "game/SavedGame.h"

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class PictureBox;

// The title screen: the first window of the program.
class Form2 : public Screen {
    Q_OBJECT
public:
    explicit Form2(Context& ctx);
    // The seven decorations, for the program to start decoding before the window is built.
    static QStringList pictureNames();

    void Form_Load() override;
    void Command1_Click();  // START
    void Command2_Click();  // OPCIJE
    void Command3_Click();  // KRAJ
    void Command4_Click();  // AUTOR
    void Command5_Click();  // NASTAVI
    // Offers the saved game, when one can be read: NASTAVI shows, first of the buttons. A save
    // that cannot be read is told of and set aside.
    void offerResume();

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5 = nullptr;  // only while a saved game can be continued
    QLabel* Label1;
    QLabel* Label2;
    QLabel* title;
    std::array<PictureBox*, 7> Image{};  // Image1 .. Image7

protected:
    // Closing the title window ends the program, as KRAJ does.
    void frameClosed() override;
    void retranslate() override;

private:
    // The buttons one under another, NASTAVI first when it shows.
    void placeButtons();
    std::optional<Game::SavedGame> saved_;
};
