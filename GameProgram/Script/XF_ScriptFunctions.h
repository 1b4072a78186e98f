#pragma once

#include "GameProgram/Script/XC_ScriptParameterAnalyzer.h"

#include <map>

// The vocabulary of the '#' parameter language: the literal readers of the
// seven value types and the rows the analyzer puts into its tables.

HRESULT XF_ReadStringLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, XC_String* pResult);
HRESULT XF_ReadLongLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, LONG* pResult);
HRESULT XF_ReadDwordLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, DWORD* pResult);
HRESULT XF_ReadFloatLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, float* pResult);
HRESULT XF_ReadBoolLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, BOOL* pResult);
HRESULT XF_ReadXYZLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult);
HRESULT XF_ReadMatrixLiteral(XC_ScriptParameterAnalyzer* pAnalyzer, XC_Strtok* pTokens, D3DXMATRIX* pResult);

void XF_AddStringFunctions(std::map<XC_String, XF_StringFunction>* pTable);
void XF_AddLongFunctions(std::map<XC_String, XF_LongFunction>* pTable);
void XF_AddDwordFunctions(std::map<XC_String, XF_DwordFunction>* pTable);
void XF_AddFloatFunctions(std::map<XC_String, XF_FloatFunction>* pTable);
void XF_AddBoolFunctions(std::map<XC_String, XF_BoolFunction>* pTable);
void XF_AddXYZFunctions(std::map<XC_String, XF_XYZFunction>* pTable);
void XF_AddMatrixFunctions(std::map<XC_String, XF_MatrixFunction>* pTable);

// True when the printf format holds exactly one conversion and its letter is
// one of szConversions ("%%" aside); no '*', no "%n", no length beyond 'l'.
bool XF_IsSingleConversionFormat(const char* szFormat, const char* szConversions);
