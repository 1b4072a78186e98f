#pragma once

#include "GameProgram/Common/XC_Addressee.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <functional>
#include <string>
#include <vector>

// A work that writes what happens to it into a shared journal, as
// "NAME:Begin", "NAME:Step ELAPSED", "NAME:End" and "NAME:Deleted".
class SpriteTestWork : public XC_SpriteWorkBase
{
public:
    SpriteTestWork(const char* szName, float fDelay, float fWork, std::vector<std::string>* pJournal)
        : m_pJournal(pJournal)
    {
        SetName(szName);
        SetDelayTime(fDelay);
        SetWorkTime(fWork);
    }
    ~SpriteTestWork() override { Note("Deleted"); }

    void Begin() override
    {
        Note("Begin");
        if (m_OnBegin)
            m_OnBegin();
    }
    void End() override { Note("End"); }
    BOOL Step(float fElapsedTime) override
    {
        const BOOL bFinished = Advance(fElapsedTime);
        Note("Step " + std::to_string(GetElapsedTime()).substr(0, 3));
        if (m_OnStep)
            m_OnStep();
        return bFinished;
    }

    std::function<void()> m_OnBegin;
    std::function<void()> m_OnStep;

private:
    void Note(const std::string& strEvent) { m_pJournal->push_back(std::string(GetName()) + ":" + strEvent); }

    std::vector<std::string>* m_pJournal;
};

// An addressee that runs a function for every message it gets.
class SpriteTestListener : public XC_Addressee
{
public:
    DWORD OnCallBack(DWORD_PTR dwValue1, DWORD_PTR dwValue2, DWORD_PTR dwValue3, DWORD_PTR dwValue4) override
    {
        if (m_OnMessage)
            m_OnMessage(dwValue1, dwValue2, dwValue3, dwValue4);
        return 0;
    }

    std::function<void(DWORD_PTR, DWORD_PTR, DWORD_PTR, DWORD_PTR)> m_OnMessage;
};
