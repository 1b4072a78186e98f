// gamedata-bench.exe: how fast the data manager loads the fixed tables of a
// synthetic game (2,000 persons, 500 skills of 10 powers each, 1,000 things
// of each kind), against reading and splitting the same bytes into lines in
// the same run; and how a person's field read by name through its operator
// compares with the same read by item index. Prints figures and ratios; it
// is no test.
//   tools/bench --run gamedata-bench.exe

#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "TemplateSystem/JC_TextSplitter.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

constexpr int PERSONS = 2000;
constexpr int SKILLS = 500;
constexpr int POWERS_PER_SKILL = 10;
constexpr int THINGS_PER_KIND = 1000;
constexpr int PERSON_NUMBERS = 60;
constexpr int ROUNDS = 5;

// The person's numeric items, named as the game names them.
const char* const s_aszPersonNames[] = {
    "Sex", "Camp", "MaxLevel", "Level", "Exp", "NotUsePoint", "JobLevel", "JobExp", "NotUseJobPoint", "AIType",
    "AIHP", "AIMove", "EvolutionFlag", "MaxHP", "MaxSP", "MaxRAP", "MaxMorale", "HP", "SP", "RAP", "Morale", "Move",
    "Strength", "Vitality", "Agile", "Dexterity", "Intelligence", "Wisdom", "Charm", "Luck", "JumpUp", "JumpDown",
    "MoveType", "ExtraHitRate", "ExtraDodgeRate", "ExtraCounterRate", "ExtraExpRate", "ExtraDmgRate",
    "HPAutoRestoreRate", "SPAutoRestoreRate", "ExtraSword", "ExtraLance", "ExtraMagic", "ExtraFire", "ExtraWater",
    "AntibodyFire", "AntibodyWater", "AntibodyEarth", "AntibodyWind", "IsLegacyBody", "LegacyExp", "LegacyMoney",
    "TeamID", "LifeState", "DieTime", "IsSummonRole", "SummonerTeamID", "SummonTime", "Face", "SceneFloorIndex",
};
static_assert(std::size(s_aszPersonNames) == PERSON_NUMBERS);

// The operator's getters of those items, in the same order.
using JF_PersonGetter = int (JC_OperatorPerson::*)();
const JF_PersonGetter s_aPersonGetters[] = {
    &JC_OperatorPerson::GetSex, &JC_OperatorPerson::GetCamp, &JC_OperatorPerson::GetMaxLevel,
    &JC_OperatorPerson::GetLevel, &JC_OperatorPerson::GetExp, &JC_OperatorPerson::GetNotUsePoint,
    &JC_OperatorPerson::GetJobLevel, &JC_OperatorPerson::GetJobExp, &JC_OperatorPerson::GetNotUseJobPoint,
    &JC_OperatorPerson::GetAIType, &JC_OperatorPerson::GetAIHP, &JC_OperatorPerson::GetAIMove,
    &JC_OperatorPerson::GetEvolutionFlag, &JC_OperatorPerson::GetMaxHP, &JC_OperatorPerson::GetMaxSP,
    &JC_OperatorPerson::GetMaxRAP, &JC_OperatorPerson::GetMaxMorale, &JC_OperatorPerson::GetHP,
    &JC_OperatorPerson::GetSP, &JC_OperatorPerson::GetRAP, &JC_OperatorPerson::GetMorale,
    &JC_OperatorPerson::GetMove, &JC_OperatorPerson::GetStrength, &JC_OperatorPerson::GetVitality,
    &JC_OperatorPerson::GetAgile, &JC_OperatorPerson::GetDexterity, &JC_OperatorPerson::GetIntelligence,
    &JC_OperatorPerson::GetWisdom, &JC_OperatorPerson::GetCharm, &JC_OperatorPerson::GetLuck,
    &JC_OperatorPerson::GetJumpUp, &JC_OperatorPerson::GetJumpDown, &JC_OperatorPerson::GetMoveType,
    &JC_OperatorPerson::GetExtraHitRate, &JC_OperatorPerson::GetExtraDodgeRate,
    &JC_OperatorPerson::GetExtraCounterRate, &JC_OperatorPerson::GetExtraExpRate,
    &JC_OperatorPerson::GetExtraDmgRate, &JC_OperatorPerson::GetHPAutoRestoreRate,
    &JC_OperatorPerson::GetSPAutoRestoreRate, &JC_OperatorPerson::GetExtraSword, &JC_OperatorPerson::GetExtraLance,
    &JC_OperatorPerson::GetExtraMagic, &JC_OperatorPerson::GetExtraFire, &JC_OperatorPerson::GetExtraWater,
    &JC_OperatorPerson::GetAntibodyFire, &JC_OperatorPerson::GetAntibodyWater, &JC_OperatorPerson::GetAntibodyEarth,
    &JC_OperatorPerson::GetAntibodyWind, &JC_OperatorPerson::GetIsLegacyBody, &JC_OperatorPerson::GetLegacyExp,
    &JC_OperatorPerson::GetLegacyMoney, &JC_OperatorPerson::GetTeamID, &JC_OperatorPerson::GetLifeState,
    &JC_OperatorPerson::GetDieTime, &JC_OperatorPerson::GetIsSummonRole, &JC_OperatorPerson::GetSummonerTeamID,
    &JC_OperatorPerson::GetSummonTime, &JC_OperatorPerson::GetFace, &JC_OperatorPerson::GetSceneFloorIndex,
};
static_assert(std::size(s_aPersonGetters) == PERSON_NUMBERS);

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

