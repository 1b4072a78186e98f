#include "TemplateSystem/JC_LineReader.h"

#include "TemplateSystem/JF_FileRead.h"

#include <cstring>

void JC_LineReader::FindLineEnd(const char* pBuffer, DWORD dwSize, DWORD dwStart, DWORD& dwEnd, DWORD& dwNext)
{
    dwEnd = dwStart;
    while (dwEnd < dwSize && pBuffer[dwEnd] != '\r' && pBuffer[dwEnd] != '\n')
        ++dwEnd;
    dwNext = dwEnd;
    if (dwNext == dwSize)
        return;
    const char cPartner = pBuffer[dwNext] == '\r' ? '\n' : '\r';
    ++dwNext;
    if (dwNext < dwSize && pBuffer[dwNext] == cPartner)
        ++dwNext;
}

DWORD JC_LineReader::ReadWholeFile(const std::string& strPath, std::vector<BYTE>& buffer, DWORD dwMaximum)
{
    switch (JF_ReadFile(strPath, dwMaximum, buffer)) {
    case JE_FileRead::Done: return 0;
    case JE_FileRead::CannotOpen: return JE_READER_CANNOT_OPEN;
    case JE_FileRead::SizeFailed: return JE_READER_SIZE_FAILED;
    case JE_FileRead::FourGigabytes: return JE_READER_FOUR_GIGABYTES;
    case JE_FileRead::AboveMaximum: return JE_READER_ABOVE_MAXIMUM;
    case JE_FileRead::ReadFailed: return JE_READER_READ_FAILED;
    case JE_FileRead::ShortRead: return JE_READER_SHORT_READ;
    }
    return JE_READER_READ_FAILED;
}

DWORD JC_LineReader::GetNextLine(const char* pBuffer, DWORD dwSize, DWORD& dwPosition, char* szLine,
                                 DWORD& dwLength)
{
    const DWORD dwStart = dwPosition;
    const DWORD dwCapacity = dwLength;
    dwPosition = NO_MORE_LINES;
    dwLength = 0;
    if (pBuffer == nullptr)
        return JE_LINE_NULL_BUFFER;
    if (dwSize == 0)
        return JE_LINE_EMPTY_BUFFER;
    if (szLine == nullptr)
        return JE_LINE_NULL_LINE;
    if (dwCapacity != 0)
        szLine[0] = '\0';
    if (dwStart >= dwSize)
        return 0;

    DWORD dwEnd = 0;
    DWORD dwNext = 0;
    FindLineEnd(pBuffer, dwSize, dwStart, dwEnd, dwNext);
    dwLength = dwEnd - dwStart;
    if (dwLength >= dwCapacity)
        return JE_LINE_TOO_LONG;
    std::memcpy(szLine, pBuffer + dwStart, dwLength);
    szLine[dwLength] = '\0';
    dwPosition = dwNext;
    return 0;
}

DWORD JC_LineReader::CountLines(const char* pBuffer, DWORD dwSize, DWORD& dwCount)
{
    dwCount = 0;
    if (pBuffer == nullptr)
        return JE_COUNT_NULL_BUFFER;
    if (dwSize == 0)
        return JE_COUNT_EMPTY_BUFFER;
    for (DWORD dwStart = 0; dwStart < dwSize; ++dwCount) {
        DWORD dwEnd = 0;
        DWORD dwNext = 0;
        FindLineEnd(pBuffer, dwSize, dwStart, dwEnd, dwNext);
        dwStart = dwNext;
    }
    return 0;
}
