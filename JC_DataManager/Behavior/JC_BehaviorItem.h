#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorValueData.h"

#include <array>

// A behaviour-group item taken apart: state, round type, count, second and
// third number, ExtraA and ExtraB, as seven comma-separated parts.
struct JC_BehaviorItem
{
    static constexpr DWORD PART_COUNT = 7;

    BOOL bValid = 0;
    std::string strState;
    DWORD dwRoundType = 0;
    int iCount = 0;
    int iSecond = 0;
    int iThird = 0;
    JC_BehaviorValueData ExtraA;
    JC_BehaviorValueData ExtraB;
    std::string strItem;
    std::array<std::string, PART_COUNT> strParts;
};
