#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"

#include "tests/GameProgram/Scene/SceneFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TextMutations.h"

#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

// A scene of every part: two element files, two meshes, lights and a 4 × 3
// floor of varied cells.
std::string SeedScene()
{
    std::string strText = "[SceneElement+]\n{\nSE00 = A.txt\nSE01 = B.txt\n}\n"
                          "[Earth]\n{\nMesh00 = Ground.x\nMesh01 = Water.x ScrollUV.txt\n}\n"
                          "[LightMan]\n{\nAmbientLight_Red = 90\n[LightBulb0]\n{\nbEnable = 1\ndwLightType = 2\n}\n}\n"
                          "[Floorer+]\n{\ndwWidth = 4\ndwLength = 3\n";
    for (int i = 0; i < 12; ++i) {
        strText += "[Floor" + std::to_string(100 + i).substr(1) + "]\n{\ndwPropertyID = " + std::to_string(i % 5)
                 + "\ndwThrough_SOUTH = 1\ndwThrough_EAST = 2\nvec = " + std::to_string(i * 0.5) + " 0 0.5 1 1.5 \n}\n";
    }
    return strText + "}\n[Floorer]\n{\nlWidth = 2\nlLength = 1\n[C]\n{\nvec = 0 1 0 1 1 0 1 1 -1 0 1 -1\n}\n}\n";
}

// Sizes past the limits and the floor's own number forms, with few cells;
// long lines; deep nesting; heights that are not numbers.
void AddCrafted(std::vector<std::string>* pCases)
{
    const char* const sizes[] = {"0", "1", "2048", "2049", "4294967295", "-1", "99999999999", "abc", "0x800", "0x801", ""};
    for (const char* szWidth : sizes) {
        for (const char* szLength : {"1", "2048", "-5"}) {
            for (const char* szForm : {"Floorer+", "Floorer"}) {
                const bool bOld = szForm[7] == '\0';
                pCases->push_back(std::string("[") + szForm + "]\n{\n" + (bOld ? "lWidth = " : "dwWidth = ") + szWidth
                                  + "\n" + (bOld ? "lLength = " : "dwLength = ") + szLength
                                  + "\n[Floor000]\n{\nvec = 1 2 3 4 5\n}\n}\n");
            }
        }
    }
    const std::string strLong(1 << 20, '7');
    pCases->push_back("[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[Floor000]\n{\nvec = " + strLong + "\n}\n}\n");
    std::string strManyNumbers;
    for (int i = 0; i < 100000; ++i)
        strManyNumbers += "1.5 ";
    pCases->push_back("[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[Floor000]\n{\nvec = " + strManyNumbers + "\n}\n}\n");
    pCases->push_back("[Floorer+]\n{\ndwWidth = 2\ndwLength = 1\n[Floor000]\n{\nvec = nan inf -inf 1e39 -1e39\n}\n"
                      "[Floor001]\n{\nvec = 0x10 , ; 1\n}\n}\n");
    pCases->push_back("[Earth]\n{\nMesh00 = " + strLong + " " + strLong + "\n}\n");
    pCases->push_back("[SceneElement+]\n{\nSE00 = " + strLong + "\n}\n");
    pCases->push_back("[" + strLong + "]\n{\n}\n[Floorer+]\n{\n[" + strLong + "]\n{\n}\n}\n");
    std::string strDeep = "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n";
    for (int i = 0; i < 5000; ++i)
        strDeep += "[Floor000]\n{\n";
    pCases->push_back(strDeep);
    pCases->push_back("[Floorer+]\n{\ndwWidth = 1\0\ndwLength = 1\n[Floor000]\n{\n}\n}\n"s);
}

class SceneFileFuzz : public SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        m_Pack.Add("A.txt", PictureElements("A", 2));
        m_Pack.Add("B.txt", "[Pic]\n{\nType = pic\nLinkTarget = A0\n}\n");
    }
};

} // namespace

TEST_F(SceneFileFuzz, DamagedSceneFilesLoadWithReportsAndNeverBreakTheReader)
{
    const std::string strSeed = SeedScene();
    std::vector<std::string> cases;
    AddTruncations(strSeed, &cases);
    AddMutations(strSeed, 2500, &cases);
    AddCrafted(&cases);
    ASSERT_GE(cases.size(), 3000u);

    ErrorLogCapture log;
    const D3DXVECTOR3 vOrigin(1.5f, 20.0f, -1.5f), vDown(0.0f, -1.0f, 0.0f);
    for (size_t i = 0; i < cases.size(); ++i) {
        m_Pack.Add("Fuzz.scn", cases[i]);
        ASSERT_EQ(m_Scene.LoadScene("Fuzz.scn"), S_OK) << "case " << i;
        XC_Floorer* const pFloor = m_Scene.GetFloorer();
        const DWORD dwCount = pFloor->GetFloorsCount();
        ASSERT_EQ(dwCount, pFloor->GetFloorerWidth() * pFloor->GetFloorerLength()) << "case " << i;
        ASSERT_LE(pFloor->GetFloorerWidth(), 2048u) << "case " << i;
        ASSERT_LE(pFloor->GetFloorerLength(), 2048u) << "case " << i;
        DWORD dwIdx = 0;
        pFloor->PickFloor(&vOrigin, &vDown, &dwIdx, nullptr, 0);
        ASSERT_TRUE(dwCount == 0 || dwIdx < dwCount) << "case " << i;
        if (dwCount > 0) {
            pFloor->ShowFloor_SetMouseAtFloorIdx(static_cast<LONG>(dwCount - 1));
            pFloor->GetFloorPosition(dwCount - 1);
        }
        if (dwCount <= 10000) {
            XC_TextTree saved;
            ASSERT_EQ(m_Scene._SaveSceneToTextTree(&saved), S_OK) << "case " << i;
        }
        m_Scene.ClearScene();
    }
    // The faults were reported.
    EXPECT_TRUE(log.Contains("地板建立錯誤"));
    EXPECT_TRUE(log.Contains("( pChildNode ) failed"));
    EXPECT_TRUE(log.Contains("( lpctstrGetStr ) failed"));
}
