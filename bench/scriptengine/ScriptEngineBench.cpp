// scriptengine-bench: the parameter language and the script engine against
// baselines measured in the same run.
//
// 1. 100,000 evaluations of a nested '#' value, tokenizing included, against
//    tokenizing the same text alone.
// 2. A chain of 1,000 command nodes that each end at once against the same
//    nodes as siblings; and the depth the chain reaches on the stack.

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "GameProgram/Script/XC_ScriptParameterAnalyzer.h"
#include "GameProgram/Script/XC_ScriptSet.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const char* const VALUE = "#add #mul 2 #Random 1 5 #Parameter Base";
const int EVALUATIONS = 100000;
const int CHAIN_LENGTH = 1000;
const int CHAIN_RUNS = 20;

LONGLONG Now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double SecondsSince(LONGLONG llStart)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Now() - llStart) / static_cast<double>(frequency.QuadPart);
}

// A render environment of men without a device and no painter.
class BenchEnvironment : public XI_EnvironmentOfRender
{
public:
    XI_Painter* GetPainter() override { return nullptr; }
    XC_LightMan* GetWorldLightMan() override { return &m_Light; }
    XC_CameraMan* GetWorldCameraMan() override { return &m_Camera; }
    XC_LightMan* GetScreenLightMan() override { return &m_Light; }
    XC_CameraMan* GetScreenCameraMan() override { return &m_Camera; }

private:
    XC_CameraMan m_Camera;
    XC_LightMan m_Light;
};

long BenchmarkValues()
{
    XC_TextNode node;
    node.SetName("[Bench]");
    node.AddLeaf("v", VALUE);
    XC_ScriptParameter parameters;
    parameters.SetParameter("Base", "#sub 10 3");
    XC_ScriptParameterAnalyzer analyzer;
    analyzer.SetTextNode(&node);
    analyzer.SetScriptParameter(&parameters);

    long lSum = 0;
    LONGLONG start = Now();
    for (int i = 0; i < EVALUATIONS; ++i) {
        XC_Strtok tokens;
        tokens.SetData(VALUE);
        while (tokens.GetToken(TRUE) != nullptr)
            ++lSum;
    }
    const double dTokenize = SecondsSince(start);

    start = Now();
    for (int i = 0; i < EVALUATIONS; ++i)
        lSum += analyzer.GetLongParameter("v", 0);
    const double dEvaluate = SecondsSince(start);

    std::printf("values: %d evaluations of \"%s\"\n", EVALUATIONS, VALUE);
    std::printf("  tokenizing alone      %8.3f s\n", dTokenize);
    std::printf("  evaluating            %8.3f s   ratio %.1f\n", dEvaluate, dEvaluate / dTokenize);
    return lSum;
}

// The nodes as a chain (each starts when the one before has ended) or as
// siblings that all start together.
void BuildNodes(XC_TextTree* pTree, bool bChain)
{
    XC_TextNode* const pInit = pTree->AddNode("[Chain]")->AddNode("[ActionList]")->AddNode("[Init]");
    XC_TextNode* pNode = pInit;
    for (int i = 0; i < CHAIN_LENGTH; ++i) {
        XC_TextNode* const pParent = bChain ? pNode : pInit;
        pNode = pParent->AddNode(std::string("[N").append(std::to_string(i)).append("]").c_str());
        pNode->AddLeaf("Type", "Nothing");
    }
}

double TimeRuns(bool bChain)
{
    BenchEnvironment environment;
    XC_TextTree tree;
    BuildNodes(&tree, bChain);
    XC_ScriptSet scriptSet;
    scriptSet.Init(&environment);
    scriptSet.Load(&tree);
    const LONGLONG start = Now();
    for (int iRun = 0; iRun < CHAIN_RUNS; ++iRun)
        scriptSet.RunAllScript();
    const double dSeconds = SecondsSince(start);
    scriptSet.Fini();
    return dSeconds;
}

void BenchmarkChain()
{
    const double dSiblings = TimeRuns(false);
    const double dChain = TimeRuns(true);
    std::printf("chain: %d runs of %d nodes that end at once\n", CHAIN_RUNS, CHAIN_LENGTH);
    std::printf("  as siblings           %8.3f s\n", dSiblings);
    std::printf("  as one chain          %8.3f s   ratio %.1f\n", dChain, dChain / dSiblings);
    std::printf("  depth: %d nodes in a row, started from a stack of pending starts, not by nesting calls\n",
                CHAIN_LENGTH);
}

} // namespace

int main()
{
    const long lSum = BenchmarkValues();
    BenchmarkChain();
    return lSum > 0 ? 0 : 1;
}
