// datafile-bench.exe: how fast data files load, against splitting the same
// bytes into lines in the same run, and how field reads by item name compare
// with reads by item index. Prints figures and ratios; it is no test.
//   tools/bench --run datafile-bench.exe

#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_TemplateFileReader.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr int RECORDS = 2000;
constexpr int ITEMS = 40;
constexpr int ROUNDS = 5;

// The types of items 1 to 39 in turn; item 0 is the UINT32 "ID".
const char* const s_aszTypes[] = {"INT32", "UINT32", "FLOAT", "STRING", "BOOL", "COMBO", "VECTOR"};

std::string TemplateText()
{
    std::string strText = "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H00000100\"\r\n"
                          "@TemplateName \"基準\"\r\n@TemplateExplain \"\"\r\n@IncludeDefine \"Bench.h\"\r\n[HeadEnd]\r\n"
                          "@Name \"ID\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n";
    for (int i = 1; i < ITEMS; ++i) {
        const std::string strType = s_aszTypes[(i - 1) % 7];
        std::string strRules = "@MinMax \"\" @Default \"\"";
        std::string strTypeEx;
        if (strType == "COMBO")
            strRules = "@MinMax \"\" @Combos \"DF_KIND_\" @Default \"DF_KIND_A\"";
        else if (strType == "VECTOR")
            strTypeEx = "INT32", strRules = "@MinMax \"\" @ArraySize \"8,0\" @Default \"\"";
        strText += "@Name \"欄位" + std::to_string(i) + "\" @Type \"" + strType + "\" @TypeEx \"" + strTypeEx +
                   "\" @Radix \",\" " + strRules + "\r\n";
    }
    return strText + "[FileEnd]\r\n";
}

const char* const s_szDefines = "//[File]\r\n//[Head]\r\n//@Version \"H00080000\"\r\n//[HeadEnd]\r\n"
                                "#define DF_KIND_A 1 //@Combo \"甲\"\r\n#define DF_KIND_B 2 //@Combo \"乙\"\r\n"
                                "//[FileEnd]\r\n";

bool WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    return static_cast<bool>(file);
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Sets record n's values: numbers that vary, Big5 texts, vectors of five.
void Fill(JC_DataComponent& component, const JC_Template& tmpl, DWORD dwRecord)
{
    const DWORD dwID = dwRecord + 1;
    component.SetItemValue("ID", &dwID);
    for (DWORD i = 1; i < ITEMS; ++i) {
        const JC_TemplateItem* pItem = tmpl.GetPlainItemAt(i);
        const DWORD dwValue = (dwRecord * 131 + i * 17) % 1000;
        const float fValue = static_cast<float>(dwValue) / 8.0f;
        const std::string strValue = "名稱許功蓋" + std::to_string(dwValue);
        const DWORD dwBool = dwValue & 1;
        const DWORD dwCombo = 1 + (dwValue & 1);
        switch (pItem->m_dwType) {
        case ITEMTYPE_FLOAT: component.SetItemValue(pItem, &fValue); break;
        case ITEMTYPE_STRING: component.SetItemValue(pItem, &strValue); break;
        case ITEMTYPE_BOOL: component.SetItemValue(pItem, &dwBool); break;
        case ITEMTYPE_COMBO: component.SetItemValue(pItem, &dwCombo); break;
        case ITEMTYPE_VECTOR: {
            const JC_DWordArray elements{dwValue, dwValue + 1, dwValue + 2, dwValue + 3, dwValue + 4};
            component.SetItemValue(pItem, &elements);
            break;
        }
        default: component.SetItemValue(pItem, &dwValue); break;
        }
    }
}

// Makes the ARRAY or TREE file of the records and answers its bytes.
std::string MakeFile(JC_DataFile& dataFile, const JC_TemplateList& templates, DWORD dwDistribute,
                     const std::string& strPath)
{
    JC_DataComponentMaker* pManager = nullptr;
    dataFile.CreateManager(dwDistribute, pManager);
    JC_Template* pTemplate = nullptr;
    templates.FindTemplateByID(0x100, pTemplate);
    pManager->GetTemplateList().AddTemplate(pTemplate, true);
    for (DWORD n = 0; n < RECORDS; ++n) {
        // The tree: 40 top nodes of 49 or 50 children each.
        const JC_DataOrder order = dwDistribute == JC_DataComponentMaker::DISTRIBUTE_ARRAY
                                       ? JC_DataOrder{0, n}
                                       : (n < 40 ? JC_DataOrder{0, n} : JC_DataOrder{1, n % 40, n / 40 - 1});
        JC_DataComponent* pComponent = nullptr;
        pManager->GetOrCreateComponent(order, pComponent);
        pComponent->Create(&templates, pTemplate);
        Fill(*pComponent, *pTemplate, n);
    }
    const DWORD dwResult = pManager->WriteDataFile(strPath, false, false);
    dataFile.DeleteManager(pManager);
    if (dwResult != 0)
        std::printf("writing failed 0x%08x\n", static_cast<unsigned>(dwResult));
    return ReadBytes(strPath);
}

