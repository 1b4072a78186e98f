#include "Code/Begin/XF_MakeGame.h"

std::unique_ptr<XC_Game> XF_MakeGame()
{
    return std::make_unique<XC_Game>();
}