std::string HexID(DWORD dwID)
{
    char szID[16];
    std::snprintf(szID, sizeof(szID), "H%08X", static_cast<unsigned>(dwID));
    return szID;
}

std::string ItemLine(const std::string& strName, const std::string& strType, const std::string& strTypeEx = "",
                     const std::string& strArraySize = "")
{
    std::string strLine = "@Name \"" + strName + "\" @Type \"" + strType + "\" @TypeEx \"" + strTypeEx +
                          "\" @Radix \",\" @MinMax \"\"";
    if (!strArraySize.empty())
        strLine += " @ArraySize \"" + strArraySize + "\"";
    return strLine + " @Default \"" + (strType == "INT32" || strType == "UINT32" ? "0" : "") + "\"\r\n";
}

std::string TemplateText(DWORD dwKind, const std::string& strItems)
{
    return "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"" + HexID(dwKind) +
           "\"\r\n@TemplateName \"\"\r\n@TemplateExplain \"\"\r\n[HeadEnd]\r\n" +
           "@Name \"DataComponentKind\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"" +
           std::to_string(dwKind) + "\"\r\n" + ItemLine("ID", "UINT32") + ItemLine("Name", "STRING") + strItems +
           "[FileEnd]\r\n";
}

std::string PersonItems()
{
    std::string strItems = ItemLine("LearnSkillID", "VECTOR", "UINT32", "16,0");
    for (const char* szName : s_aszPersonNames)
        strItems += ItemLine(szName, "INT32");
    return strItems;
}

std::string ThingItems()
{
    return ItemLine("Cost", "INT32") + ItemLine("Explain", "STRING") + ItemLine("Gem", "VECTOR", "UINT32", "4,0") +
           ItemLine("Behavior", "VECTOR", "STRING", "8,0");
}

std::string Block(DWORD dwKind, DWORD dwPosition, DWORD dwID, const std::string& strItems)
{
    return "@Start\r\n@MainUseTemplateID\"" + HexID(dwKind) + "\"\r\n@DataOrder\"0," + std::to_string(dwPosition) +
           "\"\r\nID\"" + std::to_string(dwID) + "\"\r\nName\"名稱許功蓋" + std::to_string(dwID) + "\"\r\n" +
           strItems + "@End\r\n";
}

std::string DataFile(const std::vector<DWORD>& kinds, const std::string& strBlocks)
{
    std::string strText = "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"ARRAY\"\r\n";
    for (DWORD dwKind : kinds)
        strText += "@UseTemplateID\"" + HexID(dwKind) + "\"\r\n";
    return strText + "@SortItem\"ID\"\r\n@IsSimplifyDefault\"FALSE\"\r\n@IsSimplifyDefine\"FALSE\"\r\n[HeadEnd]\r\n" +
           strBlocks + "[FileEnd]\r\n";
}

