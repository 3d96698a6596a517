#pragma once
#include "pet/Canvas.h"
