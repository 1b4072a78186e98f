#pragma once

// The use range of an effect, whether a skill, a tool or a weapon: the
// battle asks for the shape and reach without knowing which it is.
class JC_BaseEx
{
public:
    virtual ~JC_BaseEx() = default;

    virtual int GetScopeShape() = 0;
    virtual int GetScopeLV() = 0;
    virtual int GetDistanceNear() = 0;
    virtual int GetDistanceFar() = 0;
    virtual int GetHeightHigh() = 0;
    virtual int GetHeightLow() = 0;
    virtual int GetUseTarget() { return 1; }
    virtual int GetUseCamp() { return 2; }
    virtual int GetUseLifeState() { return 3; }
};
