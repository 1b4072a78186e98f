// datafile.exe: loads the templates of a folder (with the define files they
// include) and a data file, then prints what the file holds or writes it
// back. Exits 0 on success and 1 on failure.

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_LineReader.h"
#include "TemplateSystem/JC_TemplateFileReader.h"

#include <cstdio>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: datafile check TEMPLATE_FOLDER DATA_FILE\n"
                         "       datafile rewrite TEMPLATE_FOLDER DATA_FILE OUT_FILE\n");
    return 1;
}

int Fail(const char* szWhat, const std::string& strFile, DWORD dwResult, DWORD dwLine)
{
    std::printf("%s failed 0x%08x at line %u of %s\n", szWhat, static_cast<unsigned>(dwResult),
                static_cast<unsigned>(dwLine), strFile.c_str());
    return 1;
}

std::string AsFolder(std::string strFolder)
{
    if (!strFolder.empty() && strFolder.back() != '\\' && strFolder.back() != '/')
        strFolder += '\\';
    return strFolder;
}

// Whether a head keyword of the text has the value "TRUE", so a rewrite keeps
// the file's own form.
bool IsTrue(const std::vector<BYTE>& text, const char* szKeyword)
{
    const std::string strText(text.begin(), text.end());
    const size_t at = XF_FindText(strText, szKeyword);
    return at != std::string::npos && strText.compare(at + std::strlen(szKeyword), 6, "\"TRUE\"") == 0;
}

DWORD ReadDataText(const std::string& strPath, std::vector<BYTE>& text)
{
    JS_CodeHeader header;
    JC_TextCodec::MakeHeader(header);
    DWORD dwLength = 0;
    DWORD dwResult = JC_TextCodec::ReadAndDecode(header, strPath, nullptr, dwLength);
    if (dwResult != 0 && dwResult != JE_CODEC_NEED_BUFFER)
        return dwResult;
    if (dwLength == 0)
        return JE_DATAFILE_EMPTY_FILE;
    text.resize(dwLength);
    dwResult = JC_TextCodec::ReadAndDecode(header, strPath, text.data(), dwLength);
    text.resize(dwLength);
    return dwResult;
}

void PrintComponents(const JC_DataComponentMaker& manager)
{
    std::vector<std::string> orders;
    if (manager.GetDistributeType() == JC_DataComponentMaker::DISTRIBUTE_ARRAY) {
        const auto& array = static_cast<const JC_DataArrayManager&>(manager);
        for (DWORD i = 0; i < array.GetComponentCount(); ++i) {
            if (array.GetValidComponent({0, i}) != nullptr)
                orders.push_back("0," + std::to_string(i));
        }
    } else {
        const auto& tree = static_cast<const JC_DataTreeManager&>(manager);
        std::vector<JC_DataComponent*> nodes;
        std::vector<std::string> texts;
        tree.CollectNodesWithOrders(tree.GetFirstTopNode(), {0, 0}, nodes, texts);
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (!nodes[i]->HasNoLayout())
                orders.push_back(texts[i]);
        }
    }
    std::printf("distribution %s\n", manager.GetDistributeType() == JC_DataComponentMaker::DISTRIBUTE_ARRAY ? "ARRAY" : "TREE");
    std::printf("components %u\n", static_cast<unsigned>(orders.size()));
    for (const std::string& strOrder : orders)
        std::printf("%s\n", strOrder.c_str());
}

int Run(const std::string& strCommand, const std::string& strFolder, const std::string& strDataFile,
        const std::string& strOutFile)
{
    JC_TemplateFileReader reader;
    JC_TemplateList templates;
    DWORD dwLine = 0;
    DWORD dwResult = reader.Initiation();
    if (dwResult == 0)
        dwResult = reader.LoadTemplateFolder(strFolder, &templates, nullptr, dwLine);
    if (dwResult != 0)
        return Fail("templates", strFolder, dwResult, dwLine);

    std::vector<BYTE> text;
    dwResult = ReadDataText(strDataFile, text);
    if (dwResult != 0)
        return Fail("data file", strDataFile, dwResult, 0);
    JC_DataFile dataFile;
    dataFile.Initiation(&templates);
    JC_DataComponentMaker* pManager = nullptr;
    dwResult = dataFile.Parse(reinterpret_cast<const char*>(text.data()), static_cast<DWORD>(text.size()), pManager,
                              dwLine, nullptr);
    if (dwResult != 0)
        return Fail("data file", strDataFile, dwResult, dwLine);

    if (strCommand == "check")
        PrintComponents(*pManager);
    else
        dwResult = pManager->WriteDataFile(strOutFile, IsTrue(text, "@IsSimplifyDefault"),
                                           IsTrue(text, "@IsSimplifyDefine"));
    dataFile.DeleteManager(pManager);
    if (dwResult != 0)
        return Fail("writing", strOutFile, dwResult, 0);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "check") == 0)
        return Run(argv[1], AsFolder(argv[2]), argv[3], std::string());
    if (argc == 5 && std::strcmp(argv[1], "rewrite") == 0)
        return Run(argv[1], AsFolder(argv[2]), argv[3], argv[4]);
    return Usage();
}
