#pragma once

#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_TemplateFileReader.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

// A small template folder with every item type: a person (0x10) that holds
// a weapon (0x20) that may hold a gem (0x30), and the define file the person
// includes. Names and values are Big5, as the data designers write them.

inline const char* const g_szDefineFile =
    "//[File]\r\n"
    "//[Head]\r\n"
    "//@Version \"H00080001\"\r\n"
    "//[HeadEnd]\r\n"
    "#define DF_SEX_MALE 1 //@Combo \"男\"\r\n"
    "#define DF_SEX_FEMALE 2 //@Combo \"女\"\r\n"
    "#define DF_ELEMENT_FIRE 0x10 //@Combo \"火\"\r\n"
    "#define DF_ELEMENT_WATER 0x20 //@Combo \"水\"\r\n"
    "#define DF_ELEMENT_ICE 0x20 //@Combo \"冰\"\r\n"
    "#define DF_MAX_SKILL 8 //@Combo \"技能上限\"\r\n"
    "//[FileEnd]\r\n";

inline const char* const g_szPersonTemplate =
    "// 人物\r\n"
    "[File]\r\n"
    "[Head]\r\n"
    "@Version \"H00080000\"\r\n"
    "@TemplateID \"H00000010\"\r\n"
    "@TemplateName \"人物\"\r\n"
    "@TemplateExplain \"測試用的人物\"\r\n"
    "@IncludeDefine \"Element.h\"\r\n"
    "[HeadEnd]\r\n"
    "@Name \"ID\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"0\" @EditShow\r\n"
    "@Name \"名字\" @Type \"STRING\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"無名\" @Explain \"許功蓋\"\r\n"
    "@Name \"HP\" @Type \"INT32\" @TypeEx \"\" @Radix \",D\" @MinMax \"-100~1000\" @Default \"50\"\r\n"
    "@Name \"Speed\" @Type \"FLOAT\" @TypeEx \"\" @Radix \",\" @MinMax \"F0.0~F10.0\" @Default \"F1.5\"\r\n"
    "@Name \"Alive\" @Type \"BOOL\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"1\"\r\n"
    "@Name \"Sex\" @Type \"COMBO\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Combos \"DF_SEX_\" @Default \"DF_SEX_MALE\"\r\n"
    "@Name \"Flags\" @Type \"SPACE32\" @TypeEx \"\" @Radix \",H\" @MinMax \"\" @Default \"\"\r\n"
    "@Name \"Level\" @Refer \"Flags\" @ReferBit \"0~7\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"3\"\r\n"
    "@Name \"Rank\" @Refer \"Flags\" @ReferBit \"8~11\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"1~9\" @Default \"2\"\r\n"
    "@Name \"Big\" @Type \"SPACE64\" @TypeEx \"\" @Radix \",B\" @MinMax \"\" @Default \"\"\r\n"
    "@Name \"Element\" @Refer \"Big\" @ReferBit \"32~63\" @Type \"COMBO\" @TypeEx \"\" @Radix \",\" @MinMax \"\" "
    "@Combos \"DF_ELEMENT_FIRE,DF_ELEMENT_WATER,DF_ELEMENT_ICE\" @Default \"DF_ELEMENT_FIRE\"\r\n"
    "@Name \"Skills\" @Type \"VECTOR\" @TypeEx \"UINT32\" @Radix \"H,\" @MinMax \"0~1000\" @ArraySize \"DF_MAX_SKILL,2\" "
    "@Default \"7\"\r\n"
    "@Name \"Moves\" @Type \"VECTOR\" @TypeEx \"INT32\" @Radix \",\" @MinMax \"\" @ArraySize \"0,0\" @Default \"\"\r\n"
    "@Name \"稱號\" @Type \"VECTOR\" @TypeEx \"STRING\" @Radix \",\" @MinMax \"\" @ArraySize \"6,1\" @Default \"無\"\r\n"
    "@Name \"Rates\" @Type \"VECTOR\" @TypeEx \"FLOAT\" @Radix \",\" @MinMax \"F-1.0~F1.0\" @ArraySize \"4,0\" "
    "@Default \"F0.5\"\r\n"
    "@Name \"Weapon\" @Type \"Template\" @TypeEx \"H00000020\" @Radix \",\" @MinMax \"\" @Default \"1\"\r\n"
    "@Name \"Pet\" @Type \"Template\" @TypeEx \"H00000020\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n"
    "[FileEnd]\r\n";

inline const char* const g_szWeaponTemplate =
    "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H00000020\"\r\n@TemplateName \"武器\"\r\n"
    "@TemplateExplain \"\"\r\n[HeadEnd]\r\n"
    "@Name \"ID\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n"
    "@Name \"Power\" @Type \"INT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"5\"\r\n"
    "@Name \"Gem\" @Type \"Template\" @TypeEx \"H00000030\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n"
    "[FileEnd]\r\n";

inline const char* const g_szGemTemplate =
    "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H00000030\"\r\n@TemplateName \"魂石\"\r\n"
    "@TemplateExplain \"\"\r\n[HeadEnd]\r\n"
    "@Name \"ID\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n"
    "@Name \"名字\" @Type \"STRING\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n"
    "[FileEnd]\r\n";

// A chain of nodes of any length, each holding the next.
inline const char* const g_szNodeTemplate =
    "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H00000050\"\r\n@TemplateName \"\"\r\n"
    "@TemplateExplain \"\"\r\n[HeadEnd]\r\n"
    "@Name \"ID\" @Type \"UINT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n"
    "@Name \"Next\" @Type \"Template\" @TypeEx \"H00000050\" @Radix \",\" @MinMax \"\" @Default \"0\"\r\n"
    "[FileEnd]\r\n";

// The folder with the four templates and the define file; its path ends
// with its separator, as the readers expect.
class TemplateFixture
{
public:
    TemplateFixture()
    {
        WriteTestFile(m_Folder.File("Element.h"), g_szDefineFile);
        WriteTestFile(m_Folder.File("Person.temp"), g_szPersonTemplate);
        WriteTestFile(m_Folder.File("Weapon.temp"), g_szWeaponTemplate);
        WriteTestFile(m_Folder.File("Gem.temp"), g_szGemTemplate);
        WriteTestFile(m_Folder.File("Node.temp"), g_szNodeTemplate);
        EXPECT_EQ(m_Reader.Initiation(), 0u);
        DWORD dwLine = 0;
        EXPECT_EQ(m_Reader.LoadTemplateFolder(Folder(), &m_Templates, nullptr, dwLine), 0u) << "line " << dwLine;
        EXPECT_EQ(m_DataFile.Initiation(&m_Templates), 0u);
    }

    std::string Folder() const { return m_Folder.Path() + "\\"; }
    std::string File(const std::string& strName) const { return m_Folder.File(strName); }
    const JC_Template& Template(DWORD dwTemplateID) const
    {
        JC_Template* pTemplate = nullptr;
        EXPECT_EQ(m_Templates.FindTemplateByID(dwTemplateID, pTemplate), 0u);
        return *pTemplate;
    }

    ScopedTempFolder m_Folder;
    JC_TemplateFileReader m_Reader;
    JC_TemplateList m_Templates;
    JC_DataFile m_DataFile;
};
