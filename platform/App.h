#pragma once

// Ending the program.
class App {
public:
    virtual ~App() = default;
    // Ends the program at once, closing every screen.
    virtual void quit() = 0;
    // True once quit() was asked; windows then close without their own close rules.
    bool quitting() const { return quitting_; }

protected:
    bool quitting_ = false;
};

class QtApp : public App {
public:
    void quit() override;
};