std::string PersonValues(DWORD dwRecord)
{
    std::string strItems = "LearnSkillID\"[0]," + std::to_string((dwRecord % SKILLS + 1) << 16) + "\"\r\n";
    for (int i = 0; i < PERSON_NUMBERS; ++i)
        strItems += std::string(s_aszPersonNames[i]) + "\"" + std::to_string((dwRecord * 131 + i * 17) % 1000) +
                    "\"\r\n";
    return strItems;
}

std::string ThingValues(DWORD dwRecord)
{
    return "Cost\"" + std::to_string(dwRecord * 10) + "\"\r\nExplain\"說明文字" + std::to_string(dwRecord) +
           "\"\r\nGem\"[0],1\"\r\nBehavior\"[0],@Type\"1\" @Parameter\"10\"\"\r\n";
}

// Writes the game folder's templates and fixed tables; the table files'
// paths.
std::vector<std::string> WriteGame(const std::string& strRoot)
{
    const std::string strTemplates = strRoot + g_szTemplateFolder;
    const std::string strTables = strRoot + g_szTemplateDataFolder + "01\\";
    for (const std::string& strFolder : {strRoot + "Template\\", strTemplates, strRoot + g_szTemplateDataFolder,
                                         strTables})
        CreateDirectoryA(strFolder.c_str(), nullptr);
    const DWORD adwKinds[FIXEDDATAKIND_LIMIT] = {
        DATACOMPONENTKIND_EVOLUTION, DATACOMPONENTKIND_GEM,    DATACOMPONENTKIND_HYBRIDIZE, DATACOMPONENTKIND_JOB,
        DATACOMPONENTKIND_LANDFORM,  DATACOMPONENTKIND_PERSON, DATACOMPONENTKIND_SHOP,      DATACOMPONENTKIND_SKILL,
        DATACOMPONENTKIND_TOOL,      DATACOMPONENTKIND_WEAPON, DATACOMPONENTKIND_WEARING};
    for (DWORD dwKind : adwKinds) {
        const bool bPerson = dwKind == DATACOMPONENTKIND_PERSON;
        WriteBytes(strTemplates + HexID(dwKind) + ".temp", TemplateText(dwKind, bPerson ? PersonItems() : ThingItems()));
    }
    WriteBytes(strTemplates + HexID(DATACOMPONENTKIND_SKILLPOWER) + ".temp",
               TemplateText(DATACOMPONENTKIND_SKILLPOWER, ThingItems()));

    std::vector<std::string> paths;
    for (DWORD dwFixedKind = 0; dwFixedKind < FIXEDDATAKIND_LIMIT; ++dwFixedKind) {
        const DWORD dwKind = adwKinds[dwFixedKind];
        std::vector<DWORD> kinds = {dwKind};
        std::string strBlocks;
        DWORD dwPosition = 0;
        if (dwKind == DATACOMPONENTKIND_PERSON) {
            for (DWORD n = 0; n < PERSONS; ++n)
                strBlocks += Block(dwKind, dwPosition++, n + 1, PersonValues(n));
        } else if (dwKind == DATACOMPONENTKIND_SKILL) {
            kinds.push_back(DATACOMPONENTKIND_SKILLPOWER);
            for (DWORD s = 1; s <= SKILLS; ++s) {
                strBlocks += Block(dwKind, dwPosition++, s << 16, ThingValues(s));
                for (DWORD level = 1; level <= POWERS_PER_SKILL; ++level)
                    strBlocks += Block(DATACOMPONENTKIND_SKILLPOWER, dwPosition++, (s << 16) | level, ThingValues(level));
            }
        } else {
            const bool bThing = dwKind == DATACOMPONENTKIND_GEM || dwKind == DATACOMPONENTKIND_TOOL
                             || dwKind == DATACOMPONENTKIND_WEAPON || dwKind == DATACOMPONENTKIND_WEARING;
            for (DWORD n = 0; n < (bThing ? THINGS_PER_KIND : 20); ++n)
                strBlocks += Block(dwKind, dwPosition++, n, ThingValues(n));
        }
        paths.push_back(strTables + g_aszFixedDataFileNames[dwFixedKind]);
        WriteBytes(paths.back(), DataFile(kinds, strBlocks));
    }
    return paths;
}

