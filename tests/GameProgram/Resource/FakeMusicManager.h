#pragma once

#include "GameProgram/Resource/Music/XI_MusicManager.h"

#include <string>
#include <vector>

// A music manager that hands out a silent sound for every name and notes
// the names asked for.
class FakeMusicManager : public XI_MusicManager
{
public:
    ~FakeMusicManager() override { DeleteAllResource(); }

    XI_MusicObj* GetMusic(const char* szResourceName) override
    {
        m_Requests.push_back(szResourceName);
        return static_cast<XI_MusicObj*>(GetResource(szResourceName));
    }
    HRESULT SetVolume(DWORD) override { return S_OK; }
    HRESULT Init(HWND, const char*) override { return S_OK; }
    HRESULT Fini() override { return DeleteAllResource(); }
    HRESULT CreateMusic(const char*, XI_MusicObj*) override { return S_OK; }

    HRESULT CreateObjct(const char*, XC_Resource** ppResourceObj) override
    {
        *ppResourceObj = new SilentSound;
        return S_OK;
    }
    HRESULT DeleteResource(XC_Resource* pResourceObj) override
    {
        delete pResourceObj;
        return S_OK;
    }

    const std::vector<std::string>& Requests() const { return m_Requests; }

private:
    class SilentSound : public XI_MusicObj
    {
    public:
        HRESULT Play() override { return S_OK; }
        BOOL IsPlay() const override { return FALSE; }
    };

    std::vector<std::string> m_Requests;
};
