#include "tools/samplegame/SampleGameData.h"

#include "tools/samplegame/SampleDataFiles.h"

namespace fs = std::filesystem;

bool WriteSampleGameData(const fs::path& output, const fs::path& content)
{
    fs::path contentFolder = content.lexically_normal();
    if (!contentFolder.has_filename())
        contentFolder = contentFolder.parent_path();
    const fs::path tables = contentFolder.parent_path() / "tables";
    const fs::path irregularTables = tables / "Template" / "TemplateDataIrregular";
    const fs::path irregularOutput = output / "Template" / "TemplateDataIrregular";
    const fs::path templateTables = tables / "Template" / "Template";
    const fs::path templateOutput = output / "Template" / "Template";
    SampleDefines defines;
    SampleTemplates templates;
    // The previous title's layouts, which its save import reads.
    SampleTemplates oskel3Templates;
    SampleDataFiles data;
    return defines.Load(templateTables / "TemplateDefine") && defines.Write(templateOutput / "TemplateDefine")
        && templates.Load(templateTables, defines) && templates.Write(templateOutput)
        && oskel3Templates.Load(tables / "Template" / "Oskel3Template", defines)
        && oskel3Templates.Write(output / "Template" / "Oskel3Template")
        && data.Load(tables / "Template" / "TemplateData", output / "Template" / "TemplateData", templates, defines)
        && data.Load(irregularTables, irregularOutput, templates, defines)
        // The second save-state set starts the same new game.
        && data.Load(irregularTables / "00", irregularOutput / "01", templates, defines)
        && data.Load(tables / "Save", output / "Save", templates, defines) && data.Write();
}
