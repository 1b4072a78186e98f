#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>

// The real game program played from a test: started unattended in a game
// folder as a debuggee, so its debugger output and its exit code are seen;
// driven with keys and clicks at game pixels through xdotool; looked at
// through its own screenshots (F1). Every wait has a time limit and a
// failure says what was seen.
class PlayedGame
{
public:
    // Sets the windowed settings and starts the program of the folder with
    // the arguments.
    PlayedGame(const std::string& strFolder, const std::string& strArguments = "-unattended 1",
               const std::string& strProgram = "Oskel4_trial.exe");
    // Ends a program still running.
    ~PlayedGame();
    PlayedGame(const PlayedGame&) = delete;
    PlayedGame& operator=(const PlayedGame&) = delete;

    bool Started() const { return m_bStarted; }
    // Everything the program has sent to the debugger's output so far.
    std::string Output() const;
    // Waits until the output holds the text.
    bool WaitForOutput(const std::string& strText, DWORD dwMilliseconds) const;
    // Waits for the program's end; false when it still runs.
    bool WaitForExit(DWORD dwMilliseconds) const;
    DWORD ExitCode() const;

    // The game's window, once it exists.
    HWND Window() const;
    // The game follows the pointer by its moves away from the window's
    // centre, to which it brings the pointer back: the pointer is moved by
    // the way from where the game has it (the centre after the title's
    // reset, or the last MoveTo) to the game pixel.
    void GameCursorAtCentre() { m_GameCursor = {400, 300}; }
    bool MoveTo(int iX, int iY);
    // MoveTo, then a left (1) or right (3) click.
    bool Click(int iX, int iY, int iButton = 1);
    // Presses and releases keys by their xdotool names ("F1", "shift+Escape").
    bool Key(const std::string& strKey) const;
    // A screenshot through the game's F1, waiting for its file; an empty
    // path when none came.
    std::string Screenshot() const;

    // The game folder's error log as it is now.
    std::string Log() const;

    // MoveTo in hops: the game takes at most 200 pixels of one move.
    bool HopTo(int iX, int iY);
    // Pushes the game's cursor into the top-left corner, where the game
    // holds it however far it is pushed: a known place, whatever moves the
    // game lost or screens that opened reset.
    bool PinCursorToCorner();

private:
    void Run(const std::string& strCommandLine);
    void Note(const std::string& strText);
    bool WaitFor(const std::function<bool()>& done, DWORD dwMilliseconds) const;

    std::string m_strFolder;
    mutable std::mutex m_Mutex;
    std::string m_strOutput;
    bool m_bStarted = false;
    bool m_bExited = false;
    DWORD m_dwExitCode = STILL_ACTIVE;
    HANDLE m_hProcess = nullptr;
    HANDLE m_hReady = nullptr;
    POINT m_GameCursor = {400, 300};
    std::thread m_Debugger;
};
