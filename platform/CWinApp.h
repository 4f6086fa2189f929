// The application object. The whole run happens in InitInstance (there is no main window and
// no message loop); ExitInstance follows in every case and answers the process exit code.
#pragma once

#include "platform/WinTypes.h"

#include <string>

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // The command line after the program name.
    std::string m_lpCmdLine;
};

CWinApp* AfxGetApp();
void AfxEnableControlContainer();

// Shows the wait cursor until the matching EndWaitCursor.
void BeginWaitCursor();
void EndWaitCursor();

// The wait cursor for the life of the object, as MFC's CWaitCursor.
class CWaitCursor {
public:
    CWaitCursor() { BeginWaitCursor(); }
    ~CWaitCursor() { EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The process entry of every program: sets up the backend from the environment, runs
// InitInstance and ExitInstance of the application object, and answers the exit status
// (3 when the host world itself could not go on, with one line on stderr).
int AfxWinMain(int argc, char** argv);