// The best of some rounds, in seconds. (The standard clock's header does
// not compile for the program's code page.)
double Best(const std::function<void()>& work)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double dBest = 1e30;
    for (int i = 0; i < ROUNDS; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        dBest = std::min(dBest,
                         static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    return dBest;
}

void MeasureLoad(JC_DataManager& dataManager, const std::vector<std::string>& paths)
{
    size_t bytes = 0;
    for (const std::string& strPath : paths)
        bytes += ReadBytes(strPath).size();
    const double dMegabytes = static_cast<double>(bytes) / (1024.0 * 1024.0);
    DWORD dwResult = 0;
    const double dLoad = Best([&] { dwResult |= dataManager.InitFixedData(1); });
    JC_TextSplitter splitter;
    std::vector<std::string> lines;
    size_t lineCount = 0;
    const double dReadAndSplit = Best([&] {
        lineCount = 0;
        for (const std::string& strPath : paths) {
            const std::string strBytes = ReadBytes(strPath);
            splitter.SplitLines(strBytes.data(), static_cast<DWORD>(strBytes.size()), lines);
            lineCount += lines.size();
        }
    });
    std::vector<std::string> files;
    for (const std::string& strPath : paths)
        files.push_back(ReadBytes(strPath));
    const double dSplit = Best([&] {
        for (const std::string& strBytes : files)
            splitter.SplitLines(strBytes.data(), static_cast<DWORD>(strBytes.size()), lines);
    });
    std::printf("fixed tables: %.2f MB, %zu lines (result 0x%08x)\n", dMegabytes, lineCount,
                static_cast<unsigned>(dwResult));
    std::printf("  load from the files %.1f MB/s, read the files and split into lines %.1f MB/s: "
                "load speed / split speed = %.2f\n",
                dMegabytes / dLoad, dMegabytes / dReadAndSplit, dReadAndSplit / dLoad);
    std::printf("  split bytes already in memory %.1f MB/s: load speed / in-memory split speed = %.2f\n",
                dMegabytes / dSplit, dSplit / dLoad);
}

void MeasureReads(JC_DataManager& dataManager)
{
    std::vector<JC_DataComponent*> persons;
    for (DWORD n = 1; n <= PERSONS; ++n)
        persons.push_back(dataManager.GetPersonObj(n));
    JC_OperatorPerson person;
    person.Initiation(&dataManager);
    const JC_Template& tmpl = *persons[0]->GetTemplate();
    std::vector<const JC_TemplateItem*> items;
    for (const char* szName : s_aszPersonNames)
        items.push_back(tmpl.GetPlainItem(szName));
    long long llSum = 0;
    const double dReads = static_cast<double>(PERSONS) * PERSON_NUMBERS;
    const double dByName = Best([&] {
        for (JC_DataComponent* pRecord : persons) {
            person.SetDataConponent(pRecord);
            for (JF_PersonGetter getter : s_aPersonGetters)
                llSum += (person.*getter)();
        }
    });
    const double dByIndex = Best([&] {
        for (JC_DataComponent* pRecord : persons) {
            person.SetDataConponent(pRecord);
            for (const JC_TemplateItem* pItem : items) {
                int iValue = 0;
                pRecord->GetItemValue(pItem, &iValue);
                llSum += iValue;
            }
        }
    });
    std::printf("person fields: by name through the operator %.1f M/s, by item index %.1f M/s\n",
                dReads / dByName / 1e6, dReads / dByIndex / 1e6);
    std::printf("  read time by name / by index = %.2f (checksum %lld)\n", dByName / dByIndex, llSum);
}

} // namespace

int main()
{
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    const std::string strRoot = std::string(szTemp) + "gamedata-bench\\";
    CreateDirectoryA(strRoot.c_str(), nullptr);
    const std::vector<std::string> paths = WriteGame(strRoot);
    JC_DataManager dataManager;
    if (dataManager.Initiation(strRoot, gp_DebugInfoObj) != 0 || dataManager.InitFixedData(1) != 0) {
        std::printf("the synthetic game did not load\n");
        return 1;
    }
    std::printf("%d persons, %d skills of %d powers, %d things of each kind; best of %d rounds\n", PERSONS, SKILLS,
                POWERS_PER_SKILL, THINGS_PER_KIND, ROUNDS);
    MeasureLoad(dataManager, paths);
    MeasureReads(dataManager);
    return 0;
}
