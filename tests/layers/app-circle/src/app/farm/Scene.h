#pragma once
#include "drawing/Space.h"
