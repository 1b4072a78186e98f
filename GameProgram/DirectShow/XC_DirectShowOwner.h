#pragma once

#include <windows.h>

#include <string>

// The DirectShow interfaces, declared only: users of the players need not
// see the DirectShow headers and their macros.
struct IGraphBuilder;

// One interface a player asks its graph for, and the call text a failure
// is reported with.
struct XS_GraphQuery
{
    REFIID iid;
    void** ppInterface;
    const char* szCall;
};

// What both DirectShow players are given by Init: the window their graph
// events go to, the message that carries them, the folder of their files,
// and the COM start-up that the graphs need.
class XC_DirectShowOwner
{
public:
    XC_DirectShowOwner() = default;
    XC_DirectShowOwner(const XC_DirectShowOwner&) = delete;
    XC_DirectShowOwner& operator=(const XC_DirectShowOwner&) = delete;
    ~XC_DirectShowOwner();

    // Refuses a missing window or folder and a second Init, reporting with
    // the player's source file.
    HRESULT Init(const char* szSourceFile, HWND hWndApp, long lNotify, const char* szFilePath);
    void Fini();

    HWND Window() const { return m_hWndApp; }
    long Notify() const { return m_lNotify; }
    // The folder followed by the file name, in UTF-16 through the process's
    // ANSI code page, cut to at most 259 characters.
    std::wstring MediaPath(const char* szFileName) const;
    // Makes a filter graph that renders the file of the folder, then asks it
    // for each interface; the first failure is reported with the player's
    // source file and its call text, and returned.
    HRESULT BuildGraph(const char* szSourceFile, const char* szFileName, const char* szRenderCall,
                       IGraphBuilder** ppGraph, const XS_GraphQuery* pQueries, size_t queryCount) const;

private:
    HWND m_hWndApp = nullptr;
    long m_lNotify = 0;
    char* m_lpstrFilePath = nullptr;
    bool m_bComInitialized = false;
};
