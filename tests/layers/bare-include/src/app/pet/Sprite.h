#pragma once
#include "Canvas.h"
