#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/DirectState/XC_SetRenderState.h"
#include "GameProgram/DirectState/XC_SetSamplerState.h"
#include "GameProgram/DirectState/XC_SetTexture.h"
#include "GameProgram/DirectState/XC_SetTextureStageState.h"
#include "GameProgram/DirectState/XI_DirectState.h"

#include <cstdint>
#include <unordered_map>

class XC_Strtok;
class XC_TextNode;
class XC_Texture;

// A bundle of device-state changes switched on before something is drawn and
// off after it. Sets nest: activating one remembers the object that was
// active (another set or the state cache), and deactivating it lets every
// state it changed fall back to what that chain gives. Changes made while
// the set is active reach the device at its next activation.
class XC_SetDirectState : public XI_DirectState
{
public:
    XC_SetDirectState() = default;
    ~XC_SetDirectState() override;
    XC_SetDirectState(const XC_SetDirectState&) = delete;
    XC_SetDirectState& operator=(const XC_SetDirectState&) = delete;

    HRESULT ApplyRenderState(DWORD eType) override;
    HRESULT ApplyTextureStageState(DWORD dwStage, DWORD eType) override;
    HRESULT ApplySamplerState(DWORD dwSampler, DWORD eType) override;
    // This set's value, else the predecessor's (the cache's while inactive).
    HRESULT GetRenderState(DWORD eType, DWORD* pdwValue) override;
    HRESULT GetTextureStageState(DWORD dwStage, DWORD eType, DWORD* pdwValue) override;
    HRESULT GetSamplerState(DWORD dwSampler, DWORD eType, DWORD* pdwValue) override;

    virtual HRESULT Copy(const XC_SetDirectState* pSrc);
    // Takes over the source's render, texture-stage, sampler and texture records.
    virtual HRESULT Add(const XC_SetDirectState* pSrc);
    virtual HRESULT LoadFromMemory(const void* pData, DWORD dwSize);
    virtual HRESULT LoadFromTextNode(const XC_TextNode* pTNode);
    virtual HRESULT LoadRenderStates(const XC_TextNode* pTNode);
    virtual HRESULT LoadTextureStageStates(const XC_TextNode* pTNode);
    virtual HRESULT LoadSamplerStates(const XC_TextNode* pTNode);
    virtual HRESULT LoadTextures(const XC_TextNode* pTNode);
    virtual HRESULT Activate();
    // Gives back the predecessor it had.
    virtual XI_DirectState* Deactivate();
    virtual void Clear();
    virtual HRESULT SetRenderState(DWORD eType, DWORD dwValue);
    virtual HRESULT SetTextureStageState(DWORD dwStage, DWORD eType, DWORD dwValue);
    virtual HRESULT SetSamplerState(DWORD dwSampler, DWORD eType, DWORD dwValue);
    // The record takes its own reference on the texture.
    virtual HRESULT SetTexture(DWORD dwStage, XC_Texture* pTextureObj);
    virtual HRESULT SetTexture(DWORD dwStage, const char* szTextureName);
    // No reference is added to the texture handed out.
    virtual HRESULT GetStageTexture(DWORD dwStage, XC_Texture** ppTextureObj) const;
    virtual HRESULT RemoveRenderState(DWORD eType);
    virtual HRESULT RemoveTextureStageState(DWORD dwStage, DWORD eType);
    virtual HRESULT RemoveSamplerState(DWORD dwSampler, DWORD eType);
    virtual HRESULT RemoveTexture(DWORD dwStage);

    // One command line: "SetRenderState 27 , 1" and its kin.
    virtual HRESULT ScriptSetDirectState(const char* szScript);
    virtual HRESULT ScriptSetDirectState(XC_Strtok& StrtokObj);
    // The commands' arguments without the command word: numbers in decimal
    // or "0x" hexadecimal, stage or sampler before type.
    virtual HRESULT ScriptSetRenderState(const char* szScript);
    virtual HRESULT ScriptSetRenderState(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptSetTextureStageState(const char* szScript);
    virtual HRESULT ScriptSetTextureStageState(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptSetSamplerState(const char* szScript);
    virtual HRESULT ScriptSetSamplerState(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptSetTexture(const char* szScript);
    virtual HRESULT ScriptSetTexture(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptRemoveRenderState(const char* szScript);
    virtual HRESULT ScriptRemoveRenderState(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptRemoveTextureStageState(const char* szScript);
    virtual HRESULT ScriptRemoveTextureStageState(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptRemoveSamplerState(const char* szScript);
    virtual HRESULT ScriptRemoveSamplerState(XC_Strtok& StrtokObj);
    virtual HRESULT ScriptRemoveTexture(const char* szScript);
    virtual HRESULT ScriptRemoveTexture(XC_Strtok& StrtokObj);

    // Appends a record of a kind of a derived set; the set owns it then.
    HRESULT AddSetState(XC_SetState* pSetStateObj);
    // Takes a record out of the set without deleting it.
    HRESULT RemoveSetState(XC_SetState* pSetStateObj);

private:
    // The object asked for a state this set does not hold.
    XI_DirectState* GetFallback() const;
    // Splits the line and runs the tokenizer form of a command on it.
    HRESULT RunScriptLine(const char* szScript, HRESULT (XC_SetDirectState::*pCommand)(XC_Strtok&));
    // Hands every leaf's text of a section to one command.
    HRESULT LoadSection(const XC_TextNode* pTNode, HRESULT (XC_SetDirectState::*pCommand)(const char*),
                        const char* szCall);
    // The set above this one in the active chain takes over its predecessor.
    void LeaveActiveChain();

    XC_SetRenderState* FindRenderState(DWORD eType) const;
    XC_SetTextureStageState* FindTextureStageState(DWORD dwStage, DWORD eType) const;
    XC_SetSamplerState* FindSamplerState(DWORD dwSampler, DWORD eType) const;
    XC_SetTexture* FindTexture(DWORD dwStage) const;
    // Adds a new record to its typed list, its index and the list of every record.
    template <class T>
    HRESULT AddRecord(XC_PtrArrayList<T>& List, std::unordered_map<std::uint64_t, T*>& Index, std::uint64_t qwKey,
                      T* pRecord);
    // Deletes the record of a key, when there is one.
    template <class T>
    void DeleteRecord(XC_PtrArrayList<T>& List, std::unordered_map<std::uint64_t, T*>& Index, std::uint64_t qwKey);

    // The state object that was active when this set was activated; null
    // while the set is inactive.
    XI_DirectState* g_pPredecessor = nullptr;
    XC_PtrArrayList<XC_SetRenderState> m_SetRenderStateList;
    XC_PtrArrayList<XC_SetTextureStageState> m_SetTextureStageStateList;
    XC_PtrArrayList<XC_SetSamplerState> m_SetSamplerStateList;
    XC_PtrArrayList<XC_SetTexture> m_SetTextureList;
    // Every record in the order of adding; the set owns them.
    XC_PtrArrayList<XC_SetState> m_SetStateList;
    // The typed records by state (and stage or sampler), so that a set of many
    // lines loads in time proportional to its lines.
    std::unordered_map<std::uint64_t, XC_SetRenderState*> m_RenderStateIndex;
    std::unordered_map<std::uint64_t, XC_SetTextureStageState*> m_TextureStageStateIndex;
    std::unordered_map<std::uint64_t, XC_SetSamplerState*> m_SamplerStateIndex;
    std::unordered_map<std::uint64_t, XC_SetTexture*> m_TextureIndex;
};

// The innermost active set, or the state cache while no set is active.
extern XI_DirectState* g_pActiveDirectStateObj;
