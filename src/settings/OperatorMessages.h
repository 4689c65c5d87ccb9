#pragma once

#include <QString>

namespace zor {

// What the link layer needs from the operator, without any widget code: the
// main window implements it with message boxes, tests answer it directly.
class OperatorMessages {
public:
    virtual ~OperatorMessages() = default;

    // A message box with an exclamation icon and an OK button.
    virtual void warn(const QString& title, const QString& text) = 0;
    // The same box, shown once the event being handled (a click, a menu
    // opening) has finished rather than from inside it; where nothing runs
    // events, at once.
    virtual void warnAfterEvent(const QString& title, const QString& text) { warn(title, text); }
    // A message box with a critical-error icon and an OK button.
    virtual void critical(const QString& title, const QString& text) = 0;
    // A message box with a critical-error icon and Yes/No; true for Yes.
    virtual bool askCritical(const QString& title, const QString& text) = 0;
    // Ends the program at once, without touching instrument or files.
    virtual void quitProgram() = 0;
    // Lets pending window events run once; while the input is held, the
    // operator's clicks and keys stay pending.
    virtual void processPendingEvents() = 0;

    // While the instrument link carries out a command or query, the
    // operator's input waits for it: the window repaints and its timers run,
    // but no click or key starts another command inside the one under way.
    // Holds nest: each holdInput(true) is ended by one holdInput(false).
    static void holdInput(bool held) { inputHolds_ += held ? 1 : -1; }
    static bool inputHeld() { return inputHolds_ > 0; }

private:
    // Only the window's thread talks to the instrument.
    inline static int inputHolds_ = 0;
};

} // namespace zor