void MeasureLoad(const char* szName, JC_DataFile& dataFile, const std::string& strBytes)
{
    const double dMegabytes = static_cast<double>(strBytes.size()) / (1024.0 * 1024.0);
    const double dLoad = BenchBestOf(ROUNDS, [&] {
        return BenchSecondsOf([&] {
            JC_DataComponentMaker* pManager = nullptr;
            DWORD dwLine = 0;
            if (dataFile.LoadDataMemory(reinterpret_cast<const BYTE*>(strBytes.data()),
                                        static_cast<DWORD>(strBytes.size()), pManager, dwLine, nullptr)
                != 0)
                std::printf("loading failed at line %u\n", static_cast<unsigned>(dwLine));
            dataFile.DeleteManager(pManager);
        });
    });
    JC_TextSplitter splitter;
    std::vector<std::string> lines;
    const double dSplit = BenchBestOf(ROUNDS, [&] {
        return BenchSecondsOf(
            [&] { splitter.SplitLines(strBytes.data(), static_cast<DWORD>(strBytes.size()), lines); });
    });
    std::printf("%-5s file: %.2f MB, %zu lines; load %.1f MB/s, split into lines %.1f MB/s, load / split = %.2f\n",
                szName, dMegabytes, lines.size(), dMegabytes / dLoad, dMegabytes / dSplit, dLoad / dSplit);
}

void MeasureReads(JC_DataFile& dataFile, const std::string& strBytes)
{
    JC_DataComponentMaker* pManager = nullptr;
    DWORD dwLine = 0;
    dataFile.LoadDataMemory(reinterpret_cast<const BYTE*>(strBytes.data()), static_cast<DWORD>(strBytes.size()),
                            pManager, dwLine, nullptr);
    auto& array = static_cast<JC_DataArrayManager&>(*pManager);
    std::vector<JC_DataComponent*> components;
    for (DWORD n = 0; n < array.GetComponentCount(); ++n)
        components.push_back(array.GetValidComponent({0, n}));
    const JC_Template& tmpl = *components[0]->GetTemplate();

    // One variable of the item's own type each.
    DWORD dwValue = 0;
    float fValue = 0.0f;
    std::string strValue;
    JC_DWordArray* pElements = nullptr;
    std::vector<const JC_TemplateItem*> items;
    std::vector<std::string> names;
    std::vector<JC_ValueOut> outs;
    for (DWORD i = 0; i < ITEMS; ++i) {
        const JC_TemplateItem* pItem = tmpl.GetPlainItemAt(i);
        items.push_back(pItem);
        names.push_back(pItem->m_strName);
        switch (pItem->m_dwType) {
        case ITEMTYPE_FLOAT: outs.emplace_back(&fValue); break;
        case ITEMTYPE_STRING: outs.emplace_back(&strValue); break;
        case ITEMTYPE_VECTOR: outs.emplace_back(&pElements); break;
        default: outs.emplace_back(&dwValue); break;
        }
    }
    const double dReads = static_cast<double>(components.size()) * ITEMS;
    DWORD dwFailures = 0;
    const auto readAll = [&](auto itemOf) {
        return BenchSecondsOf([&] {
            for (JC_DataComponent* pComponent : components) {
                for (DWORD i = 0; i < ITEMS; ++i)
                    dwFailures += pComponent->GetItemValue(itemOf(i), outs[i]) != 0;
            }
        });
    };
    const auto nameOf = [&](DWORD i) -> const std::string& { return names[i]; };
    const auto itemAt = [&](DWORD i) { return items[i]; };
    const double dByName = BenchBestOf(ROUNDS, [&] { return readAll(nameOf); });
    const double dByIndex = BenchBestOf(ROUNDS, [&] { return readAll(itemAt); });
    std::printf("field reads: by name %.1f M/s, by index %.1f M/s, name / index time = %.2f (%u failed)\n",
                dReads / dByName / 1e6, dReads / dByIndex / 1e6, dByName / dByIndex, static_cast<unsigned>(dwFailures));
    dataFile.DeleteManager(pManager);
}

} // namespace

int main()
{
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    const std::string strFolder = std::string(szTemp) + "datafile-bench\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    WriteBytes(strFolder + "Bench.h", s_szDefines);
    WriteBytes(strFolder + "Bench.temp", TemplateText());

    JC_TemplateFileReader reader;
    JC_TemplateList templates;
    DWORD dwLine = 0;
    if (reader.Initiation() != 0 || reader.LoadTemplateFolder(strFolder, &templates, nullptr, dwLine) != 0) {
        std::printf("the template did not load (line %u)\n", static_cast<unsigned>(dwLine));
        return 1;
    }
    JC_DataFile dataFile;
    dataFile.Initiation(&templates);
    const std::string strArray =
        MakeFile(dataFile, templates, JC_DataComponentMaker::DISTRIBUTE_ARRAY, strFolder + "Array.DATA");
    const std::string strTree =
        MakeFile(dataFile, templates, JC_DataComponentMaker::DISTRIBUTE_TREE, strFolder + "Tree.DATA");
    std::printf("%d records of %d items, best of %d rounds\n", RECORDS, ITEMS, ROUNDS);
    MeasureLoad("ARRAY", dataFile, strArray);
    MeasureLoad("TREE", dataFile, strTree);
    MeasureReads(dataFile, strArray);
    return 0;
}
