#pragma once

#include <cstdint>

// Where the builders, the merges and the extraction report their progress.
// Every operation does nothing here; a caller overrides what it shows.
class JI_ProgressSink
{
public:
    virtual ~JI_ProgressSink() = default;

    virtual void BeginProgress() {}
    virtual void SetProgressText(const char* /*szNodeName*/) {}
    virtual void SetByteRange(std::uint64_t /*qwBytes*/) {}
    virtual void SetBytePosition(std::uint64_t /*qwBytes*/) {}
    virtual void SetNodeCount(std::uint32_t /*dwNodes*/) {}
    virtual void SetNodeIndex(std::uint32_t /*dwNodesDone*/) {}
};
