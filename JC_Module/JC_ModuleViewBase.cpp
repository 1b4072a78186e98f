#include "JC_Module/JC_ModuleViewBase.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

DWORD JC_ModuleViewBase::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                        JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    if (pControlManager == nullptr)
        return JE_MODULEVIEWBASE_NULL_CONTROL_MANAGER;
    if (!pControlManager->IsInitiated())
        return JE_MODULEVIEWBASE_CONTROL_MANAGER_NOT_INITIATED;
    m_Controls.Bind(*pControlManager);
    m_pParentNode = pParent;
    m_RenderNode.SetParent(pParent);
    if (pModuleMouse == nullptr)
        return JE_MODULEVIEWBASE_NULL_MODULE_MOUSE;
    if (pModuleResource == nullptr)
        return JE_MODULEVIEWBASE_NULL_MODULE_RESOURCE;
    m_pModuleMouse = pModuleMouse;
    m_pModuleResource = pModuleResource;
    return 0;
}

DWORD JC_ModuleViewBase::SetModuleDocumentToView(JC_ModuleDocumentBase* pDocument)
{
    m_pDocument = pDocument;
    return 0;
}

DWORD JC_ModuleViewBase::SetPosition(float fX, float fY, float fZ)
{
    m_fX = fX;
    m_fY = fY;
    m_fZ = fZ;
    m_RenderNode.SetPositionX(fX);
    m_RenderNode.SetPositionY(fY);
    m_RenderNode.SetPositionZ(fZ);
    return 0;
}

DWORD JC_ModuleViewBase::FrameMove(float /*fElapsedTime*/)
{
    return 0;
}

DWORD JC_ModuleViewBase::Update()
{
    m_bUpdatePending = m_bOpen ? 0 : 1;
    return 0;
}

void JC_ModuleViewBase::ShowRenderItem(XC_RenderingObject* pItem, BOOL bShow)
{
    pItem->SetShow(bShow);
}

void JC_ModuleViewBase::ShowRenderItemPage(XC_RenderAnimation* pItem, BOOL bShow, DWORD dwPage)
{
    pItem->SetShow(bShow);
    pItem->Stop();
    pItem->SetCurrentPage(dwPage);
}

void JC_ModuleViewBase::PlayRenderItem(XC_RenderAnimation* pItem, int iPlay, DWORD dwFirst, DWORD dwLast)
{
    if (iPlay == 1) {
        pItem->SetBeginPage(dwFirst);
        pItem->SetEndPage(dwLast);
        pItem->Play();
        return;
    }
    pItem->Stop();
    pItem->SetCurrentPage(dwFirst);
}

BOOL JC_ModuleViewBase::IsRenderItemHit(XC_RenderingObject* pItem, const D3DXVECTOR3* pvOrigin,
                                        const D3DXVECTOR3* pvDirection)
{
    if (pItem == nullptr || !pItem->GetShow())
        return FALSE;
    float fDistance = 0.0f;
    return pItem->Pick(pvOrigin, pvDirection, &fDistance) == 1;
}
