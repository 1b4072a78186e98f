#pragma once

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Script/XC_Script.h"

// A script that owns a dialogue file, whose lines its commands show by
// number, and reads the shared person data: who speaks, in which colour,
// with which portrait. Its commands are the dialogue command set.
class XC_DialogueScript : public XC_Script
{
public:
    XC_DialogueScript();
    ~XC_DialogueScript() override;

    // The engine's script, then the dialogue file named by "[Sys]" "DialogueFile".
    HRESULT Load(XC_TextNode* pTNodeScript) override;
    // The person data file, owned by the script manager.
    virtual HRESULT SetPersonData(const XC_IOTextFile* pDialoguePersonData);
    virtual HRESULT LoadDialogueFile(const char* szDialogueFileName);
    virtual HRESULT GetDialogueFromLineNum(DWORD dwLineNum, XC_String& stringDialogue) const;
    virtual HRESULT GetPersonDataFromIndex(DWORD dwPerson, XC_String& strAniName, XC_String& strName,
                                           DWORD& dwColor) const;
    virtual HRESULT GetPersonFaceFromIndex(DWORD dwPerson, XC_String& strAniName) const;
    virtual HRESULT GetPersonNameFromIndex(DWORD dwPerson, XC_String& strName, DWORD& dwColor) const;

protected:
    std::vector<const char*> GetOwnSections() const override { return {"[Sys]"}; }

private:
    XC_IOTextFile m_DialogueFile;
    // Named in the reports of missing lines; empty before a file is loaded.
    XC_String m_strDialogueFileName;
    const XC_IOTextFile* m_pDialoguePersonData = nullptr;
};
