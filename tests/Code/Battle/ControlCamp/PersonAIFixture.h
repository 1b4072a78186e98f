#pragma once

#include "Code/Battle/ControlCamp/sTableResource.h"

#include "tests/Code/Battle/ControlCamp/CampFixture.h"

#include <gtest/gtest.h>

#include <string>

// One computer person's AI on a test floor: the person at team index 300
// acts, with the tables its camp would build for it.
class PersonAIFixture : public CampFixture
{
protected:
    static constexpr DWORD HERO = 1;
    static constexpr DWORD GOBLIN = 11;
    static constexpr int ACTOR = 300;

    void TearDown() override
    {
        FreeTables();
        CampFixture::TearDown();
    }

    static void Set(JC_DataComponent* pRecord, const std::string& strName, int iValue)
    {
        ASSERT_NE(pRecord, nullptr) << strName;
        ASSERT_EQ(pRecord->SetItemValueAt(strName, 0, &iValue), 0u) << strName;
    }

    // A person of the fixed data on its cell with these hit points.
    JC_DataComponent* Person(int iTeamIndex, DWORD dwPersonID, int iFloor, int iMaxHP, int iHP)
    {
        JC_DataComponent* const pRecord = AddFightPerson(iTeamIndex, dwPersonID, iFloor);
        Set(pRecord, "MaxHP", iMaxHP);
        Set(pRecord, "HP", iHP);
        return pRecord;
    }

    XC_GamePerson* Actor() { return m_Persons.GetPersonFromTeamIndex(ACTOR); }

    // The actor's tables as its camp would build them.
    void BuildTables()
    {
        FreeTables();
        XC_SceneTableManager& tables = m_Tables;
        m_Resource.plTableMoveScope = tables.CloneTable(tables.BuildTableMoveScope(Actor(), -1));
        m_Resource.plTableAllMoveScope = tables.CloneTable(tables.BuildTableMovePower(Actor(), 1000));
        m_Resource.plTableAllPerson = tables.CloneTable(tables.BuildTableAllPerson());
        m_Resource.plTableAlliedForces = tables.CloneTable(tables.BuildTableAlliedPerson(XE_CAMP_COMPUTER, 3));
        m_Resource.plTableHostileForces = tables.CloneTable(tables.BuildTableHostilePerson(XE_CAMP_COMPUTER, 3));
        m_Resource.plTableEnemyDistance = tables.BuildTableEnemyDistance(XE_CAMP_COMPUTER);
        m_Resource.plTableAlliedStrength = tables.BuildTableForces(XE_CAMP_COMPUTER, TRUE);
        m_Resource.plTableHostileStrength = tables.BuildTableForces(XE_CAMP_COMPUTER, FALSE);
    }

    void FreeTables()
    {
        for (LONG* plTable : {m_Resource.plTableMoveScope, m_Resource.plTableAllMoveScope, m_Resource.plTableAllPerson,
                              m_Resource.plTableAlliedForces, m_Resource.plTableHostileForces,
                              m_Resource.plTableEnemyDistance, m_Resource.plTableAlliedStrength,
                              m_Resource.plTableHostileStrength})
            delete[] plTable;
        m_Resource = sTableResource();
    }

    // Everything off the field for the next case of a table.
    void Reset()
    {
        FreeTables();
        ClearField();
    }

    sTableResource m_Resource;
};
