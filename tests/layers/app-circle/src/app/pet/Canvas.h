#pragma once
#include "farm/Scene.h"
