#include "tests/GameProgram/RenderingObject/DrawableFixture.h"

int TestDrawable::s_iLiving = 0;
