// The behaviour walker fed arbitrary effect lines: the input is split into
// lines, each byte of the first line's start choosing the deal success given
// after each step. Built natively: fuzz/run orders.
#include "JC_Order/JC_OrderBehavior.h"
#include "JC_DataManager/Manager/JC_OskelTemplateManager.h"

#include <cstdint>
#include <new>

// The walker only looks names up; no define is known here.
DWORD JC_OskelTemplateManager::GetDefineInfo(const std::string&) const
{
    return JE_DEFINE_NOT_FOUND;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t size)
{
    alignas(JC_OskelTemplateManager) static unsigned char s_Storage[sizeof(JC_OskelTemplateManager)];
    const auto* pTemplates = reinterpret_cast<const JC_OskelTemplateManager*>(s_Storage);
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i)
    {
        if (pData[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(pData[i]);
    }
    JC_OrderBehavior walker;
    walker.Initiation(pTemplates);
    walker.SetOrderBehavior(&lines);
    for (size_t step = 0; step <= lines.size() + 1; ++step)
    {
        const DWORD dwResult = walker.DealNext();
        if (dwResult == JS_ORDERBEHAVIOR_END)
            break;
        walker.GetBehaviorType();
        walker.GetBehaviorParameter(static_cast<DWORD>(step));
        walker.SetDealSuccess(size != 0 ? (pData[step % size] & 1) : 0);
    }
    return 0;
}
