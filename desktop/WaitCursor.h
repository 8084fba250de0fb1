#pragma once

// The wait cursor for as long as the object lives, while the program reads,
// writes or builds something the user waits for. Without a screen (a
// program without a QGuiApplication) it does nothing.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    // Back to the normal cursor before the object goes.
    void restore();

private:
    bool m_shown;
};
